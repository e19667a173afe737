// The real module, loaded by path into this process beside a stand-in host, as a
// host application loads it: registration, the level check, load errors, and errors
// raised again across the module's boundary.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <optional>

#include "loaded_library.h"
#include "standin_control.h"
#include "stderr_capture.h"

namespace qm {
namespace {

using test::LoadedLibrary;
using Block = std::array<unsigned char, 100>;

std::string HostPath(const std::string& variant) {
  if (variant == "default") return QM_STANDIN_DEFAULT_HOST;
  return std::string(QM_STANDIN_HOSTS_DIR) + "/" + variant + "/tsxapi.dll";
}

// The plug-in module with its four entry points.
struct Module {
  LoadedLibrary library{QM_MODULE_PATH};
  int (*getData)(void*, int) = library.Function<int (*)(void*, int)>("tsxGetData");
  int (*leftClick)() = library.Function<int (*)()>("tsxOnLeftClick");
  void (*rightClick)() = library.Function<void (*)()>("tsxOnRightClick");
  void (*deactivate)() = library.Function<void (*)()>("tsxDeactivate");
};

Block Pattern() {
  Block block;
  block.fill(0xC3);
  return block;
}

Block Registered() {
  Block block = Pattern();
  std::memcpy(block.data(), "Quillmere", 10);
  std::memcpy(block.data() + 32, "Ardwynne", 9);
  block[96] = 2;
  block[97] = 0;
  block[98] = 2;
  block[99] = 0;
  return block;
}

std::string Report(const std::string& type, const std::string& text) {
  // As the headless message box writes it: one line, CR and LF escaped.
  return "Unhandled exception in \"\" tSX plugin.\\r\\nThe exception is classified as: "
         "\\r\\n\\r\\n" +
         type + " : " + text;
}

class ModuleRegistration : public ::testing::Test {
protected:
  void UseHost(const std::string& variant) {
    host_.reset();
    host_ = std::make_unique<LoadedLibrary>(HostPath(variant));
    control_ = host_->Function<standin::ControlEntry>(standin::kControlEntryName)();
    control_->Reset();
  }
  int AskedVersion() const {
    int asked = 0;
    for (const auto& call : control_->Calls())
      asked += call.function == "tsxGetTsVersionNbrs";
    return asked;
  }

  std::unique_ptr<LoadedLibrary> host_;
  standin::Control* control_ = nullptr;
  test::StderrCapture stderr_;
};

TEST_F(ModuleRegistration, GoodHostGetsTheBlockTwiceAlikeWithAFreshBindingEachTime) {
  UseHost("default");
  Module module;
  Block first = Pattern(), second = Pattern();
  EXPECT_EQ(module.getData(first.data(), 0), 0);
  EXPECT_EQ(module.getData(second.data(), 0), 0);
  EXPECT_EQ(first, Registered());
  EXPECT_EQ(second, Registered());
  EXPECT_EQ(AskedVersion(), 2);
  EXPECT_TRUE(stderr_.Messages().empty());
}

TEST_F(ModuleRegistration, AcceptedHostsByVersionAndExports) {
  for (const char* variant : {"v310", "v420-no-saveas", "v500", "default"}) {
    UseHost(variant);
    Module module;
    Block block = Pattern();
    EXPECT_EQ(module.getData(block.data(), 0), 0) << variant;
    EXPECT_EQ(block, Registered()) << variant;
  }
  EXPECT_TRUE(stderr_.Messages().empty());
}

TEST_F(ModuleRegistration, OldHostsGetTheVersionMessageAndAnUntouchedBlock) {
  struct Case {
    const char* variant;
    const char* installed;
  };
  const Case cases[] = {{"v300", " 3.00"}, {"v305", " 3.00"}, {"no-version", " 0.00"}};
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    UseHost(c.variant);
    Module module;
    Block block = Pattern();
    EXPECT_EQ(module.getData(block.data(), 0), -1) << c.variant;
    EXPECT_EQ(block, Pattern()) << c.variant;
    expected.push_back(std::string("This Plugin requires trueSpace version  3.10, but version ") +
                       c.installed + " is installed.");
    // The module let go of the library: once the host drops it, it is gone.
    host_.reset();
    EXPECT_FALSE(test::IsLoaded("tsxapi.dll")) << c.variant;
  }
  EXPECT_EQ(stderr_.Messages(), expected);
}

TEST_F(ModuleRegistration, MissingLibraryIsReportedWithTheSystemsText) {
  ASSERT_FALSE(test::IsLoaded("tsxapi.dll"));
  Module module;
  Block block = Pattern();
  EXPECT_EQ(module.getData(block.data(), 0), -1);
  EXPECT_EQ(block, Pattern());
  EXPECT_EQ(stderr_.Messages(),
            std::vector<std::string>{Report(
                "Exception", "Error 2 initializing tSX API in Plugin: tsxapi.dll: cannot open "
                             "shared object file: No such file or directory")});
}

TEST_F(ModuleRegistration, ErrorsInClicksAreReportedThenRaisedTowardsTheHost) {
  Module module;
  EXPECT_THROW(module.leftClick(), std::exception);
  EXPECT_EQ(
      stderr_.Messages(),
      std::vector<std::string>{Report(
          "Exception", "The host API is not loaded: the host has not registered the plug-in")});
  module.rightClick();
  module.deactivate();
}

TEST_F(ModuleRegistration, UnloadingReleasesTheModuleAndItsHold) {
  UseHost("default");
  {
    Module module;
    Block block = Pattern();
    ASSERT_EQ(module.getData(block.data(), 0), 0);
    EXPECT_TRUE(module.library.Unload()) << "the module must be able to leave the process";
  }
  host_.reset();
  EXPECT_FALSE(test::IsLoaded("tsxapi.dll")) << "the module released the API at detach";
}

} // namespace
} // namespace qm
