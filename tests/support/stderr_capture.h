// Captures what the process writes to standard error while it lives: the headless
// message boxes of a module loaded into the test appear there as "message: TEXT".
#pragma once

#include <string>
#include <vector>

namespace qm::test {

class StderrCapture {
public:
  StderrCapture();
  ~StderrCapture();
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  // Everything written so far.
  std::string Text() const;
  // The texts of the "message: " lines written so far, in order, still escaped.
  std::vector<std::string> Messages() const;

private:
  int savedFd_ = -1;
  int captureFd_ = -1;
};

} // namespace qm::test
