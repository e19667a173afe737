#include "platform/exception.h"

#include <new>

namespace qm {

ErrorDescription DescribeError(const std::exception& error) {
  if (const auto* own = dynamic_cast<const Exception*>(&error)) {
    return {own->ClassName(), own->Message()};
  }
  if (dynamic_cast<const std::bad_alloc*>(&error)) return {"EOutOfMemory", "Out of memory"};
  return {"EExternalException", error.what()};
}

ErrorDescription DescribeUnknownError() {
  return {"EExternalException", "External exception of an unknown type"};
}

} // namespace qm
