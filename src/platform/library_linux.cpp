#include <dlfcn.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/library.h"

namespace qm::platform {
namespace {

// Trivially destructible on purpose: a thread_local with a destructor would keep
// the module from ever being unloaded while the thread lives.
struct LoaderFailure {
  int code = 0;
  char text[512] = {};
};

thread_local LoaderFailure lastFailure;

bool EndsWith(const std::string& text, const char* suffix) {
  const std::size_t n = std::strlen(suffix);
  return n > 0 && text.size() >= n && text.compare(text.size() - n, n, suffix) == 0;
}

// dlerror() ends its message with strerror(errno) when a system call failed
// ("tsxapi.dll: cannot open shared object file: No such file or directory").
// Find that errno; a message without one is a file that is not loadable.
int CodeFromLoaderText(const std::string& text) {
  for (int code = 1; code < 134; ++code) {
    if (EndsWith(text, std::strerror(code))) return code;
  }
  return ENOEXEC;
}

void RecordFailure(const char* fallback) {
  const char* message = dlerror();
  std::snprintf(lastFailure.text, sizeof lastFailure.text, "%s", message ? message : fallback);
  lastFailure.code = CodeFromLoaderText(lastFailure.text);
}

std::string Tidy(std::string text) {
  if (text.size() > 256) text.resize(256);
  while (!text.empty()) {
    const unsigned char c = static_cast<unsigned char>(text.back());
    if (c <= ' ' || c == '.' || c == 0x7F) {
      text.pop_back();
    } else {
      break;
    }
  }
  return text;
}

} // namespace

LibraryHandle LoadLibraryByName(const char* bareName) {
  dlerror();
  void* handle = dlopen(bareName, RTLD_NOW | RTLD_LOCAL);
  if (!handle) RecordFailure("cannot load library");
  return handle;
}

void ReleaseLibrary(LibraryHandle library) {
  if (library) dlclose(library);
}

void* FindSymbol(LibraryHandle library, const char* name) {
  dlerror();
  void* address = dlsym(library, name);
  if (!address) RecordFailure("symbol not found");
  return address;
}

int LastErrorCode() { return lastFailure.code; }

std::string SystemErrorText(int code) {
  if (code != 0 && code == lastFailure.code && lastFailure.text[0] != 0) {
    return Tidy(lastFailure.text);
  }
  return Tidy(std::strerror(code));
}

} // namespace qm::platform
