#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/automation.h"
#include "widgets/buttons.h"
#include "widgets/check_box.h"
#include "widgets/containers.h"
#include "widgets/display_controls.h"
#include "widgets/list_box.h"
#include "widgets/slider.h"
#include "widgets/spin_edit.h"
#include "widgets_test_support.h"

namespace qm::widgets::testing {
namespace {

// A form that drags by its client area, as the shell's tool forms do.
class DragForm : public Form {
public:
  explicit DragForm(std::string name) : Form(std::move(name)) {}
  int NonClientHitTest(int x, int y) const override {
    int answer = Form::NonClientHitTest(x, y);
    return answer == kHtClient ? kHtCaption : answer;
  }
};

// A small control panel and a chooser.
class AutomationTest : public WidgetsTest {
protected:
  void SetUp() override {
    WidgetsTest::SetUp();
    panel = CreateForm<DragForm>("Form1");
    panel->SetCaption("Quillmere");
    panel->SetBounds(0, 0, 363, 362);
    auto& file = panel->Menu().Add("File1", "File");
    file.Add("NewMorphingInfo1", "New Morph").OnClick = [this] { ++newMorphs; };
    file.AddSeparator("N1");
    auto& options = panel->Menu().Add("Options1", "Options");
    auto& page1 = options.Add("Page11", "Page 1");
    auto& page2 = options.Add("Page21", "Page2");
    page1.SetRadioItem(true);
    page2.SetRadioItem(true);
    page1.SetChecked(true);
    page2.SetEnabled(false);
    auto& transport = panel->Add<GroupBox>("GroupBox1");
    transport.SetBounds(0, 0, 355, 40);
    transport.SetEnabled(false);
    panel->Add<PictureButton>("btnrec", &transport).OnClick = [this] { ++records; };
    auto& frame = panel->Add<SpinEdit>("currframe", &transport);
    frame.SetMaxValue(99999);
    auto& page = panel->Add<Panel>("Panel1");
    page.SetBounds(0, 86, 355, 220);
    auto& select = panel->Add<Button>("btnsel1", &page);
    select.SetCaption("Unselected");
    select.OnClick = [&select] { select.SetCaption(InputBox("Object", "Name:", "Unselected")); };
    auto& bar = panel->Add<Slider>("bar1", &page);
    auto& share = panel->Add<StaticText>("val1", &page);
    share.SetCaption("0");
    bar.OnChange = [&bar, &share] { share.SetCaption(std::to_string(bar.Position())); };
    panel->Add<CheckBox>("box1", &page).SetChecked(true);
    auto& info = panel->Add<Edit>("infoobj");
    info.SetText("None");
    info.SetReadOnly(true);
    panel->Add<Edit>("Edit1");
    panel->Add<Label>(""); // unnamed: never found, not even by an empty name
    auto& pageButton = panel->Add<Button>("btnpage1");
    pageButton.SetFontColor(clLime);
    pageButton.SetColor(Rgb(0x12, 0x34, 0x56));
    pageButton.SetBounds(10, 40, 20, 20);
    panel->Show();

    chooser = &NewForm("Form2");
    auto& list = chooser->Add<ListBox>("ListBox1");
    list.SetItems({"Cube", "Sphere"});
    chooser->Add<Button>("Button2").OnClick = [&list] { (void)list.Item(list.ItemIndex()); };
  }

  struct Reply {
    int code;
    std::string text;
  };

  static Reply Run(const std::string& command) {
    Reply reply;
    reply.code = RunAutomationCommand(command, reply.text);
    return reply;
  }
  static std::string Get(const std::string& address) {
    Reply reply = Run("get " + address);
    EXPECT_EQ(reply.code, kAutomationDone) << address << ": " << reply.text;
    return reply.text;
  }

  DragForm* panel = nullptr;
  TestForm* chooser = nullptr;
  int newMorphs = 0;
  int records = 0;
};

TEST_F(AutomationTest, FormsListsLiveFormsInCreationOrder) {
  EXPECT_EQ(Run("forms").text, "Form1 1\nForm2 0");
  chooser->Show();
  panel->Free();
  EXPECT_EQ(Run("forms").text, "Form2 1");
}

struct GetCase {
  const char* address;
  const char* value;
};

class AutomationGetTest : public AutomationTest, public ::testing::WithParamInterface<GetCase> {};

TEST_P(AutomationGetTest, ReadsTheValueAsText) {
  EXPECT_EQ(Get(GetParam().address), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Properties, AutomationGetTest,
    ::testing::Values(
        GetCase{"Form1.Caption", "Quillmere"}, GetCase{"Form1.Visible", "1"},
        GetCase{"Form2.Visible", "0"}, GetCase{"Form1.Width", "363"},
        GetCase{"Form1.ClientWidth", "355"}, GetCase{"Form1.Color", "clBtnFace"},
        GetCase{"Form1.btnsel1.Caption", "Unselected"}, GetCase{"Form1.btnsel1.Enabled", "1"},
        GetCase{"Form1.GroupBox1.Enabled", "0"}, GetCase{"Form1.btnrec.Enabled", "1"},
        GetCase{"Form1.bar1.Position", "0"}, GetCase{"Form1.bar1.Min", "0"},
        GetCase{"Form1.bar1.Max", "100"}, GetCase{"Form1.currframe.Value", "0"},
        GetCase{"Form1.currframe.Max", "99999"}, GetCase{"Form1.currframe.Text", "0"},
        GetCase{"Form1.box1.Checked", "1"}, GetCase{"Form1.infoobj.Text", "None"},
        GetCase{"Form1.Page11.Checked", "1"}, GetCase{"Form1.Page21.Enabled", "0"},
        GetCase{"Form1.Page21.Caption", "Page2"}, GetCase{"Form1.Options1.Count", "2"},
        GetCase{"Form2.ListBox1.Items", "Cube\nSphere"}, GetCase{"Form2.ListBox1.Count", "2"},
        GetCase{"Form2.ListBox1.ItemIndex", "-1"}, GetCase{"Form1.btnpage1.FontColor", "clLime"},
        GetCase{"Form1.btnpage1.Color", "$00563412"}, GetCase{"Form1.btnpage1.Left", "10"},
        GetCase{"Form1.btnpage1.Top", "40"}, GetCase{"Form1.btnpage1.Height", "20"},
        GetCase{"Form1.Panel1.Visible", "1"}, GetCase{"form1.BTNSEL1.caption", "Unselected"}));

struct FailCase {
  const char* command;
  int code;
  const char* reply;
};

class AutomationFailTest : public AutomationTest, public ::testing::WithParamInterface<FailCase> {};

TEST_P(AutomationFailTest, RepliesWithTheReasonAndChangesNothing) {
  std::string before = Run("dump Form1").text + Run("dump Form2").text;
  Reply reply = Run(GetParam().command);
  EXPECT_EQ(reply.code, GetParam().code);
  EXPECT_EQ(reply.text, GetParam().reply);
  EXPECT_EQ(Run("dump Form1").text + Run("dump Form2").text, before);
  EXPECT_EQ(Run("messages").text, "");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, AutomationFailTest,
    ::testing::Values(
        FailCase{"", 1, "empty command"}, FailCase{"jump Form1", 1, "unknown command: jump"},
        FailCase{"Forms", 1, "unknown command: Forms"},
        FailCase{"forms now", 1, "forms takes no arguments"},
        FailCase{"get Form1.Caption\nclick Form1.btnsel1", 1, "a command is a single line"},
        FailCase{"get Form9.Caption", 1, "unknown form: Form9"},
        FailCase{"get Form1.btnsel9.Caption", 1, "unknown control: Form1.btnsel9"},
        FailCase{"get Form1..Caption", 1, "unknown control: Form1."},
        FailCase{"get .Caption", 1, "unknown form: "},
        FailCase{"get Form1.btnsel1.Position", 1,
                 "Form1.btnsel1 (Button) has no property Position"},
        FailCase{"get Form1.Shine", 1, "Form1 has no property Shine"},
        FailCase{"get Form1", 1, "expected FORM.PROPERTY or FORM.CONTROL.PROPERTY: Form1"},
        FailCase{"get Form1.bar1.Min.Max", 1,
                 "expected FORM.PROPERTY or FORM.CONTROL.PROPERTY: Form1.bar1.Min.Max"},
        FailCase{"get  Form1.Caption", 1, "get takes one argument"},
        FailCase{"click Form1", 1, "expected FORM.CONTROL: Form1"},
        FailCase{"click Form1.btnrec", 2, "Form1.btnrec is inside disabled GroupBox1"},
        FailCase{"click Form1.Page21", 2, "Form1.Page21 is disabled"},
        FailCase{"click Form1.N1", 2, "Form1.N1 is a separator"},
        FailCase{"click Form2.Button2", 2, "Form2 is not shown"},
        FailCase{"set Form1.bar1 ten", 1, "'ten' is not a valid integer value"},
        FailCase{"set Form1.bar1 5.5", 1, "'5.5' is not a valid integer value"},
        FailCase{"set Form1.bar1", 1, "set takes 2 arguments separated by single spaces"},
        FailCase{"set Form1.btnsel1 5", 1, "Form1.btnsel1 is a Button, not a Slider or SpinEdit"},
        FailCase{"set Form1.currframe 5", 2, "Form1.currframe is inside disabled GroupBox1"},
        FailCase{"type Form1.infoobj Head", 2, "Form1.infoobj is read-only"},
        FailCase{"type Form1.bar1 5", 1, "Form1.bar1 is a Slider, not an Edit or SpinEdit"},
        FailCase{"leave Form1.btnsel1", 1, "Form1.btnsel1 is a Button, not an Edit or SpinEdit"},
        FailCase{"choose Form2.ListBox1 0", 2, "Form2 is not shown"},
        FailCase{"choose Form1.bar1 0", 1, "Form1.bar1 is a Slider, not a ListBox"},
        FailCase{"close Form2", 2, "Form2 is not shown"},
        FailCase{"close Form7", 1, "unknown form: Form7"},
        FailCase{"hittest Form1 x 3", 1, "'x' is not a valid integer value"},
        FailCase{"hittest Form1 3", 1, "hittest takes 3 arguments separated by single spaces"},
        FailCase{"dump Form7", 1, "unknown form: Form7"},
        FailCase{"answer-cancel now", 1, "answer-cancel takes no arguments"}));

TEST_F(AutomationTest, ClickPressesAsTheUserDoes) {
  EXPECT_EQ(Run("click Form1.NewMorphingInfo1").code, kAutomationDone);
  EXPECT_EQ(newMorphs, 1);
  EXPECT_EQ(Run("click Form1.box1").code, kAutomationDone);
  EXPECT_EQ(Get("Form1.box1.Checked"), "0");
  panel->Find<GroupBox>("GroupBox1")->SetEnabled(true);
  EXPECT_EQ(Run("click Form1.btnrec").code, kAutomationDone);
  EXPECT_EQ(records, 1);
}

TEST_F(AutomationTest, HandlerErrorsAreShownAndTheClickStillCounts) {
  chooser->Show();
  EXPECT_EQ(Run("click Form2.Button2").code, kAutomationDone);
  EXPECT_EQ(Run("messages").text, "List index out of bounds (-1)");
  EXPECT_EQ(Run("choose Form2.ListBox1 1").code, kAutomationDone);
  EXPECT_EQ(Run("click Form2.Button2").code, kAutomationDone);
  EXPECT_EQ(Run("messages").text, "");
}

TEST_F(AutomationTest, SetMovesSlidersWithinTheirRange) {
  EXPECT_EQ(Run("set Form1.bar1 40").code, kAutomationDone);
  EXPECT_EQ(Get("Form1.val1.Caption"), "40");
  EXPECT_EQ(Run("set Form1.bar1 $FF").code, kAutomationDone);
  EXPECT_EQ(Get("Form1.bar1.Position"), "100");
  EXPECT_EQ(Run("set Form1.bar1 -5").code, kAutomationDone);
  EXPECT_EQ(Get("Form1.val1.Caption"), "0");
}

TEST_F(AutomationTest, TypeTakesTheRestOfTheLineAndLeaveClamps) {
  EXPECT_EQ(Run("type Form1.Edit1 Head  2 ").code, kAutomationDone);
  EXPECT_EQ(Get("Form1.Edit1.Text"), "Head  2 ");
  EXPECT_EQ(Run("type Form1.Edit1 ").code, kAutomationDone);
  EXPECT_EQ(Get("Form1.Edit1.Text"), "");
  panel->Find<GroupBox>("GroupBox1")->SetEnabled(true);
  EXPECT_EQ(Run("type Form1.currframe 150000").code, kAutomationDone);
  EXPECT_EQ(Get("Form1.currframe.Value"), "150000");
  EXPECT_EQ(Run("leave Form1.currframe").code, kAutomationDone);
  EXPECT_EQ(Get("Form1.currframe.Text"), "99999");
  EXPECT_EQ(Run("set Form1.currframe 12").code, kAutomationDone);
  EXPECT_EQ(Get("Form1.currframe.Value"), "12");
}

TEST_F(AutomationTest, ChooseAndRefusedEntries) {
  chooser->Show();
  EXPECT_EQ(Run("choose Form2.ListBox1 1").code, kAutomationDone);
  EXPECT_EQ(Get("Form2.ListBox1.ItemIndex"), "1");
  Reply missing = Run("choose Form2.ListBox1 2");
  EXPECT_EQ(missing.code, kAutomationRefused);
  EXPECT_EQ(missing.text, "Form2.ListBox1 has no entry 2 (2 entries)");
  EXPECT_EQ(Get("Form2.ListBox1.ItemIndex"), "1");
  EXPECT_EQ(Run("choose Form2.ListBox1 -1").code, kAutomationDone);
  EXPECT_EQ(Get("Form2.ListBox1.ItemIndex"), "-1");
}

TEST_F(AutomationTest, CloseUsesTheCloseBox) {
  EXPECT_EQ(Run("close Form1").code, kAutomationDone);
  EXPECT_EQ(Run("forms").text, "Form1 0\nForm2 0");
  EXPECT_EQ(Run("close Form1").code, kAutomationRefused);
}

TEST_F(AutomationTest, AnswersFeedTheNextInputBoxes) {
  EXPECT_EQ(Run("answer Head 2").code, kAutomationDone);
  EXPECT_EQ(Run("answer-cancel").code, kAutomationDone);
  Run("click Form1.btnsel1");
  EXPECT_EQ(Get("Form1.btnsel1.Caption"), "Head 2");
  Run("click Form1.btnsel1"); // cancelled: the initial text comes back
  EXPECT_EQ(Get("Form1.btnsel1.Caption"), "Unselected");
  Run("answer");
  Run("click Form1.btnsel1");
  EXPECT_EQ(Get("Form1.btnsel1.Caption"), "");
}

TEST_F(AutomationTest, MessagesAreOneLineEachAndTakenOnce) {
  ShowMessage("Invalid Morph Information Object");
  ShowMessage("two\r\nlines \\ here");
  EXPECT_EQ(Run("messages").text, "Invalid Morph Information Object\ntwo\\r\\nlines \\\\ here");
  EXPECT_EQ(Run("messages").text, "");
}

TEST_F(AutomationTest, TextsAreEscapedLikeMessages) {
  panel->Find<StaticText>("val1")->SetCaption("a\nb\\c");
  EXPECT_EQ(Get("Form1.val1.Caption"), "a\\nb\\\\c");
}

TEST_F(AutomationTest, HitTestAsksTheFormsOwnHitTest) {
  EXPECT_EQ(Run("hittest Form1 200 60").text, "caption"); // bare client area
  EXPECT_EQ(Run("hittest Form1 15 45").text, "client");   // btnpage1
  EXPECT_EQ(Run("hittest Form1 10 100").text, "client");  // inside Panel1
  EXPECT_EQ(Run("hittest Form1 10 10").text, "caption");  // the disabled GroupBox1
  EXPECT_EQ(Run("hittest Form2 10 10").text, "client");   // no dragging on a plain form
}

TEST_F(AutomationTest, DumpShowsEveryControlAndMenuItemInCreationOrder) {
  TestForm& form = NewForm("Form3");
  form.SetCaption("Select \"Morph\" Target");
  form.Menu().Add("Hide1", "Hide").SetChecked(true);
  auto& group = form.Add<GroupBox>("GroupBox1");
  group.SetBounds(1, 2, 30, 40);
  auto& list = form.Add<ListBox>("ListBox1", &group);
  list.SetItems({"Cube", "a \"b\""});
  list.SetItemIndex(0);
  auto& bar = form.Add<Slider>("bar1");
  bar.SetMin(1);
  bar.SetEnabled(false);
  form.Add<SpinEdit>("currframe");
  form.Add<Label>("Label1").SetCaption("Time\nCode");
  const std::string expected =
      "Form3 Form Caption=\"Select \\\"Morph\\\" Target\" Visible=0 Enabled=1 Left=0 Top=0 "
      "Width=320 Height=240 ClientWidth=312 ClientHeight=197 Color=clBtnFace "
      "FontColor=clWindowText\n"
      "Hide1 MenuItem Parent=- Enabled=1 Visible=1 Caption=\"Hide\" Checked=1 RadioItem=0 "
      "GroupIndex=0 Count=0\n"
      "GroupBox1 GroupBox Parent=- Left=1 Top=2 Width=30 Height=40 Enabled=1 Visible=1 "
      "Caption=\"\" Color=clBtnFace FontColor=clWindowText\n"
      "ListBox1 ListBox Parent=GroupBox1 Left=0 Top=0 Width=0 Height=0 Enabled=1 Visible=1 "
      "ItemIndex=0 Count=2 Items=[\"Cube\",\"a \\\"b\\\"\"] Color=clWindow "
      "FontColor=clWindowText\n"
      "bar1 Slider Parent=- Left=0 Top=0 Width=0 Height=0 Enabled=0 Visible=1 Min=1 Max=100 "
      "Position=1 Color=clBtnFace FontColor=clWindowText\n"
      "currframe SpinEdit Parent=- Left=0 Top=0 Width=0 Height=0 Enabled=1 Visible=1 "
      "Text=\"0\" ReadOnly=0 Min=0 Max=100 Value=0 Color=clWindow FontColor=clWindowText\n"
      "Label1 Label Parent=- Left=0 Top=0 Width=0 Height=0 Enabled=1 Visible=1 "
      "Caption=\"Time\\nCode\" Color=clBtnFace FontColor=clWindowText";
  Reply dump = Run("dump Form3");
  EXPECT_EQ(dump.code, kAutomationDone);
  EXPECT_EQ(dump.text, expected);
}

} // namespace
} // namespace qm::widgets::testing
