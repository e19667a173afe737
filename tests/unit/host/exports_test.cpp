// Each build of tsxapi.dll exports exactly the names it should, is named and
// SONAMEd tsxapi.dll, reports its version, and keeps a host of its own.
#include "api/host_api.h"
#include "api/standin_control.h"
#include "elf_exports.h"
#include "shell/host_api_names.h"

#include <gtest/gtest.h>

#include <ostream>

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace qm::standin::testing {
namespace {

const std::vector<std::string>& AllNames() {
#define QM_NAME(name) #name,
  static const std::vector<std::string> names{QM_HOST_API_ALL(QM_NAME)};
#undef QM_NAME
  return names;
}

struct Build {
  const char* name;
  std::string path;
  short version;
  std::vector<std::string> omitted;
};

// Named in test listings by its variant, not by its bytes.
void PrintTo(const Build& build, std::ostream* out) { *out << build.name; }

std::string Variant(const char* name) {
  return std::string(QM_STANDIN_HOSTS_DIR) + "/" + name + "/tsxapi.dll";
}

std::vector<Build> Variants() {
  return {{"v300", Variant("v300"), 300, {}},
          {"v305", Variant("v305"), 305, {}},
          {"v310", Variant("v310"), 310, {}},
          {"v500", Variant("v500"), 500, {}},
          {"v420-no-saveas", Variant("v420-no-saveas"), 420, {"tsxObjectSaveAs"}},
          {"no-version", Variant("no-version"), 0, {"tsxGetTsVersionNbrs"}}};
}

std::vector<Build> Builds() {
  std::vector<Build> builds{{"default", QM_STANDIN_DEFAULT_HOST, 410, {}}};
  for (Build& variant : Variants())
    builds.push_back(std::move(variant));
  return builds;
}

std::string TestName(const ::testing::TestParamInfo<Build>& info) {
  std::string name = info.param.name;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

class BuildTest : public ::testing::TestWithParam<Build> {};

TEST_P(BuildTest, FileAndSonameAreTsxapiDll) {
  const Build& build = GetParam();
  EXPECT_EQ(std::filesystem::path(build.path).filename(), "tsxapi.dll");
  EXPECT_EQ(ReadElfExports(build.path).soname, "tsxapi.dll");
}

TEST_P(BuildTest, ExportsEveryListedNameButTheOmittedAndTheControlEntryOnly) {
  const Build& build = GetParam();
  std::set<std::string> expected{kControlEntryName};
  for (const std::string& name : AllNames()) {
    if (std::find(build.omitted.begin(), build.omitted.end(), name) == build.omitted.end()) {
      expected.insert(name);
    }
  }
  EXPECT_EQ(ReadElfExports(build.path).defined, expected);
}

TEST_P(BuildTest, DlsymFindsEachNameUnlessOmittedAndTheVersionIsReported) {
  const Build& build = GetParam();
  void* library = dlopen(build.path.c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  for (const std::string& name : AllNames()) {
    const bool omitted =
        std::find(build.omitted.begin(), build.omitted.end(), name) != build.omitted.end();
    EXPECT_EQ(dlsym(library, name.c_str()) == nullptr, omitted) << name;
  }
  if (auto* version =
          reinterpret_cast<void (*)(short*, short*)>(dlsym(library, "tsxGetTsVersionNbrs"))) {
    short reported = 0, revision = -1;
    version(&reported, &revision);
    EXPECT_EQ(reported, build.version);
    EXPECT_EQ(revision, 0);
  }
  dlclose(library);
}

INSTANTIATE_TEST_SUITE_P(Builds, BuildTest, ::testing::ValuesIn(Builds()), TestName);

class VariantTest : public BuildTest {};

// A variant loaded by path beside the linked default library keeps its own
// scene: its functions never call into the other copy.
TEST_P(VariantTest, HasAHostOfItsOwnBesideTheLinkedLibrary) {
  const Build& build = GetParam();
  void* library = dlopen(build.path.c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  auto entry = reinterpret_cast<ControlEntry>(dlsym(library, kControlEntryName));
  ASSERT_NE(entry, nullptr);
  Control& variant = *entry();
  Control& linked = *qmStandinControl();
  ASSERT_NE(&variant, &linked);
  variant.Reset();
  linked.Reset();

  auto* createCube = reinterpret_cast<decltype(&tsxCreateCube)>(dlsym(library, "tsxCreateCube"));
  ASSERT_NE(createCube, nullptr);
  tsxSOBJ* cube = createCube(1, 1, 1, 1);
  EXPECT_EQ(variant.Name(cube), "Cube");
  EXPECT_EQ(variant.Calls().size(), 1u);
  EXPECT_TRUE(linked.Calls().empty());
  EXPECT_THROW(linked.Name(cube), EStandinError);
  variant.Reset();
  dlclose(library);
}

INSTANTIATE_TEST_SUITE_P(Variants, VariantTest, ::testing::ValuesIn(Variants()), TestName);

} // namespace
} // namespace qm::standin::testing
