#include "widgets/module_state.h"

namespace qm::widgets {
namespace {

detail::StateLink* newest = nullptr;

} // namespace

void detail::LinkModuleState(StateLink* link) {
  link->next = newest;
  newest = link;
}

void ReleaseModuleState() {
  while (detail::StateLink* link = newest) {
    newest = link->next;
    link->release(link->state);
  }
}

} // namespace qm::widgets
