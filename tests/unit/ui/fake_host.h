// Host functions answered in this process, for tests of the windows without a host
// library: the main view window and renaming, which is what the windows' own code
// asks of the host, and an empty scene with nothing selected, which is all that the
// chooser's listing finds when it is shown. Installed for the life of the object;
// the function variables are emptied again afterwards.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "shell/host_api.h"
#include "shell/plugin_host.h"
#include "widgets/application.h"
#include "widgets/dialogs.h"

namespace qm::test {

inline tsxHWND const kMainView = reinterpret_cast<tsxHWND>(0x5A17);

struct Renaming {
  tsxSOBJ* node;
  std::string name;
  bool operator==(const Renaming&) const = default;
};

inline std::vector<Renaming>& Renamings() {
  static std::vector<Renaming> calls;
  return calls;
}

inline tsxHWND FakeMainView() { return kMainView; }
inline void FakeSetName(tsxGNODE* node, const char* name) { Renamings().push_back({node, name}); }
inline tsxGNODE* NoNode() { return nullptr; }
inline tsxGNODE* NoNextNode(tsxGNODE*) { return nullptr; }
inline tsxSOBJ* NoSelection() { return nullptr; }

// The host functions, and a host record, for the life of a test; every form is
// destroyed at the end so that the next test starts with none.
class FakeHost {
public:
  FakeHost() {
    tsxGetMainViewHwnd = FakeMainView;
    tsxGNodeSetName = FakeSetName;
    tsxSceneGetFirstNode = NoNode;
    tsxGNodeGetNext = NoNextNode;
    tsxGetCurrentSelection = NoSelection;
    Renamings().clear();
    PluginHost = new TtSXPluginHost;
    widgets::TakeShownMessages();
  }
  ~FakeHost() {
    delete PluginHost;
    PluginHost = nullptr;
    widgets::DestroyAllForms();
    tsxGetMainViewHwnd = nullptr;
    tsxGNodeSetName = nullptr;
    tsxSceneGetFirstNode = nullptr;
    tsxGNodeGetNext = nullptr;
    tsxGetCurrentSelection = nullptr;
  }
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  // The names in the host record's form list, first to last.
  static std::vector<std::string> ListedNames() {
    std::vector<std::string> names;
    for (const FormListEntry& entry : PluginHost->FormList)
      names.push_back(entry.name);
    return names;
  }
};

} // namespace qm::test
