#include "widgets/colors.h"

#include <array>
#include <cstdio>
#include <utility>

namespace qm::widgets {
namespace {

constexpr std::array<std::pair<ColorRef, std::string_view>, 27> kNames{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clActiveCaption, "clActiveCaption"},
    {clWindow, "clWindow"},
    {clWindowText, "clWindowText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clBtnHighlight, "clBtnHighlight"},
    {clInfoBk, "clInfoBk"},
}};

} // namespace

std::optional<std::string_view> ColorName(ColorRef color) {
  for (const auto& [value, name] : kNames) {
    if (value == color) return name;
  }
  return std::nullopt;
}

std::string FormatColor(ColorRef color) {
  if (auto name = ColorName(color)) return std::string(*name);
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(color));
  return text;
}

} // namespace qm::widgets
