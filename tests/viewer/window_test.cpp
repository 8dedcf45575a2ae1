// The viewer window: the help menu, the body's scrolling, the footer's two layouts. A
// payslip opened from the listing, its header, frames and rows, is checked end to end by
// tests/e2e/viewer.script.
#include "viewer/viewer_fixture.h"

namespace vantelor {
namespace {

using testsupport::Columns;
using WindowTest = testsupport::ViewerTest;

TEST_F(WindowTest, OnlyTheRightButtonOverTheWindowOrAFramePopsUpHelp) {
  auto w = Open({"Ligne"});
  w->UserMouseDown(1, 0, 10, 10);
  EXPECT_TRUE(desk.Popups().empty());
  for (ui::Control* over : std::initializer_list<ui::Control*>{w.get(), &w->Cdr_Cadre1,
                                                               &w->Cdr_Cadre4, &w->Cdr_ConvCol}) {
    w->Mnu_Aide.SetEnabled(false);
    desk.OnPopupMenu([](ui::Menu& menu) { menu.Entries().at(0)->UserChoose(); });
    over->UserMouseDown(2, 0, 300, 120);
    EXPECT_EQ(desk.Popups().back(), (ui::PopupRecord{"Mnu_Aide", over->Name(), 300, 120}));
    EXPECT_EQ(desk.HelpCalls().back().command, ui::kHelpFinder);
  }
}

// Twenty rows fit the lists; one more shows the bar and widens the last list over its place.
TEST_F(WindowTest, TheBarShowsBeyondTwentyRowsAndEveryListFollowsIt) {
  for (const auto& [rows, width] : {std::pair{20, 1095}, {21, 1335}}) {
    auto w = Open(testsupport::OrdinaryLines(rows));
    EXPECT_EQ(w->Bdv_Detail.Visible(), rows > 20) << rows;
    EXPECT_EQ(w->Lst_ADeduire.Width(), width) << rows;
  }
  auto w = Open(testsupport::OrdinaryLines(30));
  for (ui::ListBox* clicked : Columns(*w)) {  // a click in any list selects the row in all
    clicked->UserClick(5);
    for (ui::ListBox* list : Columns(*w)) EXPECT_EQ(list->ListIndex(), 5) << clicked->Name();
    clicked->UserClick(0);
  }
  w->Lst_TauxSal.UserClick(27);
  w->Bdv_Detail.UserDrag(3);  // the lists follow the thumb only when it is released
  EXPECT_EQ(w->Lst_Base.ListIndex(), 27);
  w->Bdv_Detail.UserRelease();
  for (ui::ListBox* list : Columns(*w)) EXPECT_EQ(list->ListIndex(), 3) << list->Name();
}

// The net section (amounts under A DEDUIRE) runs from the net salary to the detail of
// the payments, which is laid out as an ordinary line again.
TEST_F(WindowTest, TheNetSectionEndsAtTheDetailOfPayments) {
  auto w = Open({"SALAIRE TOTAL NET|65489", "DETAIL DES PAIEMENTS|2000"});
  EXPECT_EQ(w->Lst_Base.List(0) + "/" + w->Lst_ADeduire.List(0), "/  654,89");
  EXPECT_EQ(w->Lst_Base.List(1) + "/" + w->Lst_ADeduire.List(1), "    20,00/");
}

// Without a gains total the employer total takes one wide caption, even when a deductions
// total is stored, and the gains and deductions parts of the frame go.
TEST_F(WindowTest, GainsAndDeductionsLayoutAndEmployerTotalLayout) {
  for (const auto& [totals, captions] :
       {std::pair{"1|2|3|33781|83420|-25000", "CHARGES PATR./   337,81/   834,20/  250,00"},
        {"1|2|3|33781||-25000", "TOTAL VERSE PAR L'EMPLOYEUR/   337,81//"}}) {
    SCOPED_TRACE(totals);
    auto w = Open({"Ligne"}, {"", totals, "", "66989|E", "||||439419||F"});
    EXPECT_EQ(w->Lab_ChgPat.Caption() + "/" + w->Etq_ChargesPat.Caption() + "/" +
                  w->Etq_Gains.Caption() + "/" + w->Etq_Retenues.Caption(),
              captions);
    EXPECT_EQ(w->Lab_Gain.Visible(), w->Etq_Gains.Caption() != "");
    EXPECT_EQ(w->Etq_NetEuros.Caption() + "/" + w->Etq_Lib2.Caption(), "  4394,19/Francs");
  }
}

}  // namespace
}  // namespace vantelor
