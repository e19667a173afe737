// The log of host API calls, and the pure formatting of their arguments.
#pragma once

#include "api/standin_control.h"

#include <string>
#include <vector>

namespace qm::standin {

class CallLog {
public:
  void Append(CallRecord record) { records_.push_back(std::move(record)); }
  const std::vector<CallRecord>& Records() const { return records_; }
  void Clear() { records_.clear(); }

private:
  std::vector<CallRecord> records_;
};

// Argument and result texts of the log.
std::string FormatNumber(float value); // shortest text that reads back as the same float
std::string FormatNumber(int value);
std::string FormatVector(const tsxVec3f& value);               // "(1, 2.5, -3)"
std::string FormatVector(const tsxVec3f* value);               // the vector, or "null"
std::string FormatText(const char* text);                      // "\"text\"" or "null"
std::string FormatOut(const void* place);                      // "out" or "null"
std::string FormatList(const std::vector<std::string>& items); // "a, b, c"

} // namespace qm::standin
