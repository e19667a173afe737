// This plug-in's handlers in the host record's slots.
#include "shell/host_api.h"
#include "shell/plugin_host.h"
#include "ui/show_panel.h"

namespace qm {
namespace {

void OnGetData(std::int32_t& result) {
  PluginHost->PluginName = "Quillmere";
  PluginHost->PluginAuthor = "Ardwynne";
  PluginHost->InfoValue1 = 2;
  PluginHost->InfoValue2 = 2;
  result = 0;
}

void OnLeftClick(std::int32_t& result) {
  RequireHostApi();
  ShowControlPanel();
  result = 0;
}

void OnProcessAttach() { PluginHost->RequiredVersion = 310; }

void Nothing() {}

} // namespace

void InstallPluginHandlers(TtSXPluginHost& host) {
  host.OnGetData = OnGetData;
  host.OnLeftClick = OnLeftClick;
  host.OnRightClick = Nothing;
  host.OnDeactivate = Nothing;
  host.OnProcessAttach = OnProcessAttach;
  host.OnProcessDetach = Nothing;
  host.OnThreadAttach = Nothing;
  host.OnThreadDetach = Nothing;
}

} // namespace qm
