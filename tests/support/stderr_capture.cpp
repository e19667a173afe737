#include "stderr_capture.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace qm::test {

StderrCapture::StderrCapture() {
  char path[] = "/tmp/qm-stderr-XXXXXX";
  captureFd_ = mkstemp(path);
  if (captureFd_ < 0) throw std::runtime_error("cannot create a capture file");
  unlink(path);
  std::fflush(stderr);
  savedFd_ = dup(STDERR_FILENO);
  dup2(captureFd_, STDERR_FILENO);
}

StderrCapture::~StderrCapture() {
  std::fflush(stderr);
  dup2(savedFd_, STDERR_FILENO);
  close(savedFd_);
  close(captureFd_);
}

std::string StderrCapture::Text() const {
  std::fflush(stderr);
  std::string text;
  char buffer[4096];
  off_t offset = 0;
  ssize_t n;
  while ((n = pread(captureFd_, buffer, sizeof buffer, offset)) > 0) {
    text.append(buffer, static_cast<std::size_t>(n));
    offset += n;
  }
  return text;
}

std::vector<std::string> StderrCapture::Messages() const {
  std::vector<std::string> messages;
  std::istringstream lines(Text());
  const std::string prefix = "message: ";
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(prefix, 0) == 0) messages.push_back(line.substr(prefix.size()));
  }
  return messages;
}

} // namespace qm::test
