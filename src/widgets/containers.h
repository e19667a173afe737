// Controls that hold other controls: panels and group boxes. A hidden or disabled
// container keeps the user's input from everything inside it, at any depth.
#pragma once

#include "widgets/control.h"

namespace qm::widgets {

class Container : public Control {
protected:
  using Control::Control;
};

class Panel final : public Container {
public:
  Panel(Form& owner, Container* parent, std::string name)
      : Container(owner, parent, std::move(name), ComponentKind::Panel) {}
};

class GroupBox final : public Container {
public:
  GroupBox(Form& owner, Container* parent, std::string name)
      : Container(owner, parent, std::move(name), ComponentKind::GroupBox) {}
};

} // namespace qm::widgets
