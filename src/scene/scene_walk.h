// The scene's top level, as object lookup and the dialogs' lists see it.
#pragma once

#include <functional>
#include <string>

#include "shell/tsx_types.h"
#include "widgets/list_box.h"

namespace qm::scene {

// Visits the top-level nodes in the host's order until `visit` answers false. The walk
// ends at the end of the list or at the first node that is not a geometric node, even
// when geometric nodes follow it; children of groups are never visited. The next node
// is asked for only after `visit` has returned.
void WalkTopLevel(const std::function<bool(tsxSOBJ*)>& visit);

// The first node of the walk whose name is exactly `name` (letter case and blanks
// count), or null.
tsxSOBJ* FindTopLevel(const std::string& name);

// Empties `list` and appends the name of every node of the walk, in order: nothing
// filtered out, nothing sorted, a name that occurs twice listed twice.
void ListTopLevelNames(widgets::ListBox& list);

} // namespace qm::scene
