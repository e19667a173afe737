#include "api/unsupported.h"

#include "api/host.h"

namespace qm::standin {

void RecordUnsupportedCall(const char* function) {
  CallRecord record;
  record.function = function;
  record.status = CallStatus::NotSupported;
  record.note = "the stand-in host does not implement it";
  TheHost().log.Append(std::move(record));
}

} // namespace qm::standin
