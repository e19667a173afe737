// The automation command interpreter: drives and reads the forms as a user would,
// by the forms' and controls' component names. It is pure model work: it makes no
// host call of its own beyond what the clicked controls' handlers do.
// docs/automation.md is the reference of the commands.
#pragma once

#include <string>
#include <string_view>

namespace qm::widgets {

// Answers of RunAutomationCommand.
inline constexpr int kAutomationDone = 0;
// The command was not understood or names nothing: unknown command, form, control
// or property, a value that is not a number, a control of the wrong kind.
inline constexpr int kAutomationNotUnderstood = 1;
// Understood, but the window refused it as it would refuse a user: a disabled or
// hidden control, a form that is not shown, a read-only field, a missing entry.
inline constexpr int kAutomationRefused = 2;

// Carries out one command line. `reply` receives the answer, or the reason when
// the result is not kAutomationDone. Never raises.
int RunAutomationCommand(std::string_view command, std::string& reply);

} // namespace qm::widgets
