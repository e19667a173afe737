#include "api/export_list.h"

#include "api/standin_control.h"
#include "shell/host_api_names.h"
#include "shell/tsx_types.h"

#include <algorithm>

namespace qm::standin {

namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

std::vector<std::string> HostApiNames() {
#define QM_NAME(name) #name,
  return {QM_HOST_API_ALL(QM_NAME)};
#undef QM_NAME
}

std::vector<std::string> TypedHostApiNames() {
#define QM_TYPED_NAME(name, result, params) #name,
  return {QM_HOST_API_TYPED(QM_TYPED_NAME)};
#undef QM_TYPED_NAME
}

std::string VersionScript(const std::vector<std::string>& omitted) {
  const std::vector<std::string> all = HostApiNames();
  for (const std::string& name : omitted) {
    if (!Contains(all, name)) throw EStandinError(name + " is not a host API name");
  }
  std::string script = "/* Generated from the host API name list. */\n{\n  global:\n";
  for (const std::string& name : all) {
    if (!Contains(omitted, name)) script += "    " + name + ";\n";
  }
  script += std::string("    ") + kControlEntryName + ";\n  local:\n    *;\n};\n";
  return script;
}

std::string UnsupportedStubsSource() {
  const std::vector<std::string> all = HostApiNames();
  const std::vector<std::string> typed = TypedHostApiNames();
  for (const std::string& name : typed) {
    if (!Contains(all, name)) throw EStandinError(name + " is typed but not a host API name");
  }
  std::string source = "// Generated from the host API name list: the host functions that the\n"
                       "// stand-in exports but does not implement.\n"
                       "#include \"api/unsupported.h\"\n\n";
  for (const std::string& name : all) {
    if (Contains(typed, name)) continue;
    source += "QM_STANDIN_UNSUPPORTED_EXPORT void " + name +
              "(void) { qm::standin::RecordUnsupportedCall(\"" + name + "\"); }\n";
  }
  return source;
}

} // namespace qm::standin
