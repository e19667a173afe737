// A plug-in module loaded from a path, as the host loads one: its four entry
// points looked up by name, unloaded when the wrapper goes.
#pragma once

#include "platform/exception.h"

#include <string>

namespace qm::host {

// The module cannot be loaded or lacks an entry point; the message says which.
QM_DECLARE_EXCEPTION(EModuleError, Exception);

class PluginModule {
public:
  // Loads the module with dlopen (RTLD_NOW | RTLD_LOCAL) and looks up tsxGetData,
  // tsxOnLeftClick, tsxOnRightClick and tsxDeactivate; throws EModuleError.
  explicit PluginModule(const std::string& path);
  ~PluginModule(); // dlclose: the module's shut-down runs here
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  // The entry points. Whatever the plug-in throws passes through to the caller.
  int GetData(void* block, int hostParam);
  int LeftClick();
  void RightClick();
  void Deactivate();
  // qmAutomation, which a plug-in may lack: the answer, with the reply in `reply`.
  bool HasAutomation() const { return automation_ != nullptr; }
  int Automation(const std::string& command, std::string& reply);

private:
  using GetDataEntry = int (*)(void*, int);
  using LeftClickEntry = int (*)();
  using VoidEntry = void (*)();
  using AutomationEntry = int (*)(const char*, char*, int);

  void* library_ = nullptr;
  GetDataEntry getData_ = nullptr;
  LeftClickEntry leftClick_ = nullptr;
  VoidEntry rightClick_ = nullptr;
  VoidEntry deactivate_ = nullptr;
  AutomationEntry automation_ = nullptr;
};

} // namespace qm::host
