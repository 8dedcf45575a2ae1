// Activity and period criteria: Verif_Zones, when Lister may be used, the reset of the
// period area, the activity boxes and the pre-printed setting.
#include <gtest/gtest.h>

#include "rights/stored_rights.h"
#include "support/selection_fixture.h"

namespace {

using vantelor::SelectionScreen;

class CriteriaTest : public testsupport::SelectionFixture {
 protected:
  // The period area as a search leaves it, then the list indexes chosen (-1 = none).
  void Period(const std::vector<std::string>& years, int m1, int y1, int m2, int y2) {
    screen.Desactiver_Periode();
    for (const std::string& year : years) {
      screen.Cbo_DebutAn.AddItem(year);
      screen.Cbo_FinAn.AddItem(year);
    }
    for (ui::Control* c : PeriodArea()) c->SetEnabled(true);
    screen.Cbo_DebutPeriode.SetListIndex(m1);
    screen.Cbo_DebutAn.SetListIndex(y1);
    screen.Cbo_FinPeriode.SetListIndex(m2);
    screen.Cbo_FinAn.SetListIndex(y2);
  }
  std::vector<ui::Control*> PeriodArea() {
    return {&screen.Cdr_Periode, &screen.Etq_DebutPeriode, &screen.Cbo_DebutPeriode,
            &screen.Cbo_DebutAn, &screen.Etq_FinPeriode,   &screen.Cbo_FinPeriode,
            &screen.Cbo_FinAn};
  }
};

TEST_F(CriteriaTest, VerifZonesStopsAtTheFirstFaultAndListerWaitsForAWholePeriod) {
  // Years offered: 2004 (index 0) and 2003 (index 1).
  const struct {
    int m1, y1, m2, y2;
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
      {0, 1, 1, 0, "", ""},
      {-1, -1, -1, -1, "", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.m1 << "/" << row.y1 << " - " << row.m2 << "/" << row.y2);
    Period({"2004", "2003"}, row.m1, row.y1, row.m2, row.y2);
    EXPECT_EQ(screen.Cmd_Lister.Enabled(),
              row.m1 >= 0 && row.y1 >= 0 && row.m2 >= 0 && row.y2 >= 0);
    screen.Cmd_Sortir.SetFocus();
    const std::size_t before = desktop.Messages().size();
    if (*row.message) desktop.Answer(ui::kAnswerOk);
    screen.Verif_Zones();
    EXPECT_EQ(screen.W_Erreur, *row.message != '\0');
    if (*row.message) {
      EXPECT_EQ(desktop.LastMessage(), (ui::MessageRecord{row.message, ui::kExclamation,
                                                          "Message KALVENOR", ui::kAnswerOk}));
      ASSERT_NE(ui::Control::Focused(), nullptr);
      EXPECT_EQ(ui::Control::Focused()->Name(), row.focus);
    } else {
      EXPECT_EQ(desktop.Messages().size(), before);
    }
  }
}

TEST_F(CriteriaTest, DesactiverPeriodeEmptiesThePeriodAndTheResults) {
  Period({"2004", "2003"}, 0, 1, 5, 0);
  screen.Lst_Periode.AddItem("JANVIER 2003     X");
  screen.Lst_CodeArchive.AddItem("0001200120030100101");
  screen.Cmd_Imprimer.SetEnabled(true);
  ASSERT_TRUE(screen.Cmd_Lister.Enabled());
  screen.Desactiver_Periode();
  std::vector<ui::Control*> off = PeriodArea();
  off.insert(off.end(), {&screen.Cmd_Imprimer, &screen.Lst_Periode, &screen.Cmd_Lister});
  for (ui::Control* c : off) EXPECT_FALSE(c->Enabled()) << c->Name();
  for (ui::ComboBox* box :
       {&screen.Cbo_DebutPeriode, &screen.Cbo_DebutAn, &screen.Cbo_FinPeriode, &screen.Cbo_FinAn}) {
    EXPECT_EQ(box->Text(), "") << box->Name();
  }
  EXPECT_EQ(screen.Cbo_DebutAn.ListCount() + screen.Cbo_FinAn.ListCount(), 0);
  EXPECT_EQ(screen.Cbo_DebutPeriode.ListCount(), 12);
  EXPECT_EQ(screen.Lst_Periode.ListCount() + screen.Lst_CodeArchive.ListCount(), 0);
}

TEST_F(CriteriaTest, ActivityBoxesEmptyTheCareRecipientZoneAndCheckThePersonAgain) {
  AddCaregiver("00012", "DUPONT", "Marie", "A01");
  AddCareRecipient("00045", "DUPRE", "Louise", "A01");
  screen.Txt_CodeAide.UserType("00045");
  ASSERT_EQ(screen.Cbo_NomAide.Text(), "DUPRE Louise");
  screen.Cac_Mandataire.UserClick();
  EXPECT_EQ(screen.Txt_CodeAide.Text() + screen.Cbo_NomAide.Text(), "");
  EXPECT_EQ(screen.Cbo_NomAide.ListCount(), 0);
  EXPECT_FALSE(screen.Txt_CodeAide.Enabled() || screen.Cbo_NomAide.Enabled());
  screen.Cac_Mandataire.UserClick();
  EXPECT_TRUE(screen.Txt_CodeAide.Enabled() && screen.Cbo_NomAide.Enabled());

  // The user's rights change; the next activity click checks the person shown again.
  screen.Txt_CodeAidant.UserType("00012");
  v.DroitsFonction = std::make_shared<rights::AccessCodes>(std::vector<std::string>{});
  desktop.Answer(ui::kAnswerOk);
  screen.Cac_Prestataire.UserClick();
  EXPECT_EQ(desktop.LastMessage().text, "Vous n'êtes pas autorisé à accéder à cet aidant.");
  EXPECT_EQ(screen.Txt_CodeAidant.Text(), "");
}

TEST_F(CriteriaTest, PreImprimeIsTickedWhenAnAssociationPrintsOnPreprintedForms) {
  const struct {
    std::vector<std::string> attribute49;
    int initial, expected;
  } rows[] = {{{"0", "1"}, 0, 1}, {{"0", ""}, 0, 0}, {{"0"}, 1, 1}, {{}, 0, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.attribute49.size());
    db = dba::NewMemoryArchive();
    v.TheDatabase = db;
    for (std::size_t i = 0; i < row.attribute49.size(); ++i) {
      dba::DynArray record;
      record.Set(49, row.attribute49[i]);
      db->Write("ASSOCIATION", "A0" + std::to_string(i), record.Text());
    }
    screen.Cac_Preimp.SetValue(row.initial);
    screen.Recherche_PreImp();
    EXPECT_EQ(screen.Cac_Preimp.Value(), row.expected);
  }
}

}  // namespace
