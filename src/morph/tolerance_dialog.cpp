// The Delta Tolerance dialog.
#include <cmath>
#include <string>

#include "morph/delta_tolerance.h"
#include "ui/control_panel.h"
#include "widgets/dialogs.h"
#include "widgets/int_conversion.h"

namespace qm {

void TForm1::AdjustDeltaTolerance1Click() {
  const std::string current = std::to_string(std::lround(deltatolerance));
  const std::string text = widgets::InputBox("Enter a tolerance (0-1000) for delta",
                                             "A higher value means more tolerance", current);
  // Text that is not a whole number raises the conversion error and keeps the value.
  deltatolerance = morph::StoredDeltaTolerance(widgets::StrToInt(text));
}

} // namespace qm
