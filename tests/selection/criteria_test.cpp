// Activity and period criteria: Verif_Zones, when Lister may be used, the reset of the
// period area, the activity boxes, the pre-printed setting and the screen's layout.
#include "selection/selection_fixture.h"

namespace vantelor::testing {
namespace {

TEST(Criteria, VerifZonesStopsAtTheFirstFaultAndListerWaitsForAWholePeriod) {
  const struct {
    int m1, y1, m2, y2;   // list indexes (-1 = none); the years offered are 2004 and 2003
    const char* message;  // "" = the period passes
    const char* focus;
  } rows[] = {
      {-1, 1, -1, -1, "Le mois de début de période est obligatoire.", "Cbo_DebutPeriode"},
      {0, -1, -1, -1, "L'année de début de période est obligatoire.", "Cbo_DebutAn"},
      {0, 1, -1, 1, "Le mois de fin de période est obligatoire.", "Cbo_FinPeriode"},
      {0, 1, 2, -1, "L'année de fin de période est obligatoire.", "Cbo_FinAn"},
      // The end-month box gets the focus although the message names the start.
      {-1, -1, 2, 1, "Le mois de début de période est obligatoire.", "Cbo_FinPeriode"},
      {0, 0, 11, 1, "La période de fin doit être supérieure ou égale à la période de début.",
       "Cbo_FinPeriode"},
      {2, 1, 2, 1, "", ""},  // equal periods pass
  };
  Scene s;
  SelectionScreen& e = s.ecran;
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message()
                 << row.m1 << "/" << row.y1 << " - " << row.m2 << "/" << row.y2);
    e.Desactiver_Periode();
    for (ui::ComboBox* box :
         {&e.Cbo_DebutAn, &e.Cbo_FinAn, &e.Cbo_DebutPeriode, &e.Cbo_FinPeriode}) {
      for (const char* year : {"2004", "2003"}) {
        if (box->ListCount() < 2) box->AddItem(year);
      }
      box->SetEnabled(true);
    }
    e.Cdr_Periode.SetEnabled(true);
    e.Cbo_DebutPeriode.SetListIndex(row.m1);
    e.Cbo_DebutAn.SetListIndex(row.y1);
    e.Cbo_FinPeriode.SetListIndex(row.m2);
    e.Cbo_FinAn.SetListIndex(row.y2);
    EXPECT_EQ(e.Cmd_Lister.Enabled(), row.m1 >= 0 && row.y1 >= 0 && row.m2 >= 0 && row.y2 >= 0);
    if (*row.message) s.desktop.Answer(ui::kAnswerOk);
    const std::size_t before = s.desktop.Messages().size();
    e.Verif_Zones();
    EXPECT_EQ(e.W_Erreur, *row.message != '\0');
    EXPECT_EQ(s.desktop.Messages().size(), before + (*row.message ? 1 : 0));
    if (*row.message) {
      EXPECT_EQ(s.desktop.LastMessage(),
                (ui::MessageRecord{row.message, ui::kExclamation, kTitreMessage, ui::kAnswerOk}));
      EXPECT_EQ(ui::Control::Focused()->Name(), row.focus);
    }
  }
  // Desactiver_Periode empties the period and the results, text included.
  e.Lst_Periode.AddItem("JANVIER 2003     X");
  e.Desactiver_Periode();
  EXPECT_EQ(e.Cbo_FinAn.Text() + e.Cbo_DebutPeriode.Text(), "");
  EXPECT_EQ(e.Cbo_FinAn.ListCount() + e.Lst_Periode.ListCount(), 0);
  EXPECT_FALSE(e.Cbo_FinAn.Enabled() || e.Cmd_Imprimer.Enabled() || e.Cmd_Lister.Enabled());
}

TEST(Criteria, ActivityBoxesEmptyTheCareRecipientZoneAndCheckThePersonAgain) {
  Scene s;
  SelectionScreen& e = s.ecran;
  e.Txt_CodeAide.UserType("00345");
  e.Cac_Mandataire.UserClick();
  EXPECT_EQ(e.Txt_CodeAide.Text() + e.Cbo_NomAide.Text(), "");
  EXPECT_FALSE(e.Txt_CodeAide.Enabled() || e.Cbo_NomAide.Enabled());
  e.Cac_Mandataire.UserClick();
  EXPECT_TRUE(e.Txt_CodeAide.Enabled() && e.Cbo_NomAide.Enabled());
  // The person's access changes; the next activity click checks the person shown again.
  e.Txt_CodeAidant.UserType("00012");
  s.Aidant("00012", "DUPONT Marie", "SEC");
  s.desktop.Answer(ui::kAnswerOk);
  e.Cac_Prestataire.UserClick();
  EXPECT_EQ(s.desktop.LastMessage().text, "Vous n'êtes pas autorisé à accéder à cet aidant.");
  EXPECT_EQ(e.Txt_CodeAidant.Text(), "");
}

TEST(Criteria, PreImprimeIsTickedWhenAnAssociationPrintsOnPreprintedForms) {
  for (const auto& [flag, ticked] : {std::pair{"1", 1}, {"0", 0}}) {
    Scene s;
    dba::DynArray record;
    record.Set(49, flag);
    s.Put(dba::files::kAssociation, "A02", record.Text());
    s.ecran.Recherche_PreImp();
    EXPECT_EQ(s.ecran.Cac_Preimp.Value(), ticked) << flag;
  }
}

// Every control lies inside its frame and none overlaps another; only the period boxes and
// the result list use the fixed-pitch font.
TEST(Criteria, TheScreensLayoutHoldsTogether) {
  Scene s;
  std::vector<ui::Control*> controls;
  for (ui::Control* c : s.ecran.Controls())
    if (c->kind() != ui::Kind::Menu) controls.push_back(c);
  for (ui::Control* c : controls) {
    const ui::Control* box = c->Container() ? c->Container() : &s.ecran;
    EXPECT_TRUE(c->Left() + c->Width() <= box->Width() && c->Top() + c->Height() <= box->Height())
        << c->Name();
    for (ui::Control* b : controls) {
      if (c >= b || c->Container() != b->Container() || !c->Visible() || !b->Visible()) continue;
      EXPECT_TRUE(c->Left() + c->Width() <= b->Left() || b->Left() + b->Width() <= c->Left() ||
                  c->Top() + c->Height() <= b->Top() || b->Top() + b->Height() <= c->Top())
          << c->Name() << " overlaps " << b->Name();
    }
    const bool fixed = c->Name().starts_with("Cbo_") && !c->Name().starts_with("Cbo_Nom");
    EXPECT_EQ(c->font().family == "Courier New", fixed || c->Name() == "Lst_Periode") << c->Name();
  }
}

}  // namespace
}  // namespace vantelor::testing
