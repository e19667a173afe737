#include "app/arguments.h"

#include <array>
#include <utility>

namespace qm::host {

namespace {

constexpr std::array<std::pair<const char*, Command>, 4> kCommands{{
    {"click", Command::Click},
    {"rightclick", Command::RightClick},
    {"deactivate", Command::Deactivate},
    {"auto", Command::Automation},
}};

} // namespace

const char* CommandWord(Command command) {
  for (const auto& [word, known] : kCommands) {
    if (known == command) return word;
  }
  return "?";
}

Invocation ParseArguments(const std::vector<std::string>& arguments) {
  Invocation invocation;
  if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
    invocation.help = true;
    return invocation;
  }
  if (arguments.empty() || arguments[0].empty()) throw EUsageError("no plug-in module given");
  if (arguments[0] == "--script") throw EUsageError("the plug-in module comes before --script");
  invocation.modulePath = arguments[0];
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == "--script") {
      if (++i == arguments.size()) throw EUsageError("--script needs the script file after it");
      if (!invocation.scriptPath.empty()) throw EUsageError("--script given twice");
      if (arguments[i].empty()) throw EUsageError("--script needs the script file after it");
      invocation.scriptPath = arguments[i];
      continue;
    }
    // "auto COMMAND" also works as one argument, as a script writes it most easily.
    if (arguments[i].starts_with("auto ")) {
      invocation.commands.push_back(Command::Automation);
      invocation.automation.push_back(arguments[i].substr(5));
      continue;
    }
    bool known = false;
    for (const auto& [word, command] : kCommands) {
      if (arguments[i] == word) {
        invocation.commands.push_back(command);
        known = true;
      }
    }
    if (!known) throw EUsageError("unknown command: " + arguments[i]);
    if (invocation.commands.back() == Command::Automation) {
      if (++i == arguments.size()) throw EUsageError("auto needs the automation command after it");
      invocation.automation.push_back(arguments[i]);
    }
  }
  // One source of steps: a script mixed with commands would leave their order to guess.
  if (!invocation.scriptPath.empty() && !invocation.commands.empty())
    throw EUsageError("give either commands or --script FILE, not both");
  return invocation;
}

} // namespace qm::host
