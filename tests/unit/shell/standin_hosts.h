// The stand-in host libraries built for the tests: the default one and its variants,
// loaded by path as a host process would hold its own API library.
#pragma once

#include <memory>
#include <string>

#include "loaded_library.h"
#include "standin_control.h"

namespace qm::test {

inline std::string StandinHostPath(const std::string& variant) {
  if (variant == "default") return QM_STANDIN_DEFAULT_HOST;
  return std::string(QM_STANDIN_HOSTS_DIR) + "/" + variant + "/tsxapi.dll";
}

// A stand-in host library in the process for the life of the object.
class StandinHost {
public:
  explicit StandinHost(const std::string& variant)
      : library_(std::make_unique<LoadedLibrary>(StandinHostPath(variant))) {
    control_ = library_->Function<standin::ControlEntry>(standin::kControlEntryName)();
    control_->Reset();
  }
  standin::Control& Control() const { return *control_; }

private:
  std::unique_ptr<LoadedLibrary> library_;
  standin::Control* control_ = nullptr;
};

} // namespace qm::test
