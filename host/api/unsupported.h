// The host functions that the stand-in exports but does not implement. Their
// definitions are generated from the host API name list (see export_list.h); each
// only logs the call.
#pragma once

#define QM_STANDIN_UNSUPPORTED_EXPORT extern "C" __attribute__((visibility("default")))

namespace qm::standin {

void RecordUnsupportedCall(const char* function);

} // namespace qm::standin
