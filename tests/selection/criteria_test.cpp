// Activity and period criteria of the selection screen: Verif_Zones, the period boxes,
// the reset of the period area, the activity boxes, the pre-printed setting, the help
// pop-up menu.
#include <gtest/gtest.h>

#include "help/context_ids.h"
#include "rights/stored_rights.h"
#include "support/selection_fixture.h"

namespace {

class CriteriaTest : public testsupport::SelectionFixture {
 protected:
  // The period area as a search leaves it: the years offered, everything enabled.
  void OpenPeriod(const std::vector<std::string>& years) {
    for (const std::string& year : years) {
      screen.Cbo_DebutAn.AddItem(year);
      screen.Cbo_FinAn.AddItem(year);
    }
    for (ui::Control* c : PeriodArea()) c->SetEnabled(true);
  }
  std::vector<ui::Control*> PeriodArea() {
    return {&screen.Cdr_Periode, &screen.Etq_DebutPeriode, &screen.Cbo_DebutPeriode,
            &screen.Cbo_DebutAn, &screen.Etq_FinPeriode,   &screen.Cbo_FinPeriode,
            &screen.Cbo_FinAn};
  }
  std::vector<ui::ComboBox*> PeriodBoxes() {
    return {&screen.Cbo_DebutPeriode, &screen.Cbo_DebutAn, &screen.Cbo_FinPeriode,
            &screen.Cbo_FinAn};
  }
  void ChoosePeriod(int startMonth, int startYear, int endMonth, int endYear) {
    screen.Cbo_DebutPeriode.SetListIndex(startMonth);
    screen.Cbo_DebutAn.SetListIndex(startYear);
    screen.Cbo_FinPeriode.SetListIndex(endMonth);
    screen.Cbo_FinAn.SetListIndex(endYear);
  }
};

TEST_F(CriteriaTest, VerifZonesStopsAtTheFirstFaultOfThePeriod) {
  // Years offered: 2004 (index 0) and 2003 (index 1); -1 = nothing chosen.
  const struct {
    int startMonth, startYear, endMonth, endYear;
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
      {2, 1, 2, 1, "", ""},  // Mars 2003 to Mars 2003: equal periods pass
      {0, 1, 1, 0, "", ""},  // Janvier 2003 to Février 2004
      {-1, -1, -1, -1, "", ""},
  };
  OpenPeriod({"2004", "2003"});
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.startMonth << "/" << row.startYear << " - "
                                    << row.endMonth << "/" << row.endYear);
    ChoosePeriod(row.startMonth, row.startYear, row.endMonth, row.endYear);
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

TEST_F(CriteriaTest, PeriodBoxesTakeNoKeyButBackspace) {
  OpenPeriod({"2003"});
  for (ui::ComboBox* box : PeriodBoxes()) {
    SCOPED_TRACE(box->Name());
    box->SetListIndex(0);
    const std::string chosen = box->Text();
    box->UserType("a1 ");
    EXPECT_EQ(box->Text(), chosen);
    box->UserKey(ui::kKeyBackspace);
    EXPECT_EQ(box->Text(), chosen.substr(0, chosen.size() - 1));
  }
}

TEST_F(CriteriaTest, ListerIsEnabledOnlyWhenTheWholePeriodIsChosen) {
  const struct {
    std::vector<std::string> years;
    int startMonth, startYear, endMonth, endYear;
    bool enabled;
  } rows[] = {
      {{"2003"}, 0, 0, 2, 0, true},   {{"2003"}, -1, 0, 2, 0, false},
      {{"2003"}, 0, -1, 2, 0, false}, {{"2003"}, 0, 0, -1, 0, false},
      {{"2003"}, 0, 0, 2, -1, false}, {{}, 0, -1, 2, -1, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.startMonth << "/" << row.startYear << " - "
                                    << row.endMonth << "/" << row.endYear);
    screen.Desactiver_Periode();
    OpenPeriod(row.years);
    ChoosePeriod(row.startMonth, row.startYear, row.endMonth, row.endYear);
    EXPECT_EQ(screen.Cmd_Lister.Enabled(), row.enabled);
  }
}

TEST_F(CriteriaTest, DesactiverPeriodeResetsThePeriodAndTheResults) {
  OpenPeriod({"2004", "2003"});
  ChoosePeriod(0, 1, 5, 0);
  screen.Lst_Periode.AddItem("JANVIER 2003     X");
  screen.Lst_CodeArchive.AddItem("0001200120030100101");
  for (ui::Control* c : std::vector<ui::Control*>{&screen.Cmd_Imprimer, &screen.Lst_Periode,
                                                  &screen.Cdr_Select, &screen.Cmd_Recherche}) {
    c->SetEnabled(true);
  }
  ASSERT_TRUE(screen.Cmd_Lister.Enabled());

  screen.Desactiver_Periode();

  for (ui::Control* c : PeriodArea()) EXPECT_FALSE(c->Enabled()) << c->Name();
  for (ui::Control* c :
       std::vector<ui::Control*>{&screen.Cmd_Imprimer, &screen.Lst_Periode, &screen.Cdr_Select,
                                 &screen.Cmd_Recherche, &screen.Cmd_Lister}) {
    EXPECT_FALSE(c->Enabled()) << c->Name();
  }
  for (ui::ComboBox* box : PeriodBoxes()) {
    EXPECT_EQ(box->ListIndex(), -1) << box->Name();
    EXPECT_EQ(box->Text(), "") << box->Name();
  }
  EXPECT_EQ(screen.Cbo_DebutAn.ListCount(), 0);
  EXPECT_EQ(screen.Cbo_FinAn.ListCount(), 0);
  EXPECT_EQ(screen.Cbo_DebutPeriode.ListCount(), 12);
  EXPECT_EQ(screen.Lst_Periode.ListCount(), 0);
  EXPECT_EQ(screen.Lst_CodeArchive.ListCount(), 0);
}

class ActivityTest : public CriteriaTest {
 protected:
  ActivityTest() {
    AddCaregiver("00012", "DUPONT", "Marie", "A01");
    AddCareRecipient("00045", "DUPRE", "Louise", "A01");
  }
};

TEST_F(ActivityTest, UntickingMandataireEmptiesAndDisablesTheCareRecipientZone) {
  screen.Txt_CodeAide.UserType("00045");
  ASSERT_EQ(screen.Cbo_NomAide.Text(), "DUPRE Louise");

  screen.Cac_Mandataire.UserClick();
  EXPECT_EQ(screen.Txt_CodeAide.Text(), "");
  EXPECT_EQ(screen.Cbo_NomAide.Text(), "");
  EXPECT_EQ(screen.Cbo_NomAide.ListCount(), 0);
  for (ui::Control* c :
       std::vector<ui::Control*>{&screen.Etq_Aide, &screen.Txt_CodeAide, &screen.Cbo_NomAide}) {
    EXPECT_FALSE(c->Enabled()) << c->Name();
  }

  screen.Cac_Mandataire.UserClick();
  EXPECT_TRUE(screen.Txt_CodeAide.Enabled());
  EXPECT_TRUE(screen.Cbo_NomAide.Enabled());
  EXPECT_TRUE(screen.Etq_Aide.Enabled());
  EXPECT_EQ(screen.Txt_CodeAide.Text(), "");
}

TEST_F(ActivityTest, EitherActivityBoxRedoesTheLookupOfThePersonShown) {
  const struct {
    ui::CheckBox vantelor::SelectionScreen::*box;
    ui::TextBox vantelor::SelectionScreen::*code;
    const char* typed;
    const char* refusal;
  } rows[] = {
      {&vantelor::SelectionScreen::Cac_Prestataire, &vantelor::SelectionScreen::Txt_CodeAide,
       "00045", "Vous n'êtes pas autorisé à accéder à cet aidé."},
      {&vantelor::SelectionScreen::Cac_Prestataire, &vantelor::SelectionScreen::Txt_CodeAidant,
       "00012", "Vous n'êtes pas autorisé à accéder à cet aidant."},
      {&vantelor::SelectionScreen::Cac_Mandataire, &vantelor::SelectionScreen::Txt_CodeAidant,
       "00012", "Vous n'êtes pas autorisé à accéder à cet aidant."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    v.DroitsFonction = std::make_shared<rights::AccessCodes>(std::vector<std::string>{"A01"});
    (screen.*row.code).UserType(row.typed);
    ASSERT_EQ((screen.*row.code).Text(), row.typed);
    // The user's rights change; the next activity click checks the person again.
    v.DroitsFonction = std::make_shared<rights::AccessCodes>(std::vector<std::string>{});
    desktop.Answer(ui::kAnswerOk);
    (screen.*row.box).UserClick();
    EXPECT_EQ(desktop.LastMessage().text, row.refusal);
    EXPECT_EQ((screen.*row.code).Text(), "");
  }
}

TEST_F(CriteriaTest, PreImprimeIsTickedWhenAnAssociationPrintsOnPreprintedForms) {
  const struct {
    std::vector<std::string> attribute49;
    int initial, expected;
  } rows[] = {
      {{"0", "1"}, 0, 1},
      {{"0", ""}, 0, 0},
      {{"0"}, 1, 1},  // nothing found: the box keeps its state
      {{}, 0, 0},
  };
  for (const auto& row : rows) {
    db = dba::NewMemoryArchive();
    v.TheDatabase = db;
    for (std::size_t i = 0; i < row.attribute49.size(); ++i) {
      dba::DynArray record;
      record.Set(1, "Association " + std::to_string(i));
      record.Set(49, row.attribute49[i]);
      db->Write("ASSOCIATION", "A0" + std::to_string(i), record.Text());
    }
    screen.Cac_Preimp.SetValue(row.initial);
    screen.Recherche_PreImp();
    EXPECT_EQ(screen.Cac_Preimp.Value(), row.expected);
  }
}

TEST_F(CriteriaTest, RightButtonPopsTheHelpMenuUpAndItsEntryOpensTheContents) {
  help::Init_Aide(7, "/opt/vantelor");
  for (ui::Control* c : std::vector<ui::Control*>{&screen.Cdr_Periode, &screen.Cdr_Select,
                                                  &screen.Cdr_Selection, &screen}) {
    SCOPED_TRACE(c->Name());
    screen.Mnu_Aide.SetEnabled(false);
    screen.Mnu_Sommaire.SetEnabled(false);
    desktop.OnPopupMenu([](ui::Menu& menu) { menu.Entries().at(0)->UserChoose(); });
    c->UserMouseDown(2, 0, 300, 450);
    EXPECT_EQ(desktop.Popups().back(), (ui::PopupRecord{"Mnu_Aide", c->Name(), 300, 450}));
    EXPECT_TRUE(screen.Mnu_Aide.Enabled());
    EXPECT_EQ(desktop.HelpCalls().back(),
              (ui::HelpRecord{7, "/opt/vantelor/Vantelor.HLP", ui::kHelpFinder, 0}));
  }
  const std::size_t popups = desktop.Popups().size();
  screen.Cdr_Selection.UserMouseDown(1, 0, 300, 450);
  screen.UserMouseDown(1, 0, 300, 450);
  EXPECT_EQ(desktop.Popups().size(), popups);
}

}  // namespace
