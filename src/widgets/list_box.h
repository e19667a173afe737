// A list box: entries and the chosen index (-1 for none).
#pragma once

#include <string>
#include <vector>

#include "widgets/control.h"

namespace qm::widgets {

class ListBox final : public Control {
public:
  ListBox(Form& owner, Container* parent, std::string name);

  const std::vector<std::string>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // The entry at `index`; any index outside the list, -1 included, raises
  // EListError "List index out of bounds (<index>)".
  const std::string& Item(int index) const;

  // Adding keeps the chosen entry; replacing or clearing the entries leaves none
  // chosen.
  void AddItem(std::string item);
  void SetItems(std::vector<std::string> items);
  void ClearItems() { SetItems({}); }

  int ItemIndex() const { return itemIndex_; }
  // An index outside the list chooses nothing (-1), as the native list does.
  void SetItemIndex(int index);

private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

} // namespace qm::widgets
