// qmhost's command line: the plug-in module to load and the commands to run on it,
// given one by one or as a scenario script (--script FILE).
#pragma once

#include "platform/exception.h"

#include <string>
#include <vector>

namespace qm::host {

// A command line that qmhost cannot run; the message says why.
QM_DECLARE_EXCEPTION(EUsageError, Exception);

enum class Command {
  Click,      // tsxOnLeftClick
  RightClick, // tsxOnRightClick
  Deactivate, // tsxDeactivate
  Automation, // qmAutomation with the argument that follows "auto"
};

struct Invocation {
  bool help = false;
  std::string modulePath;
  std::vector<Command> commands;
  // The text of each Automation command, in order: the argument after "auto"
  // (auto 'click Form1.Hide1'), or the rest of an argument that starts with "auto "
  // ('auto click Form1.Hide1').
  std::vector<std::string> automation;
  // The scenario script given with --script, which takes the place of commands.
  std::string scriptPath;
};

// Parses the arguments after the program name: MODULE [COMMAND...],
// MODULE --script FILE, or --help.
Invocation ParseArguments(const std::vector<std::string>& arguments);

// The command's word on the command line ("click").
const char* CommandWord(Command command);

inline constexpr const char* kUsage =
    "usage: qmhost MODULE [click|rightclick|deactivate|auto COMMAND]...\n"
    "       qmhost MODULE --script FILE\n"
    "       qmhost --help\n";

} // namespace qm::host
