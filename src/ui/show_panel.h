#pragma once

namespace qm {

// Shows the control panel, creating it on first use.
void ShowControlPanel();

} // namespace qm
