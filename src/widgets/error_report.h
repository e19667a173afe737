// The framework's default error report: what happens to an error that escapes an
// event handler started by the user.
#pragma once

#include <exception>
#include <utility>

#include "widgets/events.h"

namespace qm::widgets {

// Shows the error's message text, exactly as raised, in a modal message box
// through the dialog service.
void ReportError(const std::exception& error);
// The same for an error that is not a std::exception.
void ReportUnknownError();

// Runs `action` as the handling of one piece of user input: inside a
// DispatchScope, with any error it raises shown by the default error report
// instead of passed on.
template <class Action> void RunReportingErrors(Action&& action) {
  DispatchScope scope;
  try {
    std::forward<Action>(action)();
  } catch (const std::exception& error) {
    ReportError(error);
  } catch (...) {
    ReportUnknownError();
  }
}

} // namespace qm::widgets
