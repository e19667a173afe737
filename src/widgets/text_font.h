// A control's or form's font, kept as plain data for the backends to draw with.
#pragma once

#include <string>

#include "widgets/colors.h"

namespace qm::widgets {

struct TextFont {
  std::string name = "MS Sans Serif";
  int size = 8; // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  ColorRef color = clWindowText;

  bool operator==(const TextFont&) const = default;
};

} // namespace qm::widgets
