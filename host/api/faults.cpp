#include "api/faults.h"

namespace qm::standin {

bool IsTypedHostFunction(std::string_view name) {
#define QM_TYPED_NAME(function, result, params) #function,
  static constexpr std::string_view kNames[] = {QM_HOST_API_TYPED(QM_TYPED_NAME)};
#undef QM_TYPED_NAME
  for (std::string_view typed : kNames) {
    if (typed == name) return true;
  }
  return false;
}

void FaultTable::Arm(const std::string& function, FaultSpec fault) {
  if (!IsTypedHostFunction(function)) {
    throw EStandinError("no fault can be injected into " + function +
                        ": the stand-in host does not implement it");
  }
  if (fault.skipCalls < 0) throw EStandinError("a fault cannot skip a negative number of calls");
  armed_[function] = Armed{fault, 0};
}

void FaultTable::Clear() {
  armed_.clear();
  longNameFault = false;
}

std::optional<FaultAction> FaultTable::OnCall(std::string_view function) {
  const auto found = armed_.find(function);
  if (found == armed_.end()) return std::nullopt;
  Armed& armed = found->second;
  if (armed.callsSeen++ < armed.fault.skipCalls) return std::nullopt;
  const FaultAction action = armed.fault.action;
  if (!armed.fault.everyCall) armed_.erase(found);
  return action;
}

} // namespace qm::standin
