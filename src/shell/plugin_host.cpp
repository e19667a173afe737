#include "shell/plugin_host.h"

#include <exception>

#include "platform/exception.h"
#include "platform/fpu.h"
#include "shell/host_api.h"
#include "shell/messages.h"
#include "shell/tool_forms.h"
#include "widgets/dialogs.h"
#include "widgets/module_state.h"

namespace qm {

TtSXPluginHost* PluginHost = nullptr;

TtSXPluginHost::~TtSXPluginHost() { DestroyRecordedForms(FormList); }

void MaskFPUExceptions() { platform::LoadFpuControlWord(platform::kMaskedExtendedControlWord); }

namespace {

ErrorDescription DescribeCurrentError() {
  try {
    throw;
  } catch (const std::exception& error) {
    return DescribeError(error);
  } catch (...) {
    return DescribeUnknownError();
  }
}

std::string CurrentPluginName() { return PluginHost ? PluginHost->PluginName : std::string(); }

void RunSlot(PlainHandler handler) {
  if (handler) handler();
}

void ProcessDetach() {
  RunSlot(PluginHost->OnProcessDetach);
  // The API library goes first, so no window torn down below can reach the host.
  ReleaseHostApi();
  delete PluginHost;
  PluginHost = nullptr;
  // Last: the windows are gone, and the module may be unmapped next.
  widgets::ReleaseModuleState();
}

} // namespace

void ShowEntryPointError() {
  const ErrorDescription error = DescribeCurrentError();
  widgets::ShowMessage(EntryPointErrorMessage(CurrentPluginName(), error.typeName, error.message));
}

void PluginModuleNotify(std::int32_t code) {
  if (code == kNotifyCreateHost) {
    PluginHost = new TtSXPluginHost;
    return;
  }
  if (code < kNotifyProcessDetach || code > kNotifyThreadDetach || !PluginHost) return;
  try {
    switch (code) {
    case kNotifyProcessAttach: RunSlot(PluginHost->OnProcessAttach); break;
    case kNotifyThreadAttach: RunSlot(PluginHost->OnThreadAttach); break;
    case kNotifyThreadDetach: RunSlot(PluginHost->OnThreadDetach); break;
    case kNotifyProcessDetach: ProcessDetach(); break;
    }
  } catch (...) {
    const ErrorDescription error = DescribeCurrentError();
    widgets::ShowMessage(
        NotificationErrorMessage(code, CurrentPluginName(), error.typeName, error.message));
    throw;
  }
}

void ModuleStartup() {
  PluginModuleNotify(kNotifyCreateHost);
  InstallPluginHandlers(*PluginHost);
  PluginModuleNotify(kNotifyProcessAttach);
}

} // namespace qm
