// The share labels and the sliders' change handlers.
#include <cstddef>
#include <string>

#include "morph/shares.h"
#include "ui/control_panel.h"

namespace qm {

void TForm1::percentage() {
  morph::SliderValues values{};
  for (std::size_t k = 0; k < values.size(); ++k)
    values[k] = bar[k]->Position();
  const morph::Shares shares = morph::SharesOf(values);
  for (std::size_t k = 0; k < shares.size(); ++k)
    val[k]->SetCaption(std::to_string(shares[k]));
}

void TForm1::barChange(int) {
  percentage();
  if (AutoUpdate1->Checked()) Update2->Click();
}

} // namespace qm
