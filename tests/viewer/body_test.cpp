#include <gtest/gtest.h>

#include "data/conversion.h"
#include "viewer/viewer_fixture.h"

namespace vantelor {
namespace {

using testsupport::Columns;
using BodyTest = testsupport::ViewerTest;

std::string F(std::string_view x, int i, int d, bool flag) {
  return dba::TheConversion().FormatNumber(x, i, d, flag);
}

TEST_F(BodyTest, EachColumnGoesToItsList) {
  auto w = Open({"Vieillesse plafonnée|83420|8200|6840|6550|1234|-5464"});
  const std::string expected[] = {"Vieillesse plafonnée", F("834.20", 5, 2, true),
                                  F("8.200", 2, 3, true), F("68.40", 5, 2, true),
                                  F("6.550", 2, 3, true), F("12.34", 5, 2, true),
                                  F("54.64", 5, 2, false)};
  const auto columns = Columns(*w);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    ASSERT_EQ(columns[c]->ListCount(), 1) << columns[c]->Name();
    EXPECT_EQ(columns[c]->List(0), expected[c]) << columns[c]->Name();
  }
}

TEST_F(BodyTest, BlankRowAfterTheTotalsKeepsTheColumnsInStep) {
  auto w = Open({"<bold>COTISATIONS", "TOTAL DES COTISATIONS|||33781||83420|-17931", "*",
                 "SALAIRE TOTAL NET|65489"});
  for (ui::ListBox* list : Columns(*w)) {
    ASSERT_EQ(list->ListCount(), 5) << list->Name();
    EXPECT_EQ(list->List(2), "") << list->Name();
    EXPECT_EQ(list->List(3), "") << list->Name();
  }
  EXPECT_EQ(w->Lst_Rubrique.List(0), "COTISATIONS");
  EXPECT_EQ(w->Lst_ADeduire.List(4), F("654.89", 5, 2, false));
  EXPECT_EQ(w->W_Ligne, 23 + 4);  // the end marker, then 2 + 2 for the footer
}

TEST_F(BodyTest, ScrollBarAndLastColumnAroundTwentyRows) {
  const struct {
    int lines;
    bool scrolls;
    int width;
  } cases[] = {{1, false, 1095}, {20, false, 1095}, {21, true, 1335}, {60, true, 1335}};
  for (const auto& c : cases) {
    auto w = Open(testsupport::OrdinaryLines(c.lines));
    for (ui::ListBox* list : Columns(*w)) EXPECT_EQ(list->ListCount(), c.lines) << list->Name();
    EXPECT_EQ(w->Bdv_Detail.Max(), c.lines - 1) << c.lines;
    EXPECT_EQ(w->Bdv_Detail.Visible(), c.scrolls) << c.lines;
    EXPECT_EQ(w->Lst_ADeduire.Width(), c.width) << c.lines;
  }
}

TEST_F(BodyTest, TwentyLinesPlusTheRowAfterTheTotalsScroll) {
  testsupport::Lines lines = testsupport::OrdinaryLines(19);
  lines.push_back("TOTAL DES COTISATIONS|1");
  auto w = Open(lines);
  EXPECT_EQ(w->Lst_Rubrique.ListCount(), 21);
  EXPECT_TRUE(w->Bdv_Detail.Visible());
}

TEST_F(BodyTest, ClickingARowSelectsItInEveryColumn) {
  auto w = Open(testsupport::OrdinaryLines(30));
  for (ui::ListBox* clicked : Columns(*w)) {
    clicked->UserClick(5);
    EXPECT_EQ(w->Bdv_Detail.Value(), 5) << clicked->Name();
    for (ui::ListBox* list : Columns(*w)) EXPECT_EQ(list->ListIndex(), 5) << list->Name();
    clicked->UserClick(0);
  }
  w->Lst_TauxSal.UserClick(27);
  for (ui::ListBox* list : Columns(*w)) {
    EXPECT_EQ(list->ListIndex(), 27) << list->Name();
    EXPECT_EQ(list->TopIndex(), 8) << list->Name();  // 20 rows in view, 27 the last of them
  }
}

TEST_F(BodyTest, ScrollBarMovesTheListsTogetherButNotWhileDragging) {
  auto w = Open(testsupport::OrdinaryLines(30));
  w->Bdv_Detail.UserArrow(true);
  w->Bdv_Detail.UserPage(true);
  for (ui::ListBox* list : Columns(*w)) EXPECT_EQ(list->ListIndex(), 2) << list->Name();
  w->Bdv_Detail.UserDrag(25);
  EXPECT_EQ(w->Lst_Base.ListIndex(), 2);
  w->Bdv_Detail.UserRelease();
  for (ui::ListBox* list : Columns(*w)) EXPECT_EQ(list->ListIndex(), 25) << list->Name();
}

TEST_F(BodyTest, SecondOpeningShowsOnlyTheSecondPayslip) {
  auto first = Open(testsupport::OrdinaryLines(25));
  first->Cmd_Retour.UserClick();
  first.reset();
  auto second = Open({"Autre ligne|100"});
  EXPECT_EQ(second->Lst_Rubrique.Items(), std::vector<std::string>{"Autre ligne"});
  EXPECT_FALSE(second->Bdv_Detail.Visible());
  EXPECT_EQ(second->Lst_ADeduire.Width(), 1095);
}

}  // namespace
}  // namespace vantelor
