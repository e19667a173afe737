// A host session with the real module: the default stand-in host and Qm.tsx loaded by
// path into this process, the plug-in registered; its windows driven through the
// module's automation entry point as a user would drive them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "loaded_library.h"
#include "standin_control.h"

namespace qm::test {

class PluginSession {
public:
  // Loads the host and the module and registers the plug-in (tsxGetData).
  PluginSession();
  ~PluginSession();

  standin::Control& Host() const { return *control_; }

  // The user clicks the plug-in's icon.
  int ClickIcon();
  // Runs an automation command; returns its result and leaves the reply in `reply`.
  int Try(const std::string& command, std::string& reply);
  // Runs a command that must be carried out and returns its reply.
  std::string Do(const std::string& command);
  // `get` of one property.
  std::string Get(const std::string& path) { return Do("get " + path); }

  // Builds a polyhedron at top level.
  tsxSOBJ* AddMesh(const std::string& name, const std::vector<tsxVec3f>& vertices);
  // Shows the page that holds channel k's row: a user reaches only what is shown.
  void ShowPageOf(int channel);
  // Selects `object` in the host and clicks the select button of `channel` (0 the
  // original).
  void Capture(int channel, tsxSOBJ* object);
  // Icon click, then "New" in the chooser: a panel with a new set-up, expanded.
  void OpenWithNewSetup();
  // The message boxes shown since the last call.
  std::vector<std::string> Messages();

private:
  std::unique_ptr<LoadedLibrary> host_;
  std::unique_ptr<LoadedLibrary> module_;
  standin::Control* control_ = nullptr;
  int (*automation_)(const char*, char*, int) = nullptr;
  int (*leftClick_)() = nullptr;
};

// The component name of channel k's select button, slider, value field or box.
std::string Channel(const char* kind, int channel);

} // namespace qm::test
