// qmhost: the stand-in host program. It is linked against tsxapi.dll, so the host
// library is in the process before any plug-in is loaded, and a plug-in's
// dlopen("tsxapi.dll") finds it by its SONAME.
//
//   qmhost MODULE [click|rightclick|deactivate|auto COMMAND]...
//
// Exit status: 0 when the plug-in registered and no entry point raised an error,
// 1 when it could not be loaded, declined, or raised; 2 for a bad command line.
#include "api/standin_control.h"
#include "app/arguments.h"
#include "app/plugin_module.h"
#include "app/session.h"

#include <exception>
#include <iostream>
#include <optional>

int main(int argc, char** argv) {
  using namespace qm::host;
  Invocation invocation;
  try {
    invocation = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const EUsageError& error) {
    std::cerr << "qmhost: " << error.what() << "\n" << kUsage;
    return 2;
  }
  if (invocation.help) {
    std::cout << kUsage;
    return 0;
  }

  std::cout << "host: tsxapi.dll version " << qmStandinControl()->Version() << "\n";
  SessionOutcome outcome;
  try {
    std::optional<PluginModule> module;
    module.emplace(invocation.modulePath);
    std::cout << "host: loaded " << invocation.modulePath << std::endl;
    outcome = RunSession(*module, invocation.commands, std::cout, invocation.automation);
    module.reset();
    std::cout << "host: unloaded " << invocation.modulePath << std::endl;
  } catch (const EModuleError& error) {
    std::cout << "host: " << error.what() << std::endl;
    return 1;
  }
  return outcome.registered && !outcome.raised ? 0 : 1;
}
