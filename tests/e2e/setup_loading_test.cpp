// Finding scene objects by name, the substitute dialog, and loading a stored set-up
// through the chooser, driven as a user drives them on the real module.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "plugin_session.h"

namespace qm {
namespace {

using test::Channel;

constexpr int kChannels = 20;
constexpr const char* kInvalid = "Invalid Morph Information Object";
// Heights of the panel, expanded and collapsed to its menu strip.
constexpr const char* kExpanded = "362";
constexpr const char* kCollapsed = "40";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}

// The twenty channel-null names of a set-up holding `objects` (channel -> object
// name); every other channel is stored empty.
std::vector<std::string> NullNames(const std::map<int, std::string>& objects) {
  std::vector<std::string> names;
  for (int k = 0; k < kChannels; ++k) {
    const auto found = objects.find(k);
    names.push_back("Ch" + std::to_string(k) + "-" +
                    (found == objects.end() ? "Unselected" : found->second));
  }
  return names;
}

class SetUpLoading : public ::testing::Test {
protected:
  standin::Control& Host() { return session_.Host(); }
  std::string Do(const std::string& command) { return session_.Do(command); }
  std::string Get(const std::string& path) { return session_.Get(path); }

  // A one-vertex mesh at top level (every mesh of a test has the same vertex count
  // unless it asks for more).
  tsxSOBJ* Mesh(const std::string& name, int vertices = 1) {
    return session_.AddMesh(name, std::vector<tsxVec3f>(static_cast<std::size_t>(vertices)));
  }
  // A stored set-up at top level, as New Morph leaves one: a group of tiny meshes
  // named after the channels' objects.
  tsxSOBJ* StoredSetUp(const std::string& group, const std::vector<std::string>& nullNames) {
    std::vector<tsxSOBJ*> nulls;
    for (const std::string& name : nullNames)
      nulls.push_back(Host().CreatePolyhedron(name, {{0, 0, 0}}));
    tsxSOBJ* setUp = Host().CreateGroup(group, nulls);
    Host().AddToScene(setUp);
    return setUp;
  }
  std::vector<std::string> ChildNames(tsxSOBJ* group) {
    std::vector<std::string> names;
    for (tsxSOBJ* child : Host().Children(group))
      names.push_back(Host().Name(child));
    return names;
  }

  std::vector<std::string> Items(const std::string& form) {
    return Lines(Get(form + ".ListBox1.Items"));
  }
  // The user picks the first entry `name` in the dialog's list.
  void Choose(const std::string& form, const std::string& name) {
    const std::vector<std::string> items = Items(form);
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == name) {
        Do("choose " + form + ".ListBox1 " + std::to_string(i));
        return;
      }
    }
    ADD_FAILURE() << name << " is not listed in " << form;
  }
  // The chooser's Load with `name` chosen.
  void LoadInChooser(const std::string& name) {
    Choose("Form2", name);
    Do("click Form2.Button2");
  }
  // A new panel (collapsed, the chooser open) and the chooser's Load of `name`.
  void OpenAndLoad(const std::string& name) {
    session_.ClickIcon();
    LoadInChooser(name);
  }
  bool Shown(const std::string& form) {
    for (const std::string& line : Lines(Do("forms")))
      if (line == form + " 1") return true;
    return false;
  }
  std::string Caption(int channel) {
    return Get("Form1." + Channel("btnsel", channel) + ".Caption");
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (int k = 0; k < kChannels; ++k)
      captions.push_back(Caption(k));
    return captions;
  }
  // The host calls of one function, as the call log writes them.
  std::vector<std::string> CallsOf(const std::string& function) {
    std::vector<std::string> calls;
    for (const standin::CallRecord& call : Host().Calls())
      if (call.function == function) calls.push_back(call.Text());
    return calls;
  }
  static std::string Selecting(const std::string& name) {
    return "tsxSelectSobj([" + name + "], 0, 1)";
  }
  void ExpectOnlyValidHandles() {
    for (const standin::CallRecord& call : Host().Calls())
      EXPECT_NE(call.status, standin::CallStatus::InvalidHandle) << call.Text();
  }

  test::PluginSession session_;
};

// --- complete loads ---

TEST_F(SetUpLoading, AllTwentyFoundAreCapturedInChannelOrderWithoutRenamingTheNulls) {
  std::map<int, std::string> objects;
  for (int k = 0; k < kChannels; ++k) {
    objects[k] = "M" + std::to_string(k);
    Mesh(objects[k]);
  }
  // The user renamed the group in the host: its name is read, never expected.
  tsxSOBJ* setUp = StoredSetUp("Stored", NullNames(objects));
  session_.ClickIcon();
  Host().ClearCalls();
  LoadInChooser("Stored");

  std::vector<std::string> expectedSelections{Selecting("Stored")};
  for (int k = 0; k < kChannels; ++k) {
    expectedSelections.push_back(Selecting(NullNames(objects)[static_cast<std::size_t>(k)]));
    expectedSelections.push_back(Selecting(objects[k]));
  }
  EXPECT_EQ(CallsOf("tsxSelectSobj"), expectedSelections);
  for (int k = 0; k < kChannels; ++k)
    EXPECT_EQ(Caption(k), objects[k]);
  for (const std::string& call : CallsOf("tsxGNodeSetName"))
    EXPECT_EQ(call.rfind("tsxGNodeSetName([Stored]", 0), 0u) << "a null renamed: " << call;
  EXPECT_EQ(ChildNames(setUp), NullNames(objects));
  EXPECT_EQ(Get("Form1.infoobj.Text"), "Stored");
  EXPECT_EQ(Get("Form1.Update2.Enabled"), "1");
  EXPECT_EQ(Get("Form1.btnrec.Enabled"), "1");
  EXPECT_EQ(Get("Form1.currframe.Enabled"), "1");
  EXPECT_EQ(Get("Form1.Update1.Enabled"), "1");
  EXPECT_TRUE(session_.Messages().empty());
  EXPECT_FALSE(Shown("Form2"));
  EXPECT_FALSE(Shown("Form3"));
  EXPECT_EQ(Get("Form1.Height"), kExpanded) << "the chooser's Load expands the new panel";

  // Once loaded, captures name the nulls again: the load flag is down and the loaded
  // nulls are the set-up's.
  session_.Capture(5, Mesh("Other"));
  EXPECT_EQ(Host().Name(Host().Children(setUp)[5]), "Ch5-Other");
}

TEST_F(SetUpLoading, ChildrenAfterTheTwentiethAreIgnored) {
  Mesh("Orig");
  Mesh("Extra");
  std::vector<std::string> names = NullNames({{0, "Orig"}});
  names.push_back("Ch20-Extra");
  StoredSetUp("Stored", names);
  session_.ClickIcon();
  Host().ClearCalls();
  LoadInChooser("Stored");
  for (const std::string& call : CallsOf("tsxSelectSobj")) {
    EXPECT_EQ(call.find("Extra"), std::string::npos) << call;
  }
  EXPECT_EQ(Get("Form1.infoobj.Text"), "Stored");
  EXPECT_TRUE(session_.Messages().empty());
}

TEST_F(SetUpLoading, RoundTripThroughANewPanelBringsTheSameChannelsBack) {
  session_.OpenWithNewSetup();
  session_.Capture(0, Mesh("Face"));
  session_.Capture(3, Mesh("Left-Brow"));
  session_.Capture(12, Mesh("Smile"));
  session_.Capture(19, Mesh("Blink"));
  const std::vector<std::string> before = Captions();
  Do("close Form1");

  OpenAndLoad("QM-Morph");
  EXPECT_EQ(Captions(), before);
  EXPECT_EQ(Get("Form1.infoobj.Text"), "QM-Morph");
  EXPECT_TRUE(session_.Messages().empty());
  EXPECT_FALSE(Shown("Form3"));
}

TEST_F(SetUpLoading, LoadingBAfterAKeepsAsObjectsWhereBIsEmpty) {
  Mesh("Orig");
  Mesh("A1");
  Mesh("A2");
  StoredSetUp("A", NullNames({{0, "Orig"}, {1, "A1"}, {2, "A2"}}));
  OpenAndLoad("A");

  // Made after the panel opened: "Load Morphing Channels" lists the scene anew.
  Mesh("B1");
  StoredSetUp("B", NullNames({{0, "Orig"}, {1, "B1"}}));
  Do("click Form1.Load2");
  EXPECT_EQ(Get("Form1.Height"), kCollapsed);
  LoadInChooser("B");
  EXPECT_EQ(Caption(1), "B1");
  EXPECT_EQ(Caption(2), "A2");
  EXPECT_EQ(Get("Form1.infoobj.Text"), "B");
  EXPECT_EQ(Get("Form1.Height"), kExpanded);
}

// --- invalid set-ups ---

TEST_F(SetUpLoading, SeventhChildNotACubeStopsTheLoadAfterChannelFive) {
  session_.OpenWithNewSetup();
  tsxSOBJ* previous = Host().FindTopLevel("QM-Morph");
  std::map<int, std::string> objects;
  for (int k = 0; k < kChannels; ++k) {
    objects[k] = "M" + std::to_string(k);
    Mesh(objects[k]);
  }
  const std::vector<std::string> names = NullNames(objects);
  std::vector<tsxSOBJ*> children;
  for (int k = 0; k < kChannels; ++k) {
    const std::string& name = names[static_cast<std::size_t>(k)];
    children.push_back(k == 6 ? Host().CreateMarker(name)
                              : Host().CreatePolyhedron(name, {{0, 0, 0}}));
  }
  tsxSOBJ* broken = Host().CreateGroup("Broken", children);
  Host().AddToScene(broken);

  Do("click Form1.Load2");
  LoadInChooser("Broken");
  for (int k = 0; k < kChannels; ++k)
    EXPECT_EQ(Caption(k), k < 6 ? objects[k] : "Unselected") << "channel " << k;
  EXPECT_EQ(session_.Messages(), std::vector<std::string>{kInvalid});
  EXPECT_EQ(Get("Form1.infoobj.Text"), "QM-Morph");
  EXPECT_FALSE(Shown("Form2"));
  EXPECT_EQ(Get("Form1.Height"), kExpanded);

  // The nulls of channels 0 to 5 are the broken set-up's now, the rest are still the
  // previous set-up's; and the load flag is down again, so captures rename them.
  session_.Capture(1, Mesh("New1"));
  session_.Capture(7, Mesh("New7"));
  EXPECT_EQ(Host().Name(Host().Children(broken)[1]), "Ch1-New1");
  EXPECT_EQ(Host().Name(Host().Children(previous)[1]), "Ch1-Unselected");
  EXPECT_EQ(Host().Name(Host().Children(previous)[7]), "Ch7-New7");
  EXPECT_EQ(Host().Name(Host().Children(broken)[7]), "Ch7-M7");
}

TEST_F(SetUpLoading, PlainObjectWithoutChildrenIsRefusedAndTheChooserStillCloses) {
  Mesh("Plain");
  session_.ClickIcon();
  const std::string infoobj = Get("Form1.infoobj.Text");
  LoadInChooser("Plain");
  EXPECT_EQ(session_.Messages(), std::vector<std::string>{kInvalid});
  EXPECT_FALSE(Shown("Form2"));
  EXPECT_EQ(Get("Form1.Height"), kExpanded);
  EXPECT_EQ(Get("Form1.infoobj.Text"), infoobj);
  EXPECT_EQ(Get("Form1.btnrec.Enabled"), "0");
  EXPECT_EQ(Get("Form1.currframe.Enabled"), "0") << "no set-up to work on";
  EXPECT_EQ(Get("Form1.btnsel7.Enabled"), "1") << "every select button is enabled first";
}

TEST_F(SetUpLoading, EmptySelectionAtLoadIsRefusedWithoutReachingTheHost) {
  Mesh("Orig");
  StoredSetUp("Stored", NullNames({{0, "Orig"}}));
  session_.ClickIcon();
  Host().Select(nullptr);
  // The host does not carry out the chooser's selection.
  Host().InjectFault("tsxSelectSobj", {standin::FaultAction::ReturnZero, 0, true});
  Host().ClearCalls();
  LoadInChooser("Stored");
  EXPECT_EQ(session_.Messages(), std::vector<std::string>{kInvalid});
  EXPECT_EQ(Caption(0), "Unselected");
  ExpectOnlyValidHandles();
}

TEST_F(SetUpLoading, AnErrorDuringTheLoadIsReportedAndLowersTheLoadFlag) {
  Mesh("Orig");
  tsxSOBJ* setUp = StoredSetUp("Stored", NullNames({{0, "Orig"}}));
  session_.ClickIcon();
  // Channels 0 to 2 are read; the host fails on the fourth null.
  Host().InjectFault("tsxSobjGetType", {standin::FaultAction::Raise, 3, false});
  LoadInChooser("Stored");
  const std::vector<std::string> messages = session_.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("tsxSobjGetType"), std::string::npos) << messages[0];
  EXPECT_TRUE(Shown("Form2")) << "the error ends the chooser's Load before it closes";

  Host().ClearFaults();
  session_.Capture(0, Mesh("Later"));
  EXPECT_EQ(Host().Name(Host().Children(setUp)[0]), "Ch0-Later")
      << "a capture after the failed load names the nulls again";
}

// --- the chooser ---

TEST_F(SetUpLoading, ChooserListsTheTopLevelUpToTheFirstObjectThatIsNoGeometricNode) {
  Mesh("Face");
  Host().AddToScene(Host().CreateGroup("Rig", {Host().CreatePolyhedron("Jaw", {{0, 0, 0}})}));
  Mesh("Face");
  StoredSetUp("Stored", NullNames({}));
  Host().AddToScene(Host().CreateMarker("Lamp"));
  Mesh("Late");
  session_.ClickIcon();
  EXPECT_EQ(Items("Form2"), (std::vector<std::string>{"Face", "Rig", "Face", "Stored"}));
}

TEST_F(SetUpLoading, ChooserLoadWithNothingChosenFailsWithTheListIndexError) {
  Mesh("Orig");
  session_.ClickIcon();
  Host().ClearCalls();
  Do("click Form2.Button2");
  EXPECT_EQ(session_.Messages(), std::vector<std::string>{"List index out of bounds (-1)"});
  EXPECT_TRUE(Shown("Form2"));
  EXPECT_EQ(Get("Form1.Height"), kCollapsed);
  EXPECT_TRUE(CallsOf("tsxSelectSobj").empty());
}

TEST_F(SetUpLoading, EmptySceneChooserListsNothingAndItsLoadOnlyCloses) {
  session_.ClickIcon();
  EXPECT_EQ(Get("Form2.ListBox1.Count"), "0");
  Host().ClearCalls();
  Do("click Form2.Button2");
  EXPECT_TRUE(session_.Messages().empty());
  EXPECT_FALSE(Shown("Form2"));
  EXPECT_EQ(Get("Form1.Height"), kExpanded);
  EXPECT_TRUE(CallsOf("tsxSelectSobj").empty());
}

TEST_F(SetUpLoading, LoadMorphingChannelsCollapsesThePanelAndShowsTheChooser) {
  session_.OpenWithNewSetup();
  Mesh("Added");
  Do("click Form1.Load2");
  EXPECT_EQ(Get("Form1.Height"), kCollapsed);
  EXPECT_TRUE(Shown("Form2"));
  EXPECT_EQ(Items("Form2"), (std::vector<std::string>{"QM-Morph", "Added"}));
}

// --- object lookup ---

TEST_F(SetUpLoading, DuplicateNamesFindTheFirstAndAreListedTwice) {
  Mesh("Orig");
  tsxSOBJ* first = Mesh("Face");
  Mesh("Face");
  StoredSetUp("Stored", NullNames({{0, "Orig"}, {19, "Face"}}));
  session_.ClickIcon();
  EXPECT_EQ(Items("Form2"), (std::vector<std::string>{"Orig", "Face", "Face", "Stored"}));
  LoadInChooser("Stored");
  EXPECT_EQ(Caption(19), "Face");
  EXPECT_EQ(Host().Selection(), first) << "the last capture leaves its object selected";
}

TEST_F(SetUpLoading, NamesThatDifferInCaseOrBlanksOrLieInsideGroupsAreNotFound) {
  Mesh("Orig");
  Mesh("Face");
  Host().AddToScene(Host().CreateGroup("Rig", {Host().CreatePolyhedron("Jaw", {{0, 0, 0}})}));
  StoredSetUp(
      "Stored",
      NullNames({{0, "Orig"}, {1, "face"}, {2, "Face "}, {3, " Face"}, {4, "FACE"}, {5, "Jaw"}}));
  session_.ClickIcon();
  Host().ClearCalls();
  LoadInChooser("Stored");
  for (int k = 1; k <= 5; ++k)
    EXPECT_EQ(Caption(k), "Unselected") << "channel " << k;
  for (const std::string& call : CallsOf("tsxSelectSobj")) {
    EXPECT_NE(call, Selecting("Face"));
    EXPECT_NE(call, Selecting("Jaw"));
  }
  EXPECT_TRUE(Shown("Form3"));
  EXPECT_EQ(Get("Form3.Caption"), "WARNING: Jaw not found");
  EXPECT_EQ(Items("Form3"), (std::vector<std::string>{"Orig", "Face", "Rig", "Stored"}));
}

TEST_F(SetUpLoading, ObjectsBehindAnObjectThatIsNoGeometricNodeAreNotFound) {
  Mesh("Orig");
  StoredSetUp("Stored", NullNames({{0, "Orig"}, {1, "Late"}}));
  Host().AddToScene(Host().CreateMarker("Lamp"));
  Mesh("Late");
  OpenAndLoad("Stored");
  EXPECT_EQ(Caption(1), "Unselected");
  EXPECT_EQ(Get("Form3.Caption"), "WARNING: Late not found");
}

TEST_F(SetUpLoading, UnselectedIsNeverLookedUpEvenWhenAnObjectBearsThatName) {
  Mesh("Orig");
  Mesh("Unselected");
  StoredSetUp("Stored", NullNames({{0, "Orig"}}));
  session_.ClickIcon();
  Host().ClearCalls();
  LoadInChooser("Stored");
  EXPECT_EQ(Get("Form1.bar3.Enabled"), "0") << "channel 3 captured nothing";
  for (const std::string& call : CallsOf("tsxSelectSobj"))
    EXPECT_NE(call, Selecting("Unselected"));
  EXPECT_FALSE(Shown("Form3"));
}

TEST_F(SetUpLoading, FoundTargetOfAnotherVertexCountIsSelectedButNotCaptured) {
  Mesh("Orig", 1);
  tsxSOBJ* big = Mesh("Big", 2);
  StoredSetUp("Stored", NullNames({{0, "Orig"}, {19, "Big"}}));
  OpenAndLoad("Stored");
  EXPECT_EQ(Caption(0), "Orig");
  EXPECT_EQ(Caption(19), "Unselected");
  EXPECT_EQ(Host().Selection(), big);
  EXPECT_FALSE(Shown("Form3"));
  EXPECT_TRUE(session_.Messages().empty());
}

// What channel 12's null is named, and what the load makes of it.
struct PrefixCase {
  std::string nullName;
  std::string caption;      // of channel 12 after the load
  std::string dialog;       // the substitute dialog's caption, empty when it stays shut
  std::string dialogNotice; // its first line
};

class ChannelTwelve : public SetUpLoading, public ::testing::WithParamInterface<PrefixCase> {};

TEST_P(ChannelTwelve, PrefixIsDroppedByThePositionsLength) {
  Mesh("Orig");
  Mesh("Head");
  Mesh("ead");
  Mesh("Left-Brow");
  std::vector<std::string> names = NullNames({{0, "Orig"}});
  names[12] = GetParam().nullName;
  StoredSetUp("Stored", names);
  OpenAndLoad("Stored");
  EXPECT_EQ(Caption(12), GetParam().caption);
  EXPECT_EQ(Shown("Form3"), !GetParam().dialog.empty());
  if (Shown("Form3")) {
    EXPECT_EQ(Get("Form3.Caption"), GetParam().dialog);
    EXPECT_EQ(Get("Form3.StaticText1.Caption"), GetParam().dialogNotice);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, ChannelTwelve,
    ::testing::Values(PrefixCase{"Ch12-Head", "Head", "", ""},
                      PrefixCase{"Ch2-Head", "ead", "", ""},
                      PrefixCase{"Ch12-Left-Brow", "Left-Brow", "", ""},
                      // Nothing after the prefix: an empty name, searched like any other.
                      PrefixCase{"Ch12-", "Unselected", "WARNING:  not found", "Could not find: "},
                      PrefixCase{"Ch1", "Unselected", "WARNING:  not found", "Could not find: "}));

// --- the substitute dialog ---

class Substitute : public SetUpLoading {
protected:
  // A new panel loads a set-up whose target 3 is missing; "Spare" is in the scene.
  tsxSOBJ* LoadWithTargetThreeMissing() {
    Mesh("Orig");
    Mesh("Spare");
    tsxSOBJ* setUp = StoredSetUp("Stored", NullNames({{0, "Orig"}, {3, "Gone"}}));
    OpenAndLoad("Stored");
    return setUp;
  }
};

TEST_F(Substitute, MissingTargetOpensTheDialogAndTheLoadEndsCollapsed) {
  LoadWithTargetThreeMissing();
  EXPECT_TRUE(Shown("Form3"));
  EXPECT_EQ(Get("Form3.Caption"), "WARNING: Gone not found");
  EXPECT_EQ(Get("Form3.StaticText1.Caption"), "Could not find: Gone");
  EXPECT_EQ(Items("Form3"), (std::vector<std::string>{"Orig", "Spare", "Stored"}));
  // The dialog's appearance expanded the new panel, the chooser's Load collapsed it.
  EXPECT_EQ(Get("Form1.Height"), kCollapsed);
  EXPECT_EQ(Caption(3), "Unselected");
  EXPECT_EQ(Get("Form1.infoobj.Text"), "Stored") << "a missing object does not stop the load";
  EXPECT_TRUE(session_.Messages().empty());
}

TEST_F(Substitute, LoadCapturesTheChosenObjectRenamesTheNullsAndExpandsThePanel) {
  tsxSOBJ* setUp = LoadWithTargetThreeMissing();
  Choose("Form3", "Spare");
  Do("click Form3.Button2");
  EXPECT_EQ(Caption(3), "Spare");
  EXPECT_EQ(Host().Name(Host().Children(setUp)[3]), "Ch3-Spare")
      << "from now on the stored set-up names the substitute";
  EXPECT_EQ(Get("Form1.Height"), kExpanded);
  EXPECT_FALSE(Shown("Form3"));
}

TEST_F(Substitute, IgnoreOnlyClosesTheDialog) {
  tsxSOBJ* setUp = LoadWithTargetThreeMissing();
  Do("click Form3.Button1");
  EXPECT_FALSE(Shown("Form3"));
  EXPECT_EQ(Caption(3), "Unselected");
  EXPECT_EQ(Host().Name(Host().Children(setUp)[3]), "Ch3-Gone");
  EXPECT_EQ(Get("Form1.Height"), kCollapsed);
}

TEST_F(Substitute, LoadWithNothingChosenFailsWithTheListIndexErrorAndStaysOpen) {
  LoadWithTargetThreeMissing();
  Do("click Form3.Button2");
  EXPECT_EQ(session_.Messages(), std::vector<std::string>{"List index out of bounds (-1)"});
  EXPECT_TRUE(Shown("Form3"));
  EXPECT_EQ(Get("Form1.Height"), kCollapsed);
}

TEST_F(Substitute, TwoMissingTargetsLeaveTheDialogOfferingTheSecond) {
  Mesh("Orig");
  Mesh("Spare");
  StoredSetUp("Stored", NullNames({{0, "Orig"}, {2, "Gone2"}, {5, "Gone5"}}));
  OpenAndLoad("Stored");
  EXPECT_EQ(Get("Form3.Caption"), "WARNING: Gone5 not found");
  EXPECT_EQ(Get("Form1.Height"), kCollapsed) << "the dialog's show handler ran once";
  Choose("Form3", "Spare");
  Do("click Form3.Button2");
  EXPECT_EQ(Caption(5), "Spare");
  EXPECT_EQ(Caption(2), "Unselected");
}

TEST_F(Substitute, LoadAfterThePanelClosedOnlyClosesTheDialog) {
  LoadWithTargetThreeMissing();
  Do("close Form1");
  Host().ClearCalls();
  Choose("Form3", "Spare");
  Do("click Form3.Button2");
  EXPECT_FALSE(Shown("Form3"));
  EXPECT_TRUE(session_.Messages().empty());
  EXPECT_TRUE(CallsOf("tsxSelectSobj").empty());
}

} // namespace
} // namespace qm
