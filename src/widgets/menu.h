// Menus: a form's main menu of top-level items, items with sub-items, separators,
// check marks and radio groups. An item runs its handler only while it is enabled,
// whether the user or the program presses it.
#pragma once

#include <string>
#include <vector>

#include "widgets/component.h"
#include "widgets/events.h"

namespace qm::widgets {

class MenuItem;

// The items of a menu level: the main menu's top-level items, or an item's
// sub-items. New items are created on the owner form and listed here in order.
class MenuItems {
public:
  const std::vector<MenuItem*>& Items() const { return items_; }
  MenuItem& Add(std::string name, std::string caption);
  // A separator: an item whose caption is "-".
  MenuItem& AddSeparator(std::string name) { return Add(std::move(name), "-"); }

protected:
  MenuItems(Form& owner, MenuItem* parentItem) : owner_(owner), parentItem_(parentItem) {}

private:
  Form& owner_;
  MenuItem* parentItem_;
  std::vector<MenuItem*> items_;
};

class MainMenu final : public MenuItems {
public:
  explicit MainMenu(Form& owner) : MenuItems(owner, nullptr) {}
  bool Empty() const { return Items().empty(); }
};

class MenuItem final : public Component, public MenuItems {
public:
  // Use MenuItems::Add, which lists the item in its menu.
  MenuItem(Form& owner, MenuItem* parent, std::string name, std::string caption);

  // The item whose sub-item this is; null for a top-level item.
  MenuItem* Parent() const { return parent_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { Update(caption_, caption); }
  bool IsSeparator() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { Update(enabled_, enabled); }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { Update(visible_, visible); }

  // Checking a radio item unchecks the other radio items of its menu level that
  // share its group index.
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool radioItem) { Update(radioItem_, radioItem); }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int groupIndex) { Update(groupIndex_, groupIndex); }

  // A press: runs OnClick only while the item is enabled (its own state; the
  // items above it matter to the user's click only). Errors pass to the caller.
  void Click();

  Event OnClick;

private:
  // The menu level this item is listed in.
  const std::vector<MenuItem*>& Siblings() const;

  MenuItem* parent_;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
};

} // namespace qm::widgets
