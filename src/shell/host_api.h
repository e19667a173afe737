// The binding of the host's API library. Every host function is called through a
// module-level function variable of the same name, bound by name at run time from
// tsxapi.dll in four tiers that follow the host's versions. The result of binding is
// the API level: 300, 310, 320 or 410, or 0 when even the base tier is incomplete.
#pragma once

#include <cstdint>

#include "platform/exception.h"
#include "platform/library.h"
#include "shell/host_api_names.h"
#include "shell/tsx_types.h"

namespace qm {

// One tag per host function, in binding order.
enum class HostFn {
#define QM_HOST_FN_TAG(name) name,
  QM_HOST_API_ALL(QM_HOST_FN_TAG)
#undef QM_HOST_FN_TAG
};

// The type of each function variable: the declared signature for the functions we
// call, the generic procedure type for the rest.
template <HostFn> struct HostFnType { using type = tsxProc; };
#define QM_HOST_FN_TYPE(name, result, params)                                                      \
  template <> struct HostFnType<HostFn::name> { using type = result(TSXAPI*) params; };
QM_HOST_API_TYPED(QM_HOST_FN_TYPE)
#undef QM_HOST_FN_TYPE

// The function variables. They start empty and keep their addresses when the
// library is released; nothing may call them between a release and the next load.
#define QM_HOST_FN_VARIABLE(name) extern HostFnType<HostFn::name>::type name;
QM_HOST_API_ALL(QM_HOST_FN_VARIABLE)
#undef QM_HOST_FN_VARIABLE

// Raised when tsxapi.dll does not export a function that a tier needs.
QM_DECLARE_EXCEPTION(EtsxFunctionNotFound, Exception);

// API levels.
inline constexpr std::uint16_t kApiLevelNone = 0;
inline constexpr std::uint16_t kApiLevel300 = 300;
inline constexpr std::uint16_t kApiLevel310 = 310;
inline constexpr std::uint16_t kApiLevel320 = 320;
inline constexpr std::uint16_t kApiLevel410 = 410;

// The handle of the loaded tsxapi.dll, null while it is not loaded.
extern platform::LibraryHandle HostApiLib;

// Releases any earlier load, loads tsxapi.dll by bare name and binds it. Returns the
// API level. Raises the load error when the library cannot be loaded; an error while
// binding releases the library and travels on.
std::uint16_t LoadHostApi();

// Releases the library if it is loaded.
void ReleaseHostApi();

// Raises an error unless the library is loaded: a host that calls the plug-in before
// registering it, or after a refused registration, gets a report, not a crash.
void RequireHostApi();

// Binds the tiers in order and returns the level reached.
std::uint16_t BindHostApi(platform::LibraryHandle library);

// Each binds its tier's names in order and answers true when all were found. The
// first name that is missing stops the tier: the names before it keep their new
// addresses, the rest keep what they held.
bool BindApiTier300(platform::LibraryHandle library);
bool BindApiTier310(platform::LibraryHandle library);
bool BindApiTier320(platform::LibraryHandle library);
bool BindApiTier410(platform::LibraryHandle library);

// The exported address of `name`; raises EtsxFunctionNotFound when there is none.
void* GetHostProc(platform::LibraryHandle library, const char* name);

// Raises the load error for an OS error `code`; never returns.
[[noreturn]] void RaiseHostApiLoadError(int code);

} // namespace qm
