#include <gtest/gtest.h>

#include "viewer/viewer_fixture.h"

namespace vantelor {
namespace {

using testsupport::Columns;
using testsupport::PayslipRecord;
using WindowTest = testsupport::ViewerTest;

TEST_F(WindowTest, HeaderAndFramesShowTheRecordAsStored) {
  auto w = Open({"Salaire de base|8667"});
  EXPECT_EQ(w->Caption(), "BULLETIN DE PAIE :" + std::string(42, ' '));
  const std::pair<ui::Label*, std::string> expected[] = {
      {&w->Etq_Entete1, "BULLETIN DE PAIE DU 01/03/2003 AU 31/03/2003"},
      {&w->Etq_Entete2, "Emploi familial - mode mandataire"},
      {&w->Etq_SigleEmpl, "Mme LEFEVRE Jeanne"},
      {&w->Etq_AdresseEmpl, "12 rue des Lilas"},
      {&w->Etq_ComplAdrEmpl, "Bâtiment B"},
      {&w->Etq_VilleEmpl, "75012 PARIS"},
      {&w->Etq_Aidant, "Mme DUPONT Marie"},
      {&w->Etq_AdresseAidant, "8 avenue Jean Jaurès"},
      {&w->Etq_ComplAdrAidant, "Résidence Les Tilleuls"},
      {&w->Etq_VilleAidant, "94200 IVRY-SUR-SEINE"},
      {&w->Etq_ConvCol, "Convention collective nationale des salariés du particulier employeur"},
  };
  for (const auto& [label, text] : expected) EXPECT_EQ(label->Caption(), text) << label->Name();
}

TEST_F(WindowTest, CaregiverFrameIsBlankWhenTheRightColumnIsMissing) {
  testsupport::Lines header = testsupport::SampleHeader();
  for (int a = 13; a <= 17; ++a) header[a - 1] = "gauche";
  auto w = OpenRecord(PayslipRecord({"Ligne"}, testsupport::SampleFooter(), header));
  for (ui::Label* l :
       {&w->Etq_Aidant, &w->Etq_AdresseAidant, &w->Etq_ComplAdrAidant, &w->Etq_VilleAidant})
    EXPECT_EQ(l->Caption(), "") << l->Name();
}

TEST_F(WindowTest, OpensWithTheFirstRowSelectedInEveryColumn) {
  auto w = Open(testsupport::OrdinaryLines(30));
  EXPECT_EQ(w->Bdv_Detail.Min(), 0);
  EXPECT_EQ(w->Bdv_Detail.Value(), 0);
  for (ui::ListBox* list : Columns(*w)) {
    EXPECT_EQ(list->ListIndex(), 0) << list->Name();
    EXPECT_EQ(list->TopIndex(), 0) << list->Name();
  }
  EXPECT_FALSE(w->W_Fermeture);
  EXPECT_TRUE(w->Cmd_Edition.Enabled() && w->Cmd_Detail.Enabled() && w->Cmd_DetailBS.Enabled() &&
              w->Cmd_Retour.Enabled());
}

TEST_F(WindowTest, CloseBoxIsRefusedAndRetourCloses) {
  auto w = Open({"Ligne"});
  EXPECT_FALSE(w->UserClose());
  EXPECT_TRUE(w->Loaded());
  w->Cmd_Retour.UserClick();
  EXPECT_FALSE(w->Loaded());
  EXPECT_TRUE(w->W_Fermeture);
}

TEST_F(WindowTest, RightButtonOverTheWindowOrAFramePopsUpHelp) {
  auto w = Open({"Ligne"});
  ui::Control* const targets[] = {w.get(), &w->Cdr_Cadre1, &w->Cdr_Cadre4, &w->Cdr_ConvCol};
  for (ui::Control* over : targets) {
    w->Mnu_Aide.SetEnabled(false);
    desk.OnPopupMenu([](ui::Menu& menu) { menu.Entries().at(0)->UserChoose(); });
    over->UserMouseDown(2, 0, 300, 120);
    ASSERT_FALSE(desk.Popups().empty()) << over->Name();
    EXPECT_EQ(desk.Popups().back(), (ui::PopupRecord{"Mnu_Aide", over->Name(), 300, 120}));
    EXPECT_TRUE(w->Mnu_Aide.Enabled());
  }
  ASSERT_EQ(desk.HelpCalls().size(), 4u);
  EXPECT_EQ(desk.HelpCalls().back().command, ui::kHelpFinder);
}

TEST_F(WindowTest, OtherButtonsPopUpNothing) {
  auto w = Open({"Ligne"});
  w->UserMouseDown(1, 0, 10, 10);
  w->Cdr_Cadre1.UserMouseDown(4, 0, 10, 10);
  EXPECT_TRUE(desk.Popups().empty());
}

}  // namespace
}  // namespace vantelor
