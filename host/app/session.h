// One run of the host with a plug-in: registration, then the script's steps in
// order. Every call into the plug-in is guarded: an error the plug-in raises towards
// the host is reported and the run goes on, as a host survives its plug-ins. A step
// that cannot be carried out (a scene file that does not load, a node that is not
// there) or a check that does not hold stops the script: what follows would build
// on a state that is not the one the script expects.
#pragma once

#include "api/standin_control.h"
#include "app/plugin_module.h"
#include "app/script.h"

#include <ostream>

namespace qm::host {

// The value passed as tsxGetData's second argument.
inline constexpr int kHostParam = 0;

struct SessionOutcome {
  bool registered = false; // tsxGetData answered 0
  bool raised = false;     // some entry point raised an error
  bool failed = false;     // a step failed or a check did not hold; the script stopped there
};

// Registers the plug-in (tsxGetData) and, if it accepts, runs the script's steps,
// writing what happens to `out`: one line per step with its result, the lines it
// prints indented under it, and "host: WHERE: WHAT" for a step that fails. The
// steps that work on the scene use `host`.
SessionOutcome RunSession(PluginModule& module, const Script& script, standin::Control& host,
                          std::ostream& out);

} // namespace qm::host
