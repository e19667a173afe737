#include <gtest/gtest.h>

#include "platform/exception.h"
#include "widgets/list_box.h"
#include "widgets_test_support.h"

namespace qm::widgets::testing {
namespace {

class ListBoxTest : public WidgetsTest {
protected:
  void SetUp() override {
    WidgetsTest::SetUp();
    list = &NewForm("Form2").Add<ListBox>("ListBox1");
    list->SetItems({"Cube", "Sphere", "Cube"});
  }

  ListBox* list = nullptr;
};

TEST_F(ListBoxTest, ReadingAnEntryOutsideTheListRaisesTheIndexError) {
  for (int index : {-1, 3, 100}) {
    try {
      (void)list->Item(index);
      ADD_FAILURE() << "no error for " << index;
    } catch (const EListError& error) {
      EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
    }
  }
}

TEST_F(ListBoxTest, NothingIsChosenAtFirst) {
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_THROW((void)list->Item(list->ItemIndex()), EListError);
}

TEST_F(ListBoxTest, ChoosingAndReading) {
  list->SetItemIndex(2);
  EXPECT_EQ(list->Item(list->ItemIndex()), "Cube");
  EXPECT_EQ(list->Count(), 3);
}

TEST_F(ListBoxTest, AnIndexOutsideTheListChoosesNothing) {
  list->SetItemIndex(1);
  list->SetItemIndex(3);
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetItemIndex(1);
  list->SetItemIndex(-7);
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListBoxTest, AddingKeepsTheChoiceAndRefillingDropsIt) {
  list->SetItemIndex(1);
  list->AddItem("Cone");
  EXPECT_EQ(list->ItemIndex(), 1);
  list->ClearItems();
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->Count(), 0);
}

} // namespace
} // namespace qm::widgets::testing
