// One run of the host with a plug-in: registration, then the commands in order.
// Every call into the plug-in is guarded: an error the plug-in raises towards the
// host is reported and the run goes on, as a host survives its plug-ins.
#pragma once

#include "app/arguments.h"
#include "app/plugin_module.h"

#include <ostream>
#include <string>
#include <vector>

namespace qm::host {

// The value passed as tsxGetData's second argument.
inline constexpr int kHostParam = 0;

struct SessionOutcome {
  bool registered = false; // tsxGetData answered 0
  bool raised = false;     // some entry point raised an error
};

// Registers the plug-in (tsxGetData) and, if it accepts, runs `commands`,
// writing what happens to `out`. `automation` holds the text of each Automation
// command, in order; its reply is printed under the result, each line indented.
SessionOutcome RunSession(PluginModule& module, const std::vector<Command>& commands,
                          std::ostream& out, const std::vector<std::string>& automation = {});

} // namespace qm::host
