#include "loaded_library.h"

#include <dlfcn.h>

#include <stdexcept>

namespace qm::test {

LoadedLibrary::LoadedLibrary(const std::string& path) : path_(path) {
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) throw std::runtime_error("cannot load " + path + ": " + dlerror());
}

LoadedLibrary::~LoadedLibrary() { Unload(); }

void* LoadedLibrary::Symbol(const char* name) const {
  void* address = dlsym(handle_, name);
  if (!address) throw std::runtime_error(std::string("no symbol ") + name + " in " + path_);
  return address;
}

bool LoadedLibrary::Unload() {
  if (!handle_) return true;
  dlclose(handle_);
  handle_ = nullptr;
  return !IsLoaded(path_);
}

bool IsLoaded(const std::string& nameOrPath) {
  void* handle = dlopen(nameOrPath.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (!handle) return false;
  dlclose(handle);
  return true;
}

} // namespace qm::test
