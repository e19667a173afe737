// Event handler slots and the bookkeeping around running them.
#pragma once

#include <functional>

namespace qm::widgets {

// A handler slot: empty until the form's code assigns a handler.
using Event = std::function<void()>;

// Marks the run of event handlers. Handlers often end the life of the form they
// belong to (an Exit command closes its own window), so work that must wait until
// no handler is on the stack any more (freeing a form) waits for the outermost
// scope to end; see RunWhenIdle.
class DispatchScope {
public:
  DispatchScope();
  ~DispatchScope();
  DispatchScope(const DispatchScope&) = delete;
  DispatchScope& operator=(const DispatchScope&) = delete;
};

// True while any handler runs.
bool InsideDispatch();

// Runs `task` at once when no handler runs, else as soon as the outermost
// DispatchScope ends. Tasks run in the order they were given.
void RunWhenIdle(std::function<void()> task);

// Runs the slot's handler, if any, inside a DispatchScope. Errors pass to the
// caller. The handler may reassign or clear its own slot while it runs.
void Fire(const Event& event);

} // namespace qm::widgets
