// qmhost: the stand-in host program. It is linked against tsxapi.dll, so the host
// library is in the process before any plug-in is loaded, and a plug-in's
// dlopen("tsxapi.dll") finds it by its SONAME.
//
//   qmhost MODULE [click|rightclick|deactivate|auto COMMAND]...
//   qmhost MODULE --script FILE
//
// Exit status: 0 when the plug-in registered, no entry point raised an error and
// every step of the script went through; 1 when the module could not be loaded,
// declined, or raised, or a step failed or a check did not hold; 2 for a bad
// command line or a script that cannot be read or parsed (then nothing has run).
#include "api/standin_control.h"
#include "app/arguments.h"
#include "app/plugin_module.h"
#include "app/script.h"
#include "app/session.h"

#include <exception>
#include <iostream>
#include <optional>

int main(int argc, char** argv) {
  using namespace qm::host;
  Invocation invocation;
  Script script;
  try {
    invocation = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (invocation.help) {
      std::cout << kUsage;
      return 0;
    }
    script = invocation.scriptPath.empty()
                 ? ScriptFromCommands(invocation.commands, invocation.automation)
                 : ReadScript(invocation.scriptPath);
  } catch (const EUsageError& error) {
    std::cerr << "qmhost: " << error.what() << "\n" << kUsage;
    return 2;
  } catch (const EScriptError& error) {
    std::cerr << "qmhost: " << error.what() << "\n";
    return 2;
  }

  qm::standin::Control& host = *qmStandinControl();
  std::cout << "host: tsxapi.dll version " << host.Version() << "\n";
  SessionOutcome outcome;
  try {
    std::optional<PluginModule> module;
    module.emplace(invocation.modulePath);
    std::cout << "host: loaded " << invocation.modulePath << std::endl;
    outcome = RunSession(*module, script, host, std::cout);
    module.reset();
    std::cout << "host: unloaded " << invocation.modulePath << std::endl;
  } catch (const EModuleError& error) {
    std::cout << "host: " << error.what() << std::endl;
    return 1;
  }
  return outcome.registered && !outcome.raised && !outcome.failed ? 0 : 1;
}
