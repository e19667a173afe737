#include <gtest/gtest.h>

#include "platform/exception.h"
#include "widgets/menu.h"
#include "widgets_test_support.h"

namespace qm::widgets::testing {
namespace {

// The panel's Options menu: two page items in one radio group, then check items.
class MenuTest : public WidgetsTest {
protected:
  void SetUp() override {
    WidgetsTest::SetUp();
    Form& form = NewForm();
    options = &form.Menu().Add("Options1", "Options");
    page1 = &options->Add("Page11", "Page 1");
    page2 = &options->Add("Page21", "Page2");
    separator = &options->AddSeparator("N2");
    autoUpdate = &options->Add("AutoUpdate1", "Auto Update");
    for (MenuItem* page : {page1, page2})
      page->SetRadioItem(true);
    page1->SetChecked(true);
    update = &form.Menu().Add("Update2", "Update");
    update->OnClick = [this] { ++updates; };
  }

  MenuItem* options = nullptr;
  MenuItem* page1 = nullptr;
  MenuItem* page2 = nullptr;
  MenuItem* separator = nullptr;
  MenuItem* autoUpdate = nullptr;
  MenuItem* update = nullptr;
  int updates = 0;
};

TEST_F(MenuTest, ListsItemsInOrderAndKnowsTheirParents) {
  ASSERT_EQ(options->Items().size(), 4u);
  EXPECT_EQ(options->Items()[1], page2);
  EXPECT_EQ(page2->Parent(), options);
  EXPECT_EQ(update->Parent(), nullptr);
  EXPECT_TRUE(separator->IsSeparator());
  EXPECT_FALSE(page2->IsSeparator());
  EXPECT_EQ(page1->Owner().Find<MenuItem>("autoupdate1"), autoUpdate);
}

TEST_F(MenuTest, APressRunsTheHandlerOnlyWhileTheItemIsEnabled) {
  update->Click();
  update->SetEnabled(false);
  update->Click();
  update->SetEnabled(true);
  update->Click();
  EXPECT_EQ(updates, 2);
}

TEST_F(MenuTest, ADisabledParentDoesNotStopTheProgramsPress) {
  int runs = 0;
  autoUpdate->OnClick = [&] { ++runs; };
  options->SetEnabled(false);
  autoUpdate->Click();
  EXPECT_EQ(runs, 1);
}

TEST_F(MenuTest, CheckingARadioItemUnchecksTheOthersOfItsGroup) {
  page2->SetChecked(true);
  EXPECT_TRUE(page2->Checked());
  EXPECT_FALSE(page1->Checked());
  page1->SetChecked(true);
  EXPECT_FALSE(page2->Checked());
}

TEST_F(MenuTest, RadioGroupsAreKeptApartByGroupIndexAndRadioFlag) {
  autoUpdate->SetChecked(true); // a check item, not a radio item
  MenuItem& other = options->Add("Other1", "Other");
  other.SetRadioItem(true);
  other.SetGroupIndex(1);
  other.SetChecked(true);
  page2->SetChecked(true);
  EXPECT_TRUE(autoUpdate->Checked());
  EXPECT_TRUE(other.Checked());
  EXPECT_FALSE(page1->Checked());
}

TEST_F(MenuTest, RadioGroupsBelongToOneMenuLevel) {
  MenuItem& file = page1->Owner().Menu().Add("File1", "File");
  MenuItem& elsewhere = file.Add("Elsewhere1", "Elsewhere");
  elsewhere.SetRadioItem(true);
  elsewhere.SetChecked(true);
  EXPECT_TRUE(page1->Checked());
}

TEST_F(MenuTest, UncheckingARadioItemLeavesTheOthers) {
  page1->SetChecked(false);
  EXPECT_FALSE(page1->Checked());
  EXPECT_FALSE(page2->Checked());
}

TEST_F(MenuTest, NamesAreUniqueOnTheFormIgnoringCase) {
  EXPECT_THROW(options->Add("page11", "Again"), Exception);
  EXPECT_EQ(options->Items().size(), 4u);
}

} // namespace
} // namespace qm::widgets::testing
