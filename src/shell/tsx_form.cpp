#include "shell/tsx_form.h"

#include <utility>

namespace qm {

widgets::WindowParams FrameworkWindowParams(tsxHWND parentWindow) {
  widgets::WindowParams params;
  if (parentWindow) {
    params.style |= widgets::kWsChild;
    params.ownerWindow = parentWindow;
  }
  return params;
}

widgets::WindowParams ToolWindowParams(widgets::WindowParams params) {
  params.exStyle = kToolWindowExStyle;
  params.style &= ~widgets::kWsChild;
  return params;
}

TtsxCustomForm::TtsxCustomForm(std::string name, tsxHWND parentWindow)
    : widgets::Form(std::move(name)), parentWindow_(parentWindow) {
  Params() = FrameworkWindowParams(parentWindow);
}

TtsxCustomForm::~TtsxCustomForm() {
  if (OnDestroyed) OnDestroyed();
}

TtsxToolForm::TtsxToolForm(std::string name, tsxHWND parentWindow)
    : TtsxCustomForm(std::move(name), parentWindow) {
  Params() = ToolWindowParams(Params());
}

TtsxForm::TtsxForm(std::string name, tsxHWND parentWindow)
    : TtsxToolForm(std::move(name), parentWindow) {
  AutoDrag = true;
}

int TtsxForm::NonClientHitTest(int x, int y) const {
  const int hit = TtsxToolForm::NonClientHitTest(x, y);
  return AutoDrag && hit == widgets::kHtClient ? widgets::kHtCaption : hit;
}

} // namespace qm
