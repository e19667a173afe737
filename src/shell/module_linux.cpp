// The module's life on Linux. The loader runs the start-up when it maps the module
// and the process-detach notification when it unmaps it (dlclose or process exit).
// Linux sends no thread notifications to libraries, so codes 2 and 3 are never
// issued here.
//
// An error raised again by a notification cannot travel through the loader: the
// message has been shown by then, and the error ends at this boundary.
#include "shell/plugin_host.h"

namespace {

__attribute__((constructor)) void ModuleAttach() {
  try {
    qm::ModuleStartup();
  } catch (...) {
  }
}

__attribute__((destructor)) void ModuleDetach() {
  try {
    qm::PluginModuleNotify(qm::kNotifyProcessDetach);
  } catch (...) {
  }
}

} // namespace
