// A shared library loaded by path for the length of a test, as a host loads it.
#pragma once

#include <string>

namespace qm::test {

class LoadedLibrary {
public:
  explicit LoadedLibrary(const std::string& path);
  ~LoadedLibrary();
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  // The address of an exported symbol; throws when it is missing.
  void* Symbol(const char* name) const;
  template <class Fn> Fn Function(const char* name) const {
    return reinterpret_cast<Fn>(Symbol(name));
  }
  // Unloads now (the destructor then does nothing). Returns true when the library
  // really left the process.
  bool Unload();

private:
  std::string path_;
  void* handle_ = nullptr;
};

// True when a library with this path or SONAME is in the process.
bool IsLoaded(const std::string& nameOrPath);

} // namespace qm::test
