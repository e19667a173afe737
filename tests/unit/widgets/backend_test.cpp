#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/buttons.h"
#include "widgets/headless/headless_backend.h"
#include "widgets_test_support.h"

namespace qm::widgets::testing {
namespace {

// Writes every notice down as "<what> <name>".
class RecordingBackend final : public Backend {
public:
  explicit RecordingBackend(std::vector<std::string>& log) : log_(log) {}
  void FormCreated(Form& form) override { Note("created", form.Name()); }
  void FormShown(Form& form) override { Note("shown", form.Name()); }
  void FormHidden(Form& form) override { Note("hidden", form.Name()); }
  void FormRaised(Form& form) override { Note("raised", form.Name()); }
  void FormMoved(Form& form) override { Note("moved", form.Name()); }
  void FormResized(Form& form) override { Note("resized", form.Name()); }
  void FormChanged(Form& form) override { Note("changed", form.Name()); }
  void FormDestroyed(Form& form) override { Note("destroyed", form.Name()); }
  void ComponentChanged(Component& component) override { Note("control", component.Path()); }

private:
  void Note(const char* what, const std::string& name) { log_.push_back(what + (" " + name)); }
  std::vector<std::string>& log_;
};

class BackendTest : public WidgetsTest {
protected:
  void SetUp() override {
    WidgetsTest::SetUp();
    SetBackend(std::make_unique<RecordingBackend>(log));
  }
  std::vector<std::string> log;
};

struct Built : TestForm {
  Built() : TestForm("Form1") {
    Add<Button>("Button1").SetCaption("set while building");
    SetCaption("Panel");
    OnCreate = [this] { Find<Button>("Button1")->SetEnabled(false); };
  }
};

TEST_F(BackendTest, LearnsEachStepOfAFormsLife) {
  Form& form = *CreateForm<Built>();
  form.Show();
  form.SetBounds(5, 5, 320, 240); // moved only
  form.SetHeight(40);
  form.Find<Button>("Button1")->SetEnabled(false); // no change, no notice
  form.Close();
  form.Free();
  EXPECT_EQ(log, (std::vector<std::string>{"created Form1", "control Form1.Button1", "raised Form1",
                                           "shown Form1", "moved Form1", "resized Form1",
                                           "hidden Form1", "destroyed Form1"}));
}

TEST_F(BackendTest, ANewBackendLearnsTheFormsAlreadyThere) {
  NewForm("Form1").Show();
  NewForm("Form2");
  log.clear();
  std::vector<std::string> second;
  SetBackend(std::make_unique<RecordingBackend>(second));
  EXPECT_EQ(second, (std::vector<std::string>{"created Form1", "shown Form1", "created Form2"}));
}

TEST(HeadlessBackendTest, ItsWindowsFollowTheForms) {
  SetBackend(nullptr);
  auto& headless = static_cast<HeadlessBackend&>(CurrentBackend());
  TestForm& form = *CreateForm<TestForm>("Form1");
  TestForm& other = *CreateForm<TestForm>("Form2");
  form.SetCaption("Quillmere");
  form.SetBounds(1, 2, 363, 362);
  form.Show();
  other.Show();
  form.Show();
  form.Add<Button>("Button1").SetCaption("Unselected");
  const HeadlessBackend::Window* window = headless.WindowOf(form);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->caption, "Quillmere");
  EXPECT_TRUE(window->visible);
  EXPECT_EQ(window->left, 1);
  EXPECT_EQ(window->top, 2);
  EXPECT_EQ(window->width, 363);
  EXPECT_EQ(window->height, 362);
  EXPECT_EQ(window->componentChanges, 1);
  EXPECT_EQ(headless.Front(), &form);
  form.Hide();
  EXPECT_FALSE(headless.WindowOf(form)->visible);
  form.Free();
  EXPECT_EQ(headless.WindowOf(form), nullptr);
  EXPECT_EQ(headless.Front(), nullptr);
  other.Free();
}

} // namespace
} // namespace qm::widgets::testing
