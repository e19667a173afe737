// Binding the host API from the stand-in host's variants, in this process.
#include "shell/host_api.h"

#include <gtest/gtest.h>

#include <optional>

#include "standin_hosts.h"

namespace qm {
namespace {

using test::StandinHost;

class HostApiBinding : public ::testing::Test {
protected:
  void TearDown() override { ReleaseHostApi(); }
};

TEST_F(HostApiBinding, LevelFollowsTheReportedVersionAndTheCompleteTiers) {
  struct Case {
    const char* variant;
    std::uint16_t level;
  };
  const Case cases[] = {
      {"v300", 300},    {"v305", 300}, {"v310", 310},
      {"default", 410}, {"v500", 410}, {"v420-no-saveas", 320},
  };
  for (const Case& c : cases) {
    StandinHost host(c.variant);
    EXPECT_EQ(LoadHostApi(), c.level) << c.variant;
    EXPECT_NE(HostApiLib, nullptr) << c.variant;
    ReleaseHostApi();
    EXPECT_EQ(HostApiLib, nullptr) << c.variant;
  }
}

TEST_F(HostApiBinding, IncompleteTierKeepsTheNamesBoundBeforeTheMissingOne) {
  StandinHost host("v420-no-saveas");
  tsxPointsSweep = tsxObjectLoad = tsxObjectSave = tsxObjectSaveAs = nullptr;
  ASSERT_EQ(LoadHostApi(), 320);
  EXPECT_NE(tsxPointsSweep, nullptr);
  EXPECT_NE(tsxObjectLoad, nullptr);
  EXPECT_NE(tsxObjectSave, nullptr);
  EXPECT_EQ(tsxObjectSaveAs, nullptr);
}

TEST_F(HostApiBinding, LibraryWithoutTheVersionFunctionGivesLevelZeroAndNoCall) {
  StandinHost host("no-version");
  EXPECT_EQ(LoadHostApi(), 0);
  EXPECT_TRUE(host.Control().Calls().empty());
}

TEST_F(HostApiBinding, VersionIsAskedOncePerLoad) {
  StandinHost host("default");
  LoadHostApi();
  LoadHostApi();
  int asked = 0;
  for (const auto& call : host.Control().Calls())
    asked += call.function == "tsxGetTsVersionNbrs";
  EXPECT_EQ(asked, 2);
}

TEST_F(HostApiBinding, NoLibraryRaisesTheLoadErrorWithTheSystemText) {
  ASSERT_FALSE(test::IsLoaded("tsxapi.dll"));
  std::optional<std::string> message;
  try {
    LoadHostApi();
  } catch (const EtsxFunctionNotFound&) {
    FAIL() << "not a binding error";
  } catch (const Exception& error) {
    EXPECT_STREQ(error.ClassName(), "Exception");
    message = error.Message();
  }
  EXPECT_EQ(message, "Error 2 initializing tSX API in Plugin: tsxapi.dll: cannot open shared "
                     "object file: No such file or directory");
  EXPECT_EQ(HostApiLib, nullptr);
}

TEST_F(HostApiBinding, MissingFunctionRaisesNotFoundWithItsName) {
  StandinHost host("default");
  platform::LibraryHandle library = platform::LoadLibraryByName("tsxapi.dll");
  ASSERT_NE(library, nullptr);
  try {
    GetHostProc(library, "tsxNoSuchFunction");
    ADD_FAILURE() << "no error";
  } catch (const EtsxFunctionNotFound& error) {
    EXPECT_STREQ(error.ClassName(), "EtsxFunctionNotFound");
    EXPECT_EQ(error.Message(),
              "A necessary API function(tsxNoSuchFunction)\r\ncould not be found in tsxapi.dll");
  }
  platform::ReleaseLibrary(library);
}

TEST_F(HostApiBinding, ErrorWhileAskingTheVersionReleasesTheLibraryAndTravelsOn) {
  StandinHost host("default");
  host.Control().InjectFault("tsxGetTsVersionNbrs", {});
  EXPECT_THROW(LoadHostApi(), std::exception);
  EXPECT_EQ(HostApiLib, nullptr);
}

} // namespace
} // namespace qm
