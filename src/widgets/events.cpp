#include "widgets/events.h"

#include <vector>

#include "widgets/module_state.h"

namespace qm::widgets {
namespace {

struct DispatchState {
  int depth = 0;
  std::vector<std::function<void()>> idleTasks;
};

ModuleState<DispatchState> dispatchState;

DispatchState& State() { return dispatchState.Get(); }

} // namespace

DispatchScope::DispatchScope() { ++State().depth; }

DispatchScope::~DispatchScope() {
  DispatchState& state = State();
  if (--state.depth > 0) return;
  // Tasks run with no scope open, so a task that queues another runs it at once.
  std::vector<std::function<void()>> tasks;
  tasks.swap(state.idleTasks);
  for (auto& task : tasks)
    task();
}

bool InsideDispatch() { return State().depth > 0; }

void RunWhenIdle(std::function<void()> task) {
  if (InsideDispatch()) {
    State().idleTasks.push_back(std::move(task));
  } else {
    task();
  }
}

void Fire(const Event& event) {
  if (!event) return;
  DispatchScope scope;
  Event handler = event; // survives the handler clearing or replacing its slot
  handler();
}

} // namespace qm::widgets
