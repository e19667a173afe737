// Compiled once per library variant, with that variant's version.
#include "api/host.h"

#ifndef QM_STANDIN_VERSION
#error "QM_STANDIN_VERSION must be set to the host version that this library reports"
#endif

namespace qm::standin {

int StandinVersion() { return QM_STANDIN_VERSION; }

} // namespace qm::standin
