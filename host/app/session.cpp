#include "app/session.h"

#include "app/registration_block.h"

#include <algorithm>
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
                          std::ostream& out, const std::vector<std::string>& automation) {
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

  std::size_t nextAutomation = 0;
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
    case Command::Automation: {
      const std::string text =
          nextAutomation < automation.size() ? automation[nextAutomation] : std::string();
      ++nextAutomation;
      if (!module.HasAutomation()) {
        out << word << " " << text << ": the plug-in has no qmAutomation\n";
        break;
      }
      int answer = 0;
      std::string reply;
      ok = Guarded([&] { answer = module.Automation(text, reply); }, out);
      if (!ok) break;
      out << word << " " << text << ": result " << answer << "\n";
      // The reply's lines, indented, so that they never read as qmhost's own.
      std::size_t start = 0;
      while (!reply.empty() && start <= reply.size()) {
        const std::size_t end = std::min(reply.find('\n', start), reply.size());
        out << "  " << reply.substr(start, end - start) << "\n";
        start = end + 1;
      }
      break;
    }
    }
    outcome.raised = outcome.raised || !ok;
  }
  return outcome;
}

} // namespace qm::host
