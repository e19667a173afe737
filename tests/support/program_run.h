// Runs a shell command line and keeps what it printed and how it ended.
#pragma once

#include <string>

namespace qm::test {

struct ProgramRun {
  std::string output; // standard output, and whatever the command line sends there
  int status = -1;    // the exit status; -1 when the program did not exit normally
};

ProgramRun RunProgram(const std::string& commandLine);

} // namespace qm::test
