#include <gtest/gtest.h>

#include "event_log.h"
#include "ui/test_desktop.h"

namespace {

using ui_test::LoggedForm;
using Log = std::vector<std::string>;

class ScrollBarTest : public ::testing::Test {
 protected:
  ScrollBarTest() {
    bar.OnChange = [this] { form.log.push_back("Change:" + std::to_string(bar.Value())); };
    bar.OnScroll = [this] { form.log.push_back("Scroll:" + std::to_string(bar.Value())); };
  }
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  LoggedForm form;
  ui::VScrollBar bar{form, "Bdv_Detail"};
};

TEST_F(ScrollBarTest, RaisingMinAboveTheValueMovesItAndRaisesOneChange) {
  bar.SetMin(-1);
  bar.SetValue(-1);
  bar.SetMax(25);
  form.TakeLog();
  bar.SetMin(0);
  EXPECT_EQ(bar.Value(), 0);
  EXPECT_EQ(form.TakeLog(), Log{"Change:0"});
}

TEST_F(ScrollBarTest, ValueStaysWithinMinAndMax) {
  struct Case {
    int min, max, set, expected;
  };
  for (const Case& c : {Case{0, 20, 7, 7}, Case{0, 20, 25, 20}, Case{0, 20, -4, 0},
                        Case{5, 5, 0, 5}, Case{0, -1, 3, 0}, Case{0, -1, -3, -1}}) {
    bar.SetMin(c.min);
    bar.SetMax(c.max);
    bar.SetValue(c.set);
    EXPECT_EQ(bar.Value(), c.expected) << c.min << ".." << c.max << " set " << c.set;
  }
}

TEST_F(ScrollBarTest, LoweringMaxBelowTheValueRaisesChange) {
  bar.SetMax(20);
  bar.SetValue(15);
  form.TakeLog();
  bar.SetMax(10);
  bar.SetMax(12);  // the value no longer has to move
  EXPECT_EQ(form.TakeLog(), Log{"Change:10"});
}

TEST_F(ScrollBarTest, SettingTheSameValueRaisesNothing) {
  bar.SetMax(20);
  bar.SetValue(4);
  form.TakeLog();
  bar.SetValue(4);
  bar.SetValue(30);
  bar.SetValue(30);
  EXPECT_EQ(form.TakeLog(), Log{"Change:20"});
}

TEST_F(ScrollBarTest, DraggingRaisesScrollAndTheReleaseRaisesChange) {
  bar.SetMax(20);
  bar.UserDrag(3);
  bar.UserDrag(5);
  bar.UserDrag(5);
  bar.UserRelease();
  EXPECT_EQ(form.TakeLog(), (Log{"Scroll:3", "Scroll:5", "Change:5"}));
  bar.UserDrag(8);
  bar.UserDrag(5);
  bar.UserRelease();  // back where the drag started: nothing changed
  EXPECT_EQ(form.TakeLog(), (Log{"Scroll:8", "Scroll:5"}));
}

TEST_F(ScrollBarTest, ArrowsAndPageClicksMoveBySmallAndLargeChange) {
  bar.SetMax(20);
  bar.SetLargeChange(5);
  bar.UserArrow(true);
  bar.UserPage(true);
  bar.UserArrow(false);
  bar.UserPage(false);
  bar.UserPage(false);
  EXPECT_EQ(form.TakeLog(), (Log{"Change:1", "Change:6", "Change:5", "Change:0"}));
}

TEST_F(ScrollBarTest, HiddenBarTakesNoInput) {
  bar.SetMax(20);
  bar.SetVisible(false);
  bar.UserArrow(true);
  bar.UserDrag(4);
  bar.UserRelease();
  EXPECT_EQ(form.TakeLog(), Log{});
}

}  // namespace

TEST_F(ScrollBarTest, TheWheelOverListsThatScrollTogetherMovesTheirBar) {
  ui::ListBox labels{form, "Lst_Rubrique"}, amounts{form, "Lst_APayer"}, alone{form, "Lst_Autre"};
  for (ui::ListBox* list : {&labels, &amounts, &alone}) {
    list->SetHeight(4 * 210);
    for (int i = 0; i < 30; ++i) list->AddItem(std::to_string(i));
  }
  labels.ScrollWith(&bar);
  amounts.ScrollWith(&bar);
  bar.SetMax(29);
  labels.UserWheel(4 * ui::kWheelLines);
  bar.UserWheel(-ui::kWheelLines);
  alone.UserWheel(2 * ui::kWheelLines);
  EXPECT_EQ(form.TakeLog(), (Log{"Change:12", "Change:9"}));
  EXPECT_EQ(labels.TopIndex(), 0);  // the bar's Change moves the lists, not the wheel
  EXPECT_EQ(alone.TopIndex(), 6);   // a list on its own scrolls itself
}
