// The selection screen as designed: its controls in tab order with their captions, the
// fixed-pitch boxes, the help contexts and a layout where every control lies inside its
// frame and no two visible controls overlap.
#include <gtest/gtest.h>

#include <set>

#include "support/selection_fixture.h"

namespace {

class SelectionScreenTest : public testsupport::SelectionFixture {
 protected:
  std::vector<ui::Control*> ByTabIndex() {
    std::vector<ui::Control*> controls;
    for (ui::Control* c : screen.Controls()) {
      if (c->kind() != ui::Kind::Menu) controls.push_back(c);
    }
    std::stable_sort(controls.begin(), controls.end(),
                     [](ui::Control* a, ui::Control* b) { return a->TabIndex() < b->TabIndex(); });
    return controls;
  }
};

std::string CaptionOf(const ui::Control& c) {
  ui::PropertyValue caption;
  return c.GetProperty("Caption", caption) ? ui::ToText(caption) : "";
}

TEST_F(SelectionScreenTest, ControlsComeInTabOrderWithTheirCaptions) {
  // Name, caption ("" for none), in tab order.
  // clang-format off
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Cdr_Selection", "Critères de sélection"}, {"Cac_Prestataire", "Prestataire"},
      {"Cac_Mandataire", "Mandataire"}, {"Cdr_Individu", "Choix de l'aidant et/ou de l'aidé"},
      {"Etq_Select", "Aidant"}, {"Txt_CodeAidant", ""}, {"Cbo_NomAidant", ""},
      {"Etq_Aide", "Aidé"}, {"Txt_CodeAide", ""}, {"Cbo_NomAide", ""},
      {"Cmd_Recherche", "Recherche"}, {"Cdr_Periode", "Période de paie"},
      {"Etq_DebutPeriode", "De"}, {"Cbo_DebutPeriode", ""}, {"Cbo_DebutAn", ""},
      {"Etq_FinPeriode", "A"}, {"Cbo_FinPeriode", ""}, {"Cbo_FinAn", ""},
      {"Cmd_Lister", "Lister"}, {"Cdr_Select", "Sélection"}, {"Etq_Periode", "Période"},
      {"Etq_Employeur", "Employeur"}, {"Lst_Periode", ""}, {"Lst_CodeArchive", ""},
      {"Cmd_Imprimer", "Imprimer"}, {"Cac_Preimp", "Documents pré imprimés"},
      {"Cmd_OK", "OK"}, {"Cmd_Sortir", "Sortir"}};
  // clang-format on
  std::vector<std::pair<std::string, std::string>> actual;
  for (ui::Control* c : ByTabIndex()) {
    if (c->Name() != "Ctr_Ostrel") actual.emplace_back(c->Name(), CaptionOf(*c));
  }
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(screen.Mnu_Aide.Caption(), "Aide");
  EXPECT_EQ(screen.Mnu_Sommaire.Caption(), "Aide_KALVENOR");
  EXPECT_EQ(screen.Mnu_Aide.Entries(), std::vector<ui::Menu*>{&screen.Mnu_Sommaire});
}

TEST_F(SelectionScreenTest, PeriodBoxesAndTheResultListUseTheFixedPitchFont) {
  const std::set<std::string> fixed = {"Cbo_DebutPeriode", "Cbo_DebutAn", "Cbo_FinPeriode",
                                       "Cbo_FinAn", "Lst_Periode"};
  for (ui::Control* c : screen.Controls()) {
    EXPECT_EQ(c->font().family == "Courier New", fixed.count(c->Name()) == 1) << c->Name();
  }
  const std::vector<std::string> months = {"Janvier",   "Février", "Mars",     "Avril",
                                           "Mai",       "Juin",    "Juillet",  "Août",
                                           "Septembre", "Octobre", "Novembre", "Décembre"};
  EXPECT_EQ(screen.Cbo_DebutPeriode.Items(), months);
  EXPECT_EQ(screen.Cbo_FinPeriode.Items(), months);
  EXPECT_EQ(screen.Txt_CodeAidant.MaxLength(), 5);
  EXPECT_EQ(screen.Txt_CodeAide.MaxLength(), 5);
  EXPECT_FALSE(screen.Lst_CodeArchive.Visible());
}

TEST_F(SelectionScreenTest, HelpContextTenOnTheControlsOfTheSelectionTopic) {
  const std::set<std::string> withHelp = {
      "Txt_CodeAidant", "Cbo_NomAidant",  "Txt_CodeAide", "Cbo_NomAide",
      "Cmd_Recherche",  "Cdr_Selection",  "Cdr_Periode",  "Cbo_DebutPeriode",
      "Cbo_DebutAn",    "Cbo_FinPeriode", "Cbo_FinAn",    "Cmd_Lister",
      "Cdr_Select",     "Lst_Periode",    "Cmd_OK",       "Cmd_Sortir"};
  for (ui::Control* c : screen.Controls()) {
    EXPECT_EQ(c->HelpContextID(), withHelp.count(c->Name()) ? 10 : 0) << c->Name();
  }
}

TEST_F(SelectionScreenTest, EveryControlLiesInsideItsFrameAndNoneOverlap) {
  for (ui::Control* c : screen.Controls()) {
    if (c->kind() == ui::Kind::Menu) continue;
    const ui::Control* box = c->Container() ? c->Container() : &screen;
    SCOPED_TRACE(c->Name() + " in " + box->Name());
    EXPECT_GT(c->Width(), 0);
    EXPECT_GT(c->Height(), 0);
    EXPECT_GE(c->Left(), 0);
    EXPECT_GE(c->Top(), 0);
    EXPECT_LE(c->Left() + c->Width(), box->Width());
    EXPECT_LE(c->Top() + c->Height(), box->Height());
  }
  for (ui::Control* a : screen.Controls()) {
    for (ui::Control* b : screen.Controls()) {
      if (a >= b || a->Container() != b->Container() || !a->Visible() || !b->Visible() ||
          a->kind() == ui::Kind::Menu || b->kind() == ui::Kind::Menu) {
        continue;
      }
      const bool apart = a->Left() + a->Width() <= b->Left() ||
                         b->Left() + b->Width() <= a->Left() ||
                         a->Top() + a->Height() <= b->Top() || b->Top() + b->Height() <= a->Top();
      EXPECT_TRUE(apart) << a->Name() << " overlaps " << b->Name();
    }
  }
}

}  // namespace
