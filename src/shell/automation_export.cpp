// The exported automation function around the widget model's command interpreter.
// Like every entry point it loads the floating-point control word first and lets no
// error out: the caller may be a script host that knows nothing of C++.
#include "shell/automation_export.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "shell/plugin_host.h"
#include "widgets/automation.h"

#define QM_EXPORT extern "C" __attribute__((visibility("default")))

namespace qm {

int CopyReply(std::string_view text, char* buffer, int size) {
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return static_cast<int>(count);
}

} // namespace qm

QM_EXPORT int qmAutomation(const char* command, char* reply, int replySize) {
  qm::MaskFPUExceptions();
  if (!reply || replySize < 1) return qm::kAutomationBadArguments;
  if (!command) {
    qm::CopyReply("no command given", reply, replySize);
    return qm::kAutomationBadArguments;
  }
  try {
    std::string answer;
    const int result = qm::widgets::RunAutomationCommand(command, answer);
    qm::CopyReply(answer, reply, replySize);
    return result;
  } catch (...) {
    // The interpreter raises nothing of its own; only running out of memory gets here.
    qm::CopyReply("the command could not be carried out", reply, replySize);
    return qm::kAutomationBadArguments;
  }
}
