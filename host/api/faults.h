// Faults that tests arm on named host functions, and the long-name misbehaviour
// of tsxGNodeGetName.
#pragma once

#include "api/standin_control.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qm::standin {

// True for the host functions that the plug-in uses, the only ones a fault can hit.
bool IsTypedHostFunction(std::string_view name);

class FaultTable {
public:
  // Throws EStandinError for a name that IsTypedHostFunction refuses or a
  // negative skip count.
  void Arm(const std::string& function, FaultSpec fault);
  void Clear();

  // Counts one call of `function` and tells whether a fault strikes it.
  std::optional<FaultAction> OnCall(std::string_view function);

  bool longNameFault = false;

private:
  struct Armed {
    FaultSpec fault;
    int callsSeen = 0;
  };
  std::map<std::string, Armed, std::less<>> armed_;
};

} // namespace qm::standin
