#include "widgets/headless/headless_backend.h"

#include "widgets/form.h"

namespace qm::widgets {

void HeadlessBackend::FormCreated(Form& form) {
  Window& window = windows_[&form];
  window = Window{
      form.Caption(), form.Visible(), form.Left(), form.Top(), form.Width(), form.Height(), 0};
}

void HeadlessBackend::FormShown(Form& form) {
  if (auto it = windows_.find(&form); it != windows_.end()) it->second.visible = true;
}

void HeadlessBackend::FormHidden(Form& form) {
  if (auto it = windows_.find(&form); it != windows_.end()) it->second.visible = false;
}

void HeadlessBackend::FormRaised(Form& form) {
  if (windows_.contains(&form)) front_ = &form;
}

void HeadlessBackend::FormMoved(Form& form) {
  if (auto it = windows_.find(&form); it != windows_.end()) {
    it->second.left = form.Left();
    it->second.top = form.Top();
  }
}

void HeadlessBackend::FormResized(Form& form) {
  if (auto it = windows_.find(&form); it != windows_.end()) {
    it->second.width = form.Width();
    it->second.height = form.Height();
  }
}

void HeadlessBackend::FormChanged(Form& form) {
  if (auto it = windows_.find(&form); it != windows_.end()) it->second.caption = form.Caption();
}

void HeadlessBackend::FormDestroyed(Form& form) {
  windows_.erase(&form);
  if (front_ == &form) front_ = nullptr;
}

void HeadlessBackend::ComponentChanged(Component& component) {
  if (auto it = windows_.find(&component.Owner()); it != windows_.end()) {
    ++it->second.componentChanges;
  }
}

const HeadlessBackend::Window* HeadlessBackend::WindowOf(const Form& form) const {
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : &it->second;
}

} // namespace qm::widgets
