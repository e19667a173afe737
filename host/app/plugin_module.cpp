#include "app/plugin_module.h"

#include <dlfcn.h>

#include <vector>

namespace qm::host {

namespace {

std::string LoaderError() {
  const char* text = dlerror();
  return text == nullptr ? "unknown loader error" : text;
}

template <typename Entry> Entry FindEntry(void* library, const char* name) {
  dlerror();
  void* address = dlsym(library, name);
  if (address == nullptr) {
    throw EModuleError(std::string("the module has no entry point ") + name);
  }
  return reinterpret_cast<Entry>(address);
}

} // namespace

PluginModule::PluginModule(const std::string& path) {
  library_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library_ == nullptr) throw EModuleError("cannot load " + path + ": " + LoaderError());
  try {
    getData_ = FindEntry<GetDataEntry>(library_, "tsxGetData");
    leftClick_ = FindEntry<LeftClickEntry>(library_, "tsxOnLeftClick");
    rightClick_ = FindEntry<VoidEntry>(library_, "tsxOnRightClick");
    deactivate_ = FindEntry<VoidEntry>(library_, "tsxDeactivate");
    automation_ = reinterpret_cast<AutomationEntry>(dlsym(library_, "qmAutomation"));
  } catch (const EModuleError&) {
    dlclose(library_);
    throw;
  }
}

PluginModule::~PluginModule() { dlclose(library_); }

int PluginModule::GetData(void* block, int hostParam) { return getData_(block, hostParam); }
int PluginModule::LeftClick() { return leftClick_(); }
void PluginModule::RightClick() { rightClick_(); }
void PluginModule::Deactivate() { deactivate_(); }

int PluginModule::Automation(const std::string& command, std::string& reply) {
  // Large enough for a dump of the biggest window.
  std::vector<char> buffer(1 << 18);
  const int result = automation_(command.c_str(), buffer.data(), static_cast<int>(buffer.size()));
  reply = buffer.data();
  return result;
}

} // namespace qm::host
