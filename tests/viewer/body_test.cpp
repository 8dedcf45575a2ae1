#include <gtest/gtest.h>

#include "viewer/viewer_fixture.h"

namespace vantelor {
namespace {

using testsupport::Columns;
using BodyTest = testsupport::ViewerTest;

void ExpectInStep(Frm_VisualisationBulletin& w) {
  for (ui::ListBox* list : Columns(w))
    EXPECT_EQ(list->ListCount(), w.Lst_Rubrique.ListCount()) << list->Name();
}
// Row `i` of the seven lists joined by '/'.
std::string Row(Frm_VisualisationBulletin& w, int i) {
  ExpectInStep(w);
  std::string out;
  for (ui::ListBox* list : Columns(w)) out += list->List(i) + "/";
  return out.substr(0, out.size() - 1);
}

// Each column of a line goes to its own list; the totals are followed by a blank row in
// every list, so the columns stay in step.
TEST_F(BodyTest, EachColumnGoesToItsListAndTheBlankRowKeepsThemInStep) {
  auto w = Open({"Vieillesse plafonnée|83420|8200|6840|6550|1234|-5464", "<bold>COTISATIONS",
                 "TOTAL DES COTISATIONS|||33781||83420|-17931", "*", "SALAIRE TOTAL NET|65489"});
  ASSERT_EQ(w->Lst_Rubrique.ListCount(), 6);
  EXPECT_EQ(Row(*w, 0),
            "Vieillesse plafonnée/   834,20/  8,200/    68,40/  6,550/    12,34/   54,64");
  EXPECT_EQ(Row(*w, 1), "COTISATIONS//////");
  EXPECT_EQ(Row(*w, 3), "//////");
  EXPECT_EQ(Row(*w, 4), "//////");
  EXPECT_EQ(Row(*w, 5), "SALAIRE TOTAL NET//////  654,89");
  EXPECT_EQ(w->W_Ligne, 24 + 4);  // the end marker, then 2 + 2 for the footer
}

// Twenty rows fit the lists; one more shows the bar and narrows nothing but widens the
// last list over the bar's place. The blank row after the totals counts as a row. The
// cases follow one another so that a window never keeps what the previous one showed.
TEST_F(BodyTest, ScrollBarAndLastColumnAroundTwentyRows) {
  testsupport::Lines withTotals = testsupport::OrdinaryLines(19);
  withTotals.push_back("TOTAL DES COTISATIONS|1");
  const struct {
    testsupport::Lines lines;
    int rows;
    int width;
  } cases[] = {{testsupport::OrdinaryLines(60), 60, 1335},
               {testsupport::OrdinaryLines(1), 1, 1095},
               {testsupport::OrdinaryLines(21), 21, 1335},
               {testsupport::OrdinaryLines(20), 20, 1095},
               {withTotals, 21, 1335}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines.size());
    auto w = Open(c.lines);
    ExpectInStep(*w);
    EXPECT_EQ(w->Lst_Rubrique.ListCount(), c.rows);
    EXPECT_EQ(w->Bdv_Detail.Max(), c.rows - 1);
    EXPECT_EQ(w->Bdv_Detail.Visible(), c.rows > 20);
    EXPECT_EQ(w->Lst_ADeduire.Width(), c.width);
    w->Cmd_Retour.UserClick();
  }
}

TEST_F(BodyTest, AClickInAnyListOrTheBarSelectsTheRowInEveryList) {
  auto w = Open(testsupport::OrdinaryLines(30));
  const auto expectSelected = [&](int row, int top) {
    EXPECT_EQ(w->Bdv_Detail.Value(), row);
    for (ui::ListBox* list : Columns(*w)) {
      EXPECT_EQ(list->ListIndex(), row) << list->Name();
      if (top >= 0) {
        EXPECT_EQ(list->TopIndex(), top) << list->Name();
      }
    }
  };
  for (ui::ListBox* clicked : Columns(*w)) {
    SCOPED_TRACE(clicked->Name());
    clicked->UserClick(5);
    expectSelected(5, -1);
    clicked->UserClick(0);
  }
  w->Lst_TauxSal.UserClick(27);
  expectSelected(27, 8);  // 20 rows in view, 27 the last of them
  w->Bdv_Detail.UserArrow(false);
  w->Bdv_Detail.UserPage(false);
  expectSelected(25, -1);
  w->Bdv_Detail.UserDrag(3);  // the lists follow the thumb only when it is released
  EXPECT_EQ(w->Lst_Base.ListIndex(), 25);
  w->Bdv_Detail.UserRelease();
  expectSelected(3, -1);
}

}  // namespace
}  // namespace vantelor
