// One run of the host with a plug-in: registration, then the commands in order.
// Every call into the plug-in is guarded: an error the plug-in raises towards the
// host is reported and the run goes on, as a host survives its plug-ins.
#pragma once

#include "app/arguments.h"
#include "app/plugin_module.h"

#include <ostream>
#include <vector>

namespace qm::host {

// The value passed as tsxGetData's second argument.
inline constexpr int kHostParam = 0;

struct SessionOutcome {
  bool registered = false; // tsxGetData answered 0
  bool raised = false;     // some entry point raised an error
};

// Registers the plug-in (tsxGetData) and, if it accepts, runs `commands`,
// writing what happens to `out`.
SessionOutcome RunSession(PluginModule& module, const std::vector<Command>& commands,
                          std::ostream& out);

} // namespace qm::host
