#include "app/session.h"

#include "app/registration_block.h"

#include <exception>

namespace qm::host {

namespace {

// Runs `call`; reports an error raised towards the host instead of dying of it.
// What the host printed so far is flushed first, so that it comes before anything
// the plug-in writes (its messages go to standard error).
template <typename Call> bool Guarded(Call call, std::ostream& out) {
  out.flush();
  try {
    call();
    return true;
  } catch (const std::exception& error) {
    out << "host: the plug-in raised: " << error.what() << "\n";
  } catch (...) {
    out << "host: the plug-in raised something that is not a std::exception\n";
  }
  return false;
}

} // namespace

SessionOutcome RunSession(PluginModule& module, const std::vector<Command>& commands,
                          std::ostream& out) {
  SessionOutcome outcome;
  RegistrationBlock block = NewRegistrationBlock();
  int result = -1;
  const bool returned = Guarded([&] { result = module.GetData(block.data(), kHostParam); }, out);
  if (returned) {
    out << "tsxGetData: result " << result << "\n";
    for (const std::string& line : DescribeBlock(block))
      out << line << "\n";
  }
  if (!returned || result != 0) {
    out << "host: the plug-in is not registered; commands skipped\n";
    outcome.raised = !returned;
    return outcome;
  }
  outcome.registered = true;

  for (Command command : commands) {
    const char* word = CommandWord(command);
    bool ok = true;
    switch (command) {
    case Command::Click: {
      int clicked = 0;
      ok = Guarded([&] { clicked = module.LeftClick(); }, out);
      if (ok) out << word << ": result " << clicked << "\n";
      break;
    }
    case Command::RightClick:
      ok = Guarded([&] { module.RightClick(); }, out);
      if (ok) out << word << ": done\n";
      break;
    case Command::Deactivate:
      ok = Guarded([&] { module.Deactivate(); }, out);
      if (ok) out << word << ": done\n";
      break;
    }
    outcome.raised = outcome.raised || !ok;
  }
  return outcome;
}

} // namespace qm::host
