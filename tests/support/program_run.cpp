#include "program_run.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace qm::test {

ProgramRun RunProgram(const std::string& commandLine) {
  ProgramRun run;
  FILE* pipe = popen(commandLine.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 512> chunk;
  while (std::fgets(chunk.data(), chunk.size(), pipe) != nullptr)
    run.output += chunk.data();
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

} // namespace qm::test
