#include "widgets/list_box.h"

#include "platform/exception.h"

namespace qm::widgets {

ListBox::ListBox(Form& owner, Container* parent, std::string name)
    : Control(owner, parent, std::move(name), ComponentKind::ListBox) {
  SetColor(clWindow);
}

const std::string& ListBox::Item(int index) const {
  if (index < 0 || index >= Count()) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  }
  return items_[static_cast<std::size_t>(index)];
}

void ListBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Changed();
}

void ListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  Changed();
}

void ListBox::SetItemIndex(int index) {
  Update(itemIndex_, index >= 0 && index < Count() ? index : -1);
}

} // namespace qm::widgets
