// The module's automation entry point: scripts, tests and assistive tools drive and
// read the plug-in's windows through it (docs/automation.md).
#pragma once

#include <string_view>

extern "C" {
// Carries out one automation command. Answers 0 when it was carried out, non-zero
// when it was refused or failed, with the answer or the reason in `reply`: always
// NUL-terminated and cut to `replySize` bytes. A null reply buffer or a size below 1
// is refused (kAutomationBadArguments) without writing anything.
int qmAutomation(const char* command, char* reply, int replySize);
}

namespace qm {

// The answer for arguments that leave nowhere to write or nothing to do.
inline constexpr int kAutomationBadArguments = 1;

// Copies `text` into `buffer` of `size` bytes (size >= 1), cut to fit, always
// NUL-terminated. Returns the number of characters copied.
int CopyReply(std::string_view text, char* buffer, int size);

} // namespace qm
