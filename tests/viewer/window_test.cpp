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
      {&w->Etq_Entete2, "Emploi familial - mode mandataire"},
      {&w->Etq_AdresseEmpl, "12 rue des Lilas"},
      {&w->Etq_ComplAdrEmpl, "Bâtiment B"},
      {&w->Etq_VilleEmpl, "75012 PARIS"},
      {&w->Etq_AdresseAidant, "8 avenue Jean Jaurès"},
      {&w->Etq_ComplAdrAidant, "Résidence Les Tilleuls"},
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

TEST_F(WindowTest, OpensWithTheFirstRowSelectedAndClosesOnlyWithRetour) {
  auto w = Open(testsupport::OrdinaryLines(30));
  EXPECT_EQ(w->Bdv_Detail.Value(), 0);
  for (ui::ListBox* list : Columns(*w)) {
    EXPECT_EQ(list->ListIndex(), 0) << list->Name();
    EXPECT_EQ(list->TopIndex(), 0) << list->Name();
  }
  EXPECT_FALSE(w->W_Fermeture);
  for (ui::Control* b : std::initializer_list<ui::Control*>{&w->Cmd_Edition, &w->Cmd_Detail,
                                                            &w->Cmd_DetailBS, &w->Cmd_Retour})
    EXPECT_TRUE(b->Enabled()) << b->Name();
  EXPECT_FALSE(w->UserClose());
  EXPECT_TRUE(w->Loaded());
  w->Cmd_Retour.UserClick();
  EXPECT_FALSE(w->Loaded());
  EXPECT_TRUE(w->W_Fermeture);
}

TEST_F(WindowTest, OnlyTheRightButtonOverTheWindowOrAFramePopsUpHelp) {
  auto w = Open({"Ligne"});
  w->UserMouseDown(1, 0, 10, 10);
  w->Cdr_Cadre1.UserMouseDown(4, 0, 10, 10);
  EXPECT_TRUE(desk.Popups().empty());
  for (ui::Control* over : std::initializer_list<ui::Control*>{w.get(), &w->Cdr_Cadre1,
                                                               &w->Cdr_Cadre4, &w->Cdr_ConvCol}) {
    w->Mnu_Aide.SetEnabled(false);
    desk.OnPopupMenu([](ui::Menu& menu) { menu.Entries().at(0)->UserChoose(); });
    over->UserMouseDown(2, 0, 300, 120);
    ASSERT_FALSE(desk.Popups().empty()) << over->Name();
    EXPECT_EQ(desk.Popups().back(), (ui::PopupRecord{"Mnu_Aide", over->Name(), 300, 120}));
    EXPECT_TRUE(w->Mnu_Aide.Enabled());
    EXPECT_EQ(desk.HelpCalls().back().command, ui::kHelpFinder);
  }
  EXPECT_EQ(desk.HelpCalls().size(), 4u);
}

}  // namespace
}  // namespace vantelor
