// Window-creation parameters of a form, kept as plain data: the shell sets them,
// a native backend creates its window from them, the model itself ignores them.
#pragma once

#include <cstdint>

namespace qm::widgets {

// Style bits, by the window system's values.
inline constexpr std::uint32_t kWsChild = 0x40000000u;
inline constexpr std::uint32_t kWsClipSiblings = 0x04000000u;
inline constexpr std::uint32_t kWsClipChildren = 0x02000000u;
inline constexpr std::uint32_t kWsCaption = 0x00C00000u;
inline constexpr std::uint32_t kWsSysMenu = 0x00080000u;
inline constexpr std::uint32_t kWsThickFrame = 0x00040000u;
inline constexpr std::uint32_t kWsExToolWindow = 0x00000080u;
inline constexpr std::uint32_t kWsExControlParent = 0x00010000u;

struct WindowParams {
  std::uint32_t style = kWsCaption | kWsSysMenu | kWsThickFrame | kWsClipSiblings | kWsClipChildren;
  std::uint32_t exStyle = 0;
  // The native window that owns this form's window (the host's main view for the
  // plug-in's tool windows); null for an unowned window.
  void* ownerWindow = nullptr;
};

// The sizes around a form's client area, for turning outer sizes into client
// sizes: the frame on every side, the caption bar and the menu strip (counted only
// when the form has a main menu).
struct FrameMetrics {
  int border = 4;
  int caption = 16;
  int menu = 19;

  bool operator==(const FrameMetrics&) const = default;
};

} // namespace qm::widgets
