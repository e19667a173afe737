// Colours as the window system stores them, with the framework's named constants.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm::widgets {

// 0x00BBGGRR: red in the low byte. A value with the top bit set is not a colour
// but the index of a system colour, which the running theme decides (clBtnFace).
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return ColorRef{red} | ColorRef{green} << 8 | ColorRef{blue} << 16;
}

inline constexpr ColorRef kSystemColorFlag = 0x80000000u;
constexpr ColorRef SystemColor(std::uint8_t index) { return kSystemColorFlag | index; }

inline constexpr ColorRef clBlack = Rgb(0, 0, 0);
inline constexpr ColorRef clMaroon = Rgb(128, 0, 0);
inline constexpr ColorRef clGreen = Rgb(0, 128, 0);
inline constexpr ColorRef clOlive = Rgb(128, 128, 0);
inline constexpr ColorRef clNavy = Rgb(0, 0, 128);
inline constexpr ColorRef clPurple = Rgb(128, 0, 128);
inline constexpr ColorRef clTeal = Rgb(0, 128, 128);
inline constexpr ColorRef clGray = Rgb(128, 128, 128);
inline constexpr ColorRef clSilver = Rgb(192, 192, 192);
inline constexpr ColorRef clRed = Rgb(255, 0, 0);
inline constexpr ColorRef clLime = Rgb(0, 255, 0);
inline constexpr ColorRef clYellow = Rgb(255, 255, 0);
inline constexpr ColorRef clBlue = Rgb(0, 0, 255);
inline constexpr ColorRef clFuchsia = Rgb(255, 0, 255);
inline constexpr ColorRef clAqua = Rgb(0, 255, 255);
inline constexpr ColorRef clWhite = Rgb(255, 255, 255);

// System colours, by the window system's indices.
inline constexpr ColorRef clActiveCaption = SystemColor(2);
inline constexpr ColorRef clWindow = SystemColor(5);
inline constexpr ColorRef clWindowText = SystemColor(8);
inline constexpr ColorRef clHighlight = SystemColor(13);
inline constexpr ColorRef clHighlightText = SystemColor(14);
inline constexpr ColorRef clBtnFace = SystemColor(15);
inline constexpr ColorRef clBtnShadow = SystemColor(16);
inline constexpr ColorRef clGrayText = SystemColor(17);
inline constexpr ColorRef clBtnText = SystemColor(18);
inline constexpr ColorRef clBtnHighlight = SystemColor(20);
inline constexpr ColorRef clInfoBk = SystemColor(24);

// The constant's name ("clLime") when the value has one.
std::optional<std::string_view> ColorName(ColorRef color);

// The name when there is one, else "$" and eight upper-case hex digits ("$00123456").
std::string FormatColor(ColorRef color);

} // namespace qm::widgets
