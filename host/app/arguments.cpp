#include "app/arguments.h"

#include <array>
#include <utility>

namespace qm::host {

namespace {

constexpr std::array<std::pair<const char*, Command>, 3> kCommands{{
    {"click", Command::Click},
    {"rightclick", Command::RightClick},
    {"deactivate", Command::Deactivate},
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
  invocation.modulePath = arguments[0];
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    bool known = false;
    for (const auto& [word, command] : kCommands) {
      if (arguments[i] == word) {
        invocation.commands.push_back(command);
        known = true;
      }
    }
    if (!known) throw EUsageError("unknown command: " + arguments[i]);
  }
  return invocation;
}

} // namespace qm::host
