#include "scene/scene_walk.h"

#include "morph/object_name.h"
#include "shell/host_api.h"
#include "ui/list_dialog.h"

namespace qm::scene {

void WalkTopLevel(const std::function<bool(tsxSOBJ*)>& visit) {
  for (tsxSOBJ* node = tsxSceneGetFirstNode(); node && tsxIsGNode(node) == 1;
       node = tsxGNodeGetNext(node)) {
    if (!visit(node)) return;
  }
}

tsxSOBJ* FindTopLevel(const std::string& name) {
  tsxSOBJ* found = nullptr;
  WalkTopLevel([&](tsxSOBJ* node) {
    if (GetName(node) == name) found = node;
    return !found;
  });
  return found;
}

void ListTopLevelNames(widgets::ListBox& list) {
  list.ClearItems();
  WalkTopLevel([&](tsxSOBJ* node) {
    list.AddItem(GetName(node));
    return true;
  });
}

} // namespace qm::scene

namespace qm {

// Both list dialogs show the scene the same way.
void TListDialog::parsescene() { scene::ListTopLevelNames(*ListBox1); }

} // namespace qm
