// The entry points and module notifications, in this process, with handlers swapped
// in where a test needs one that fails or answers otherwise.
#include "shell/entry_points.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <stdexcept>

#include "platform/fpu.h"
#include "shell/host_api.h"
#include "shell/plugin_host.h"
#include "standin_hosts.h"
#include "widgets/dialogs.h"

namespace qm {
namespace {

using Block = std::array<unsigned char, 100>;

void Fail() { throw Exception("boom"); }
void FailWithResult(std::int32_t&) { throw EConvertError("'x' is not a valid integer value"); }

class EntryPoints : public ::testing::Test {
protected:
  void SetUp() override {
    ModuleStartup();
    widgets::TakeShownMessages();
  }
  void TearDown() override {
    if (PluginHost) PluginModuleNotify(kNotifyProcessDetach);
    widgets::TakeShownMessages();
  }
  static std::vector<std::string> Messages() { return widgets::TakeShownMessages(); }
  static Block Untouched() {
    Block block;
    block.fill(0x5A);
    return block;
  }
  std::int32_t GetData(Block& block) { return tsxGetData(block.data(), 7); }

  std::optional<test::StandinHost> host_{std::in_place, "default"};
};

std::string Report(const std::string& name, const std::string& type, const std::string& text) {
  return "Unhandled exception in \"" + name +
         "\" tSX plugin.\r\nThe exception is classified as: " + "\r\n\r\n" + type + " : " + text;
}

TEST_F(EntryPoints, StartUpCreatesTheRecordWithThisPluginsRequirement) {
  ASSERT_NE(PluginHost, nullptr);
  EXPECT_EQ(PluginHost->RequiredVersion, 310);
  EXPECT_EQ(PluginHost->ActiveState, 1);
  EXPECT_TRUE(PluginHost->PluginName.empty());
}

TEST_F(EntryPoints, GetDataRegistersThePluginAndKeepsTheLibraryLoaded) {
  Block block = Untouched();
  EXPECT_EQ(GetData(block), 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(block.data())), "Quillmere");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(block.data() + 32)), "Ardwynne");
  EXPECT_EQ(block[10], 0x5A);
  EXPECT_EQ(block[96], 2);
  EXPECT_EQ(block[98], 2);
  EXPECT_EQ(PluginHost->HostParam, 7);
  EXPECT_NE(HostApiLib, nullptr);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(EntryPoints, LongNameIsCutInTheBlockInTheRecordAndInLaterReports) {
  PluginHost->OnGetData = [](std::int32_t&) {
    PluginHost->PluginName = std::string(40, 'N');
    PluginHost->PluginAuthor = std::string(64, 'A');
  };
  Block block = Untouched();
  ASSERT_EQ(GetData(block), 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(block.data())), std::string(31, 'N'));
  EXPECT_EQ(PluginHost->PluginName, std::string(31, 'N'));
  EXPECT_EQ(PluginHost->PluginAuthor, std::string(63, 'A'));

  PluginHost->OnRightClick = Fail;
  EXPECT_THROW(tsxOnRightClick(), Exception);
  EXPECT_EQ(Messages(),
            std::vector<std::string>{Report(std::string(31, 'N'), "Exception", "boom")});
}

TEST_F(EntryPoints, LowLevelShowsTheVersionMessageAndReleasesTheLibrary) {
  // The module finds the "tsxapi.dll" already in the process: only one at a time.
  host_.reset();
  host_.emplace("v300");
  Block block = Untouched();
  EXPECT_EQ(GetData(block), -1);
  EXPECT_EQ(block, Untouched());
  EXPECT_EQ(HostApiLib, nullptr);
  EXPECT_TRUE(PluginHost->PluginName.empty()) << "the registration handler must not run";
  EXPECT_EQ(Messages(), std::vector<std::string>{"This Plugin requires trueSpace version  3.10, "
                                                 "but version  3.00 is installed."});
}

TEST_F(EntryPoints, ErrorInGetDataIsReportedAndAnsweredMinusOne) {
  PluginHost->OnGetData = FailWithResult;
  Block block = Untouched();
  EXPECT_EQ(GetData(block), -1);
  EXPECT_EQ(block, Untouched());
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            Report("", "EConvertError", "'x' is not a valid integer value")});
}

TEST_F(EntryPoints, ForeignErrorFromTheHostIsReportedByItsText) {
  host_->Control().InjectFault("tsxGetTsVersionNbrs", {});
  Block block = Untouched();
  EXPECT_EQ(GetData(block), -1);
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind(Report("", "EExternalException", ""), 0), 0u) << messages[0];
  EXPECT_EQ(HostApiLib, nullptr);
}

TEST_F(EntryPoints, ClicksAndDeactivationReportAndRaiseTheirErrorsAgain) {
  struct Case {
    const char* name;
    void (*arm)();
    void (*call)();
  };
  const Case cases[] = {
      {"left click", [] { PluginHost->OnLeftClick = [](std::int32_t&) { Fail(); }; },
       [] { tsxOnLeftClick(); }},
      {"right click", [] { PluginHost->OnRightClick = Fail; }, [] { tsxOnRightClick(); }},
      {"deactivate", [] { PluginHost->OnDeactivate = Fail; }, [] { tsxDeactivate(); }},
  };
  for (const Case& c : cases) {
    c.arm();
    EXPECT_THROW(c.call(), Exception) << c.name;
    EXPECT_EQ(Messages(), std::vector<std::string>{Report("", "Exception", "boom")}) << c.name;
  }
}

TEST_F(EntryPoints, ClickBeforeRegistrationIsReportedNotCalledIntoTheVoid) {
  EXPECT_THROW(tsxOnLeftClick(), Exception);
  EXPECT_EQ(
      Messages(),
      std::vector<std::string>{Report(
          "", "Exception", "The host API is not loaded: the host has not registered the plug-in")});
  EXPECT_EQ(PluginHost->ActiveState, 1);
}

TEST_F(EntryPoints, ActiveStateFollowsClickResultsAndDeactivation) {
  Block block = Untouched();
  ASSERT_EQ(GetData(block), 0);
  EXPECT_EQ(tsxOnLeftClick(), 0);
  EXPECT_EQ(PluginHost->ActiveState, 2);
  tsxDeactivate();
  EXPECT_EQ(PluginHost->ActiveState, 1);

  PluginHost->OnLeftClick = [](std::int32_t& result) { result = 1; };
  EXPECT_EQ(tsxOnLeftClick(), 1);
  EXPECT_EQ(PluginHost->ActiveState, 0);

  PluginHost->OnLeftClick = [](std::int32_t& result) { result = 5; };
  EXPECT_EQ(tsxOnLeftClick(), 5);
  EXPECT_EQ(PluginHost->ActiveState, 0);

  PluginHost->OnLeftClick = [](std::int32_t&) { Fail(); };
  EXPECT_THROW(tsxOnLeftClick(), Exception);
  EXPECT_EQ(PluginHost->ActiveState, 0) << "a failed click leaves the state alone";
}

TEST_F(EntryPoints, NotificationErrorsNameTheirSituationAndRaiseAgain) {
  struct Case {
    std::int32_t code;
    PlainHandler TtSXPluginHost::*slot;
    const char* situation;
  };
  const Case cases[] = {
      {1, &TtSXPluginHost::OnProcessAttach, " tSX plugin while attaching the process."},
      {2, &TtSXPluginHost::OnThreadAttach, " tSX plugin while attaching a thread."},
      {3, &TtSXPluginHost::OnThreadDetach, " tSX plugin while detaching a thread."},
      {0, &TtSXPluginHost::OnProcessDetach, " tSX plugin while detaching the process."},
  };
  for (const Case& c : cases) {
    PluginHost->*c.slot = Fail;
    EXPECT_THROW(PluginModuleNotify(c.code), Exception) << c.code;
    EXPECT_EQ(Messages(),
              std::vector<std::string>{std::string("Exception occurred in \"\"") + c.situation +
                                       "\r\nThe exception is classified as: "
                                       "\r\n\r\nException : boom"})
        << c.code;
  }
  ASSERT_NE(PluginHost, nullptr) << "a failed detach keeps the record";
  PluginHost->OnProcessDetach = nullptr;
}

TEST_F(EntryPoints, DetachReleasesTheLibraryAndDestroysTheRecord) {
  Block block = Untouched();
  ASSERT_EQ(GetData(block), 0);
  PluginModuleNotify(kNotifyProcessDetach);
  EXPECT_EQ(PluginHost, nullptr);
  EXPECT_EQ(HostApiLib, nullptr);
}

TEST_F(EntryPoints, EveryEntryPointLoadsTheMaskedExtendedControlWord) {
  struct Case {
    const char* name;
    void (*call)();
  };
  const Case cases[] = {
      {"tsxGetData", [] { tsxGetData(nullptr, 0); }},
      {"tsxOnRightClick", [] { tsxOnRightClick(); }},
      {"tsxDeactivate", [] { tsxDeactivate(); }},
  };
  for (const Case& c : cases) {
    platform::LoadFpuControlWord(0x027F); // 53-bit precision, as some hosts run
    c.call();
    // Bit 6 is reserved and reads back as 1 whatever was loaded.
    constexpr std::uint16_t kReserved = 0x40;
    EXPECT_EQ(platform::ReadFpuControlWord() & ~kReserved,
              platform::kMaskedExtendedControlWord & ~kReserved)
        << c.name;
  }
  platform::LoadFpuControlWord(0x037F);
}

TEST_F(EntryPoints, UnknownCodesAndEmptySlotsDoNothing) {
  PluginHost->OnThreadAttach = nullptr;
  PluginModuleNotify(2);
  PluginModuleNotify(42);
  EXPECT_NE(PluginHost, nullptr);
  EXPECT_TRUE(Messages().empty());
}

} // namespace
} // namespace qm
