// The four functions that the host calls. Each catches every error and shows it in
// the fixed report; tsxGetData then answers -1, the other three raise the error again
// towards the host (see docs/host-api.md for how it travels on each platform).
#include <cstdint>

#include "platform/exception.h"
#include "shell/entry_points.h"
#include "shell/host_api.h"
#include "shell/messages.h"
#include "shell/plugin_host.h"
#include "shell/registration_block.h"
#include "widgets/dialogs.h"

#define QM_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr std::size_t kMaxPluginNameChars = qm::kPluginNameField - 1;
constexpr std::size_t kMaxPluginAuthorChars = qm::kPluginAuthorField - 1;

qm::TtSXPluginHost& Host() {
  if (!qm::PluginHost) throw qm::Exception("The plug-in has not been started by its module");
  return *qm::PluginHost;
}

std::int32_t GetData(unsigned char* block, std::int32_t hostParam) {
  std::int32_t result = 0;
  qm::MaskFPUExceptions();
  qm::TtSXPluginHost& host = Host();
  const std::uint16_t level = qm::LoadHostApi();
  if (level < host.RequiredVersion) {
    result = -1;
    qm::widgets::ShowMessage(qm::VersionMessage(host.RequiredVersion, level));
    qm::ReleaseHostApi();
    return result;
  }
  if (!block) throw qm::Exception("The host passed no registration block");
  host.HostParam = hostParam;
  if (host.OnGetData) host.OnGetData(result);
  host.PluginName = qm::FirstChars(host.PluginName, kMaxPluginNameChars);
  host.PluginAuthor = qm::FirstChars(host.PluginAuthor, kMaxPluginAuthorChars);
  qm::WriteRegistrationBlock(block, host.PluginName, host.PluginAuthor,
                             static_cast<std::uint16_t>(host.InfoValue1),
                             static_cast<std::uint16_t>(host.InfoValue2));
  return result;
}

// Runs an entry point's work; an error is shown in the fixed report and then raised
// again towards the host.
template <class Work> auto ReportedAndRaisedAgain(Work work) {
  try {
    return work();
  } catch (...) {
    qm::ShowEntryPointError();
    throw;
  }
}

} // namespace

QM_EXPORT std::int32_t tsxGetData(void* block, std::int32_t hostParam) {
  try {
    return GetData(static_cast<unsigned char*>(block), hostParam);
  } catch (...) {
    qm::ShowEntryPointError();
    return -1;
  }
}

QM_EXPORT std::int32_t tsxOnLeftClick() {
  return ReportedAndRaisedAgain([] {
    std::int32_t result = 0;
    qm::MaskFPUExceptions();
    qm::TtSXPluginHost& host = Host();
    if (host.OnLeftClick) host.OnLeftClick(result);
    if (result == 0) host.ActiveState = 2;
    if (result == 1) host.ActiveState = 0;
    return result;
  });
}

QM_EXPORT void tsxOnRightClick() {
  ReportedAndRaisedAgain([] {
    qm::MaskFPUExceptions();
    if (qm::PluginHost && qm::PluginHost->OnRightClick) qm::PluginHost->OnRightClick();
  });
}

QM_EXPORT void tsxDeactivate() {
  ReportedAndRaisedAgain([] {
    qm::MaskFPUExceptions();
    if (!qm::PluginHost) return;
    qm::PluginHost->ActiveState = 1;
    if (qm::PluginHost->OnDeactivate) qm::PluginHost->OnDeactivate();
  });
}
