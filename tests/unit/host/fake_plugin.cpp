// A minimal plug-in module for qmhost's tests. It reaches the host library the way
// the real plug-in does, by the bare name "tsxapi.dll" (RTLD_NOLOAD: it must
// already be in the process), and reports the host version it found as its first
// registration value. Its right click raises an error towards the host.
#include "shell/tsx_types.h"

#include <dlfcn.h>

#include <cstring>
#include <stdexcept>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// The host function `name` of the tsxapi.dll in the process, or null.
template <typename Function> Function* HostFunction(const char* name) {
  void* api = dlopen("tsxapi.dll", RTLD_NOW | RTLD_NOLOAD);
  if (api == nullptr) return nullptr;
  auto* function = reinterpret_cast<Function*>(dlsym(api, name));
  dlclose(api); // the host keeps its own reference
  return function;
}

short HostVersion() {
  auto* get = HostFunction<void(short*, short*)>("tsxGetTsVersionNbrs");
  if (get == nullptr) return -1;
  short version = 0, revision = 0;
  get(&version, &revision);
  return version;
}

} // namespace

FAKE_EXPORT int tsxGetData(void* block, int /*hostParam*/) {
  const short version = HostVersion();
  if (version < 310) return -1;
  auto* bytes = static_cast<unsigned char*>(block);
  std::memcpy(bytes, "FakePlugin", 11);
  std::memcpy(bytes + 32, "Tester", 7);
  bytes[96] = static_cast<unsigned char>(version & 0xFF);
  bytes[97] = static_cast<unsigned char>(version >> 8);
  bytes[98] = 7;
  bytes[99] = 0;
  return 0;
}

// Answers 0 when the host lends a main view window, as a plug-in needs one.
FAKE_EXPORT int tsxOnLeftClick(void) {
  auto* window = HostFunction<tsxHWND()>("tsxGetMainViewHwnd");
  return window != nullptr && window() != nullptr ? 0 : 1;
}

FAKE_EXPORT void tsxOnRightClick(void) { throw std::runtime_error("right click refused"); }

FAKE_EXPORT void tsxDeactivate(void) {}
