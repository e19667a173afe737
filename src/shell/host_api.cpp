#include "shell/host_api.h"

#include <cstdio>
#include <string>

namespace qm {

#define QM_HOST_FN_DEFINE(name) HostFnType<HostFn::name>::type name = nullptr;
QM_HOST_API_ALL(QM_HOST_FN_DEFINE)
#undef QM_HOST_FN_DEFINE

platform::LibraryHandle HostApiLib = nullptr;

namespace {

constexpr const char* kHostApiLibraryName = "tsxapi.dll";

template <class Fn> void BindOne(platform::LibraryHandle library, Fn& variable, const char* name) {
  variable = reinterpret_cast<Fn>(GetHostProc(library, name));
}

// A missing function is no error for the user: it only lowers the level.
template <class BindNames> bool BindTier(BindNames bindNames) {
  try {
    bindNames();
    return true;
  } catch (...) {
    return false;
  }
}

} // namespace

#define QM_BIND_NAME(name) BindOne(library, name, #name);

bool BindApiTier300(platform::LibraryHandle library) {
  return BindTier([&] { QM_HOST_API_TIER300(QM_BIND_NAME) });
}
bool BindApiTier310(platform::LibraryHandle library) {
  return BindTier([&] { QM_HOST_API_TIER310(QM_BIND_NAME) });
}
bool BindApiTier320(platform::LibraryHandle library) {
  return BindTier([&] { QM_HOST_API_TIER320(QM_BIND_NAME) });
}
bool BindApiTier410(platform::LibraryHandle library) {
  return BindTier([&] { QM_HOST_API_TIER410(QM_BIND_NAME) });
}

#undef QM_BIND_NAME

void* GetHostProc(platform::LibraryHandle library, const char* name) {
  void* address = platform::FindSymbol(library, name);
  if (!address) {
    throw EtsxFunctionNotFound(std::string("A necessary API function(") + name +
                               ")\r\ncould not be found in " + kHostApiLibraryName);
  }
  return address;
}

std::uint16_t BindHostApi(platform::LibraryHandle library) {
  if (!BindApiTier300(library)) return kApiLevelNone;
  short version = 0;
  short revision = 0;
  tsxGetTsVersionNbrs(&version, &revision);
  if (version < 310 || !BindApiTier310(library)) return kApiLevel300;
  if (version < 320 || !BindApiTier320(library)) return kApiLevel310;
  if (version < 410 || !BindApiTier410(library)) return kApiLevel320;
  return kApiLevel410;
}

void RaiseHostApiLoadError(int code) {
  const std::string text = platform::SystemErrorText(code);
  char message[400];
  std::snprintf(message, sizeof message, "Error %d initializing tSX API in Plugin: %s", code,
                text.c_str());
  throw Exception(message);
}

std::uint16_t LoadHostApi() {
  ReleaseHostApi();
  platform::LibraryHandle library = platform::LoadLibraryByName(kHostApiLibraryName);
  if (!library) RaiseHostApiLoadError(platform::LastErrorCode());
  std::uint16_t level = kApiLevelNone;
  try {
    level = BindHostApi(library);
  } catch (...) {
    platform::ReleaseLibrary(library);
    throw;
  }
  HostApiLib = library;
  return level;
}

void RequireHostApi() {
  if (!HostApiLib) {
    throw Exception("The host API is not loaded: the host has not registered the plug-in");
  }
}

void ReleaseHostApi() {
  if (HostApiLib) {
    platform::ReleaseLibrary(HostApiLib);
    HostApiLib = nullptr;
  }
}

} // namespace qm
