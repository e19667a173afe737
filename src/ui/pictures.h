// The plug-in's pictures, drawn at run time so that no bitmap has to be shipped or
// kept in step with the code: the glyphs of the transport buttons and the about
// box's picture.
#pragma once

#include "widgets/picture.h"

namespace qm::ui {

inline constexpr int kGlyphWidth = 33;
inline constexpr int kGlyphHeight = 25;
inline constexpr int kAboutPictureWidth = 443;
inline constexpr int kAboutPictureHeight = 468;

enum class Glyph {
  ToFirstKey,  // |<  btnrewend
  PreviousKey, // <<  btnrew
  Play,        // >   btnplay
  NextKey,     // >>  btnff
  ToLastKey,   // >|  btnffend
  Record,      // red dot, btnrec
  Key,         // key, the key indicator showkey
  Unset,       // key struck through, btnunset
};

// A kGlyphWidth x kGlyphHeight glyph on a transparent background.
widgets::Picture GlyphPicture(Glyph glyph);

// The about box's picture: a shape blending from a disc into a square in steps, on
// a dark background; kAboutPictureWidth x kAboutPictureHeight, opaque.
widgets::Picture AboutPicture();

} // namespace qm::ui
