#include "widgets/component.h"

#include "widgets/backend.h"
#include "widgets/form.h"

namespace qm::widgets {

const char* KindName(ComponentKind kind) {
  switch (kind) {
  case ComponentKind::Button: return "Button";
  case ComponentKind::BitBtn: return "BitBtn";
  case ComponentKind::PictureButton: return "PictureButton";
  case ComponentKind::CheckBox: return "CheckBox";
  case ComponentKind::Label: return "Label";
  case ComponentKind::StaticText: return "StaticText";
  case ComponentKind::LinkLabel: return "LinkLabel";
  case ComponentKind::Edit: return "Edit";
  case ComponentKind::SpinEdit: return "SpinEdit";
  case ComponentKind::Slider: return "Slider";
  case ComponentKind::ListBox: return "ListBox";
  case ComponentKind::Shape: return "Shape";
  case ComponentKind::Image: return "Image";
  case ComponentKind::Panel: return "Panel";
  case ComponentKind::GroupBox: return "GroupBox";
  case ComponentKind::MenuItem: return "MenuItem";
  }
  return "Component";
}

bool HasOwnWindow(ComponentKind kind) {
  switch (kind) {
  case ComponentKind::PictureButton:
  case ComponentKind::Label:
  case ComponentKind::LinkLabel:
  case ComponentKind::Shape:
  case ComponentKind::Image:
  case ComponentKind::MenuItem: return false;
  default: return true;
  }
}

std::string Component::Path() const { return owner_.Name() + "." + name_; }

void Component::Changed() {
  if (owner_.Announced()) CurrentBackend().ComponentChanged(*this);
}

} // namespace qm::widgets
