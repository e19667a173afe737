#include "widgets/menu.h"

#include <memory>

#include "widgets/form.h"

namespace qm::widgets {

MenuItem& MenuItems::Add(std::string name, std::string caption) {
  auto item = std::make_unique<MenuItem>(owner_, parentItem_, std::move(name), std::move(caption));
  auto& added = static_cast<MenuItem&>(owner_.Adopt(std::move(item)));
  items_.push_back(&added);
  return added;
}

MenuItem::MenuItem(Form& owner, MenuItem* parent, std::string name, std::string caption)
    : Component(owner, std::move(name), ComponentKind::MenuItem), MenuItems(owner, this),
      parent_(parent), caption_(std::move(caption)) {}

const std::vector<MenuItem*>& MenuItem::Siblings() const {
  return parent_ ? parent_->Items() : Owner().Menu().Items();
}

void MenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
  if (!checked || !radioItem_) return;
  for (MenuItem* other : Siblings()) {
    if (other != this && other->radioItem_ && other->groupIndex_ == groupIndex_) {
      other->SetChecked(false);
    }
  }
}

void MenuItem::Click() {
  if (enabled_) Fire(OnClick);
}

} // namespace qm::widgets
