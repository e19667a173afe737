// How the stand-in defines the host functions that the plug-in uses.
//
// Each definition is written out by hand with QM_STANDIN_EXPORT and followed by
// QM_STANDIN_CHECK_SIGNATURE(name), which fails the build unless the function has
// exactly the type that QM_HOST_API_TYPED declares for it.
#pragma once

#include "shell/tsx_types.h"

#include <type_traits>

#define QM_STANDIN_EXPORT extern "C" __attribute__((visibility("default")))

namespace qm::standin::signature {
#define QM_STANDIN_SIGNATURE(name, result, params) using name = result(TSXAPI*) params;
QM_HOST_API_TYPED(QM_STANDIN_SIGNATURE)
#undef QM_STANDIN_SIGNATURE
} // namespace qm::standin::signature

#define QM_STANDIN_CHECK_SIGNATURE(name)                                                           \
  static_assert(std::is_same_v<decltype(&::name), ::qm::standin::signature::name>,                 \
                #name " must have the type that QM_HOST_API_TYPED declares")
