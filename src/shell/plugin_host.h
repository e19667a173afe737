// The host record: the single object through which the exported entry points reach
// this plug-in's handlers, with the registration data and the list of tool windows
// shown. It exists from process attach to process detach.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

namespace widgets {
class Form;
}

// A tool window recorded when it was shown: its component name and the form. The
// list does not own the forms; the record destroys those still alive at teardown.
struct FormListEntry {
  std::string name;
  widgets::Form* form = nullptr;
};

using ResultHandler = void (*)(std::int32_t& result);
using PlainHandler = void (*)();

class TtSXPluginHost {
public:
  TtSXPluginHost() = default;
  // Destroys the recorded tool windows that are still alive, each once.
  ~TtSXPluginHost();
  TtSXPluginHost(const TtSXPluginHost&) = delete;
  TtSXPluginHost& operator=(const TtSXPluginHost&) = delete;

  std::int32_t HostParam = 0;
  std::string PluginName;
  std::string PluginAuthor;
  std::int16_t InfoValue1 = 0;
  std::int16_t InfoValue2 = 0;
  std::int8_t ActiveState = 1;
  std::uint16_t RequiredVersion = 320;
  std::vector<FormListEntry> FormList;

  // Handler slots; an empty slot means that nothing is done.
  ResultHandler OnGetData = nullptr;
  ResultHandler OnLeftClick = nullptr;
  PlainHandler OnRightClick = nullptr;
  PlainHandler OnDeactivate = nullptr;
  PlainHandler OnProcessAttach = nullptr;
  PlainHandler OnProcessDetach = nullptr;
  PlainHandler OnThreadAttach = nullptr;
  PlainHandler OnThreadDetach = nullptr;
};

// The one host record, null before process attach and after process detach.
extern TtSXPluginHost* PluginHost;

// Module notification codes: the OS's reasons for a library, and our own 99.
inline constexpr std::int32_t kNotifyProcessDetach = 0;
inline constexpr std::int32_t kNotifyProcessAttach = 1;
inline constexpr std::int32_t kNotifyThreadAttach = 2;
inline constexpr std::int32_t kNotifyThreadDetach = 3;
inline constexpr std::int32_t kNotifyCreateHost = 99;

// 99 creates the host record; 1, 2 and 3 run the attach and thread handlers; 0 runs
// the detach handler, releases the host API and destroys the record. An error in
// codes 0 to 3 is shown to the user and raised again; at detach the record is then
// kept.
void PluginModuleNotify(std::int32_t code);

// Loads the floating-point control word that the plug-in's arithmetic relies on:
// all exceptions masked, 64-bit precision, round to nearest.
void MaskFPUExceptions();

// Shows the report of the error being handled (call inside a catch block) in the
// fixed message of the entry points.
void ShowEntryPointError();

// Fills the record's handler slots with this plug-in's handlers.
void InstallPluginHandlers(TtSXPluginHost& host);

// The start-up the module runs when the OS attaches it: create the record, install
// the handlers, run the attach notification.
void ModuleStartup();

} // namespace qm
