// A control on a form: position within its container, state, text, looks and the
// program's press.
#pragma once

#include <string>

#include "widgets/colors.h"
#include "widgets/component.h"
#include "widgets/events.h"
#include "widgets/text_font.h"

namespace qm::widgets {

class Container;

class Control : public Component {
public:
  // `parent` null: the control lies directly on the form.
  Control(Form& owner, Container* parent, std::string name, ComponentKind kind);

  Container* Parent() const { return parent_; }

  // Position relative to the container (or the form's client area), in pixels.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  void SetBounds(int left, int top, int width, int height);

  // The control's own states; a container's states also act on what lies inside
  // it (see user_input.h).
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);

  // Caption and Text are one string: buttons and labels call it a caption, edit
  // fields their text.
  const std::string& Caption() const { return text_; }
  const std::string& Text() const { return text_; }
  void SetCaption(const std::string& caption) { SetText(caption); }
  void SetText(const std::string& text);

  const TextFont& Font() const { return font_; }
  void SetFont(const TextFont& font);
  // Shorthand for the font's colour.
  void SetFontColor(ColorRef color);
  ColorRef Color() const { return color_; }
  void SetColor(ColorRef color);

  bool HasOwnWindow() const { return widgets::HasOwnWindow(Kind()); }

  // The program's press: runs OnClick at once, whatever the enabled or visible
  // state of the control. Errors pass to the caller.
  virtual void Click();
  // What a user's click does once it is accepted (UserClick checks that it may
  // happen): a plain press here; check boxes toggle first.
  virtual void PerformUserClick() { Click(); }

  Event OnClick;
  // A mouse button goes down on the control (before any click it becomes).
  Event OnMouseDown;

protected:
  // Runs after the text changed; edit fields raise their change event here.
  virtual void TextChanged() {}

private:
  Container* parent_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool tabStop_ = true;
  std::string text_;
  TextFont font_;
  ColorRef color_ = clBtnFace;
};

} // namespace qm::widgets
