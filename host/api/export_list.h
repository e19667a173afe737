// The stand-in host's export set, drawn from the one host API name list: the
// linker version script of a library variant and the source of the stubs for the
// functions the stand-in does not implement. Used by the build-time generator
// (export_list_main.cpp).
#pragma once

#include <string>
#include <vector>

namespace qm::standin {

// All host API names, tier by tier, in binding order.
std::vector<std::string> HostApiNames();
// The names that QM_HOST_API_TYPED declares: the functions the stand-in implements.
std::vector<std::string> TypedHostApiNames();

// A version script that exports every host API name except `omitted`, and the
// control interface entry, and keeps everything else local. Throws EStandinError
// for an omitted name that is not in the list.
std::string VersionScript(const std::vector<std::string>& omitted);

// C++ source defining, for each name that is not typed, `void name(void)` that logs
// an unsupported call. Throws EStandinError when a typed name is not in the list.
std::string UnsupportedStubsSource();

} // namespace qm::standin
