#include <gtest/gtest.h>

#include <stdexcept>

#include "event_log.h"
#include "ui/test_desktop.h"

namespace {

using ui_test::LoggedForm;
using Log = std::vector<std::string>;

class ListTest : public ::testing::Test {
 protected:
  ListTest() {
    list.Move(0, 0, 1200, 4 * 210);  // four rows in view
    for (int i = 0; i < 10; ++i) list.AddItem("row " + std::to_string(i));
    list.OnClick = [this] { form.log.push_back("Click:" + std::to_string(list.ListIndex())); };
    list.OnDblClick = form.Logs("DblClick");
    combo.AddItem("Janvier");
    combo.AddItem("Février");
    combo.OnClick = [this] { form.log.push_back("ComboClick:" + combo.Text()); };
    combo.OnChange = form.Logs("ComboChange");
  }
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  LoggedForm form;
  ui::ListBox list{form, "Lst_Periode"};
  ui::ComboBox combo{form, "Cbo_DebutPeriode"};
};

TEST_F(ListTest, ClickIsRaisedOnlyWhenTheIndexChanges) {
  list.SetListIndex(3);
  list.SetListIndex(3);
  list.UserClick(3);
  list.UserClick(5);
  list.SetListIndex(-1);
  list.SetListIndex(-1);
  EXPECT_EQ(form.TakeLog(), (Log{"Click:3", "Click:5", "Click:-1"}));
}

TEST_F(ListTest, ComboClickFollowsTheIndexAndItsTextFollowsWithoutChange) {
  combo.SetListIndex(1);
  combo.SetListIndex(1);
  combo.UserChoose(1);
  combo.UserChoose(0);
  // The user's choice of the item already chosen is a Click too; the code's is nothing.
  EXPECT_EQ(form.TakeLog(),
            (Log{"ComboClick:Février", "ComboClick:Février", "ComboClick:Janvier"}));
  combo.SetListIndex(-1);
  EXPECT_EQ(combo.Text(), "");
}

TEST_F(ListTest, AnIndexOutsideTheRowsIsAClearErrorAndAClickThereOrOnADisabledListNothing) {
  list.SetListIndex(2);
  form.TakeLog();
  EXPECT_THROW(list.SetListIndex(10), std::out_of_range);
  EXPECT_THROW(list.SetListIndex(-2), std::out_of_range);
  EXPECT_THROW(combo.SetListIndex(2), std::out_of_range);
  EXPECT_EQ(list.ListIndex(), 2);
  EXPECT_EQ(combo.ListIndex(), -1);
  list.UserClick(10);      // a click below the last row selects nothing
  list.SetEnabled(false);  // nor does one on a disabled list, or a hidden combo box
  list.UserClick(3);
  combo.SetVisible(false);
  combo.UserChoose(1);
  EXPECT_EQ(form.TakeLog(), Log{});
}

TEST_F(ListTest, TheSelectedRowIsKeptInViewAndTheTopInTheRows) {
  struct Case {
    int top_before, select, top_after;
  };
  for (const Case& c :
       {Case{0, 3, 0}, Case{0, 4, 1}, Case{0, 9, 6}, Case{6, 2, 2}, Case{2, 5, 2}}) {
    list.SetTopIndex(c.top_before);
    list.SetListIndex(c.select);
    EXPECT_EQ(list.TopIndex(), c.top_after)
        << "from top " << c.top_before << " select " << c.select;
  }
  list.SetTopIndex(9);  // the top stops at the last full page
  EXPECT_EQ(list.TopIndex(), 6);
  list.SetTopIndex(-3);
  EXPECT_EQ(list.TopIndex(), 0);
}

TEST_F(ListTest, DoubleClickSelectsTheRowThenRaisesDblClick) {
  list.UserDoubleClick(7);
  EXPECT_EQ(form.TakeLog(), (Log{"Click:7", "DblClick"}));
  list.UserDoubleClick(7);
  EXPECT_EQ(form.TakeLog(), (Log{"DblClick"}));
}

TEST_F(ListTest, RemovingAndClearingRaiseNoClick) {
  list.SetListIndex(4);
  list.RemoveItem(1);
  EXPECT_EQ(list.ListIndex(), 3);
  list.RemoveItem(3);
  EXPECT_EQ(list.ListIndex(), -1);
  combo.SetListIndex(0);
  combo.Clear();
  list.Clear();
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(form.TakeLog(), (Log{"Click:4", "ComboClick:Janvier"}));
}

}  // namespace
