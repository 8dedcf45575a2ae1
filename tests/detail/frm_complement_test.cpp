// The complementary page filled from the payslip the viewer shows.

#include "detail/frm_complement.h"

#include "detail_fixture.h"

namespace detailtest {
namespace {

using vantelor::Frm_Complement;

class ComplementTest : public ArchiveTest {
 protected:
  // Loads and fills the page for a payslip built from readable lines.
  std::unique_ptr<Frm_Complement> Open(const dba::DynArray& record) {
    Show("0001200120030300101", record);
    auto page = std::make_unique<Frm_Complement>(v_);
    page->Load();
    page->Remplir_Bulletin();
    return page;
  }
  std::unique_ptr<Frm_Complement> OpenFooter(const Lines& footer) {
    return Open(testsupport::PayslipRecord({"Salaire de base|8667||||75836|"}, footer));
  }
};

TEST_F(ComplementTest, HeaderShowsEveryFieldAsStored) {
  Lines header = testsupport::SampleHeader();
  header[13] = "Qualification : Assistante de vie|NE PAS MONTRER";
  auto p = Open(testsupport::PayslipRecord({"Ligne|1||||1|"}, testsupport::SampleFooter(), header));
  const std::pair<ui::Label*, const char*> expected[] = {
      {&p->Etq_Entete1, "BULLETIN DE PAIE DU 01/03/2003 AU 31/03/2003"},
      {&p->Etq_Entete2, "Emploi familial - mode mandataire"},
      {&p->Etq_SigleEmpl, "Mme LEFEVRE Jeanne"},
      {&p->Etq_AdresseEmpl, "12 rue des Lilas"},
      {&p->Etq_ComplAdrEmpl, "Bâtiment B"},
      {&p->Etq_VilleEmpl, "75012 PARIS"},
      {&p->Etq_SiretEmpl, "SIRET : non concerné"},
      {&p->Etq_ApeEmpl, "APE : 970Z"},
      {&p->Etq_UrssafEmpl, "URSSAF : 117 1234567 89"},
      {&p->Etq_NumEmpl, "N° employeur : E00101"},
      {&p->Etq_Matricule, "Matricule : 00012"},
      {&p->Etq_NumSS, "N° SS : 2 65 03 75 112 034 27"},
      {&p->Etq_Qualif, "Qualification : Assistante de vie"},
      {&p->Etq_Coeff, "Coefficient : 3"},
      {&p->Etq_Anciennete, "Ancienneté : 4 ans"},
      {&p->Etq_DateEntree, "Entrée le : 01/02/1999"},
      {&p->Etq_Aidant, "Mme DUPONT Marie"},
      {&p->Etq_AdresseAidant, "8 avenue Jean Jaurès"},
      {&p->Etq_ComplAdrAidant, "Résidence Les Tilleuls"},
      {&p->Etq_VilleAidant, "94200 IVRY-SUR-SEINE"},
      {&p->Etq_ConvCol, "Convention collective nationale des salariés du particulier employeur"},
  };
  for (const auto& [label, text] : expected) EXPECT_EQ(label->Caption(), text) << label->Name();
  for (ui::Control* c : p->Controls()) {
    if (auto* label = dynamic_cast<ui::Label*>(c)) {
      EXPECT_EQ(label->Caption().find("NE PAS MONTRER"), std::string::npos) << c->Name();
    }
  }
}

TEST_F(ComplementTest, MonthCumulatedTotalsNetAndLeaveBalances) {
  auto p = OpenFooter(testsupport::SampleFooter());
  const std::pair<ui::Label*, const char*> expected[] = {
      {&p->Etq_BrutM, "   834,20"},
      {&p->Etq_NetFiscM, "   673,91"},
      {&p->Etq_HresM, "    86,67"},
      {&p->Etq_BrutC, "  2502,60"},
      {&p->Etq_NetFiscC, "  1964,67"},
      {&p->Etq_HresC, "   260,01"},
      {&p->Etq_ChargesPat, "   337,81"},
      {&p->Etq_Gains, "   834,20"},
      {&p->Etq_Retenues, "   179,31"},
      {&p->Etq_NetFrancs, "   669,89"},
      {&p->Etq_CPHeures, "    45,60"},
      {&p->Etq_CPJour, "    12,50"},
      {&p->Etq_CAHeures, ""},
      {&p->Etq_CAJour, ""},
      {&p->Etq_NetEuros, "  4394,19"},
      {&p->Etq_Conges, "CP au 31/03/2003"},
      {&p->Etq_Lib3, "Euros"},
      {&p->Etq_Lib4, "Francs"},
  };
  for (const auto& [label, text] : expected) EXPECT_EQ(label->Caption(), text) << label->Name();
  EXPECT_EQ(p->W_Ligne, 19 + 1 + 4);  // the marker is attribute 20: M + 4
  EXPECT_FALSE(p->Etq_Incomplet.Visible());
}

TEST_F(ComplementTest, GainsLayoutAndEmployerTotalLayout) {
  auto gains = OpenFooter({"", "||||250000|-25000", "", "1|F", ""});
  EXPECT_EQ(gains->Lab_ChgPat.Caption(), "CHARGES PATR.");
  EXPECT_EQ(gains->Lab_ChgPat.Width(), 1695);
  EXPECT_EQ(gains->Lab_ChgPat.Left(), 5280);
  EXPECT_EQ(gains->Etq_Retenues.Caption(), "   250,00");
  for (ui::Control* c :
       Controls{&gains->Lab_Gain, &gains->Lab_Retenue, &gains->Line3, &gains->Line4})
    EXPECT_TRUE(c->Visible()) << c->Name();

  auto employer = OpenFooter({"", "|||33781||-25000", "", "1|F", ""});
  EXPECT_EQ(employer->Lab_ChgPat.Caption(), "TOTAL VERSE PAR L'EMPLOYEUR");
  EXPECT_EQ(employer->Lab_ChgPat.Width(), 3855);
  EXPECT_EQ(employer->Lab_ChgPat.Left(), 5280);
  EXPECT_EQ(employer->Etq_ChargesPat.Caption(), "   337,81");
  EXPECT_EQ(employer->Etq_Gains.Caption(), "");
  EXPECT_EQ(employer->Etq_Retenues.Caption(), "");
  for (ui::Control* c :
       Controls{&employer->Lab_Gain, &employer->Lab_Retenue, &employer->Line3, &employer->Line4})
    EXPECT_FALSE(c->Visible()) << c->Name();
}

TEST_F(ComplementTest, CurrencyNamesFollowBothFlags) {
  struct Case {
    const char* first;
    const char* second;
    const char* lib3;
    const char* lib4;
  };
  const Case cases[] = {
      {"F", "E", "Francs", "Euros"}, {"", "E", "Francs", "Euros"}, {"F", "F", "Francs", "Francs"},
      {"", "", "Francs", "Euros"},   {"E", "E", "Euros", ""},      {"E", "F", "Euros", "Francs"},
      {"E", "", "Euros", "Euros"},   {"X", "E", "Euros", "Euros"}, {"F", "Y", "Francs", ""},
      {"E", "Y", "Euros", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.first) + "/" + c.second);
    auto p = OpenFooter(
        {"", "", "", std::string("66989|") + c.first, std::string("||||439419||") + c.second});
    EXPECT_EQ(p->Etq_Lib3.Caption(), c.lib3);
    EXPECT_EQ(p->Etq_Lib4.Caption(), c.lib4);
  }
}

TEST_F(ComplementTest, AnEmptyNetAttributeLeavesTheAmountBlankButNamesFrancs) {
  auto p = OpenFooter({"", "", "", "", ""});
  EXPECT_EQ(p->Etq_NetFrancs.Caption(), "");
  EXPECT_EQ(p->Etq_Lib3.Caption(), "Francs");
  EXPECT_EQ(p->Etq_Conges.Caption(), "");
  // A currency flag without its amount does not make the amount up either.
  auto flagged = OpenFooter({"", "", "", "|E", ""});
  EXPECT_EQ(flagged->Etq_NetFrancs.Caption(), "");
  EXPECT_EQ(flagged->Etq_Lib3.Caption(), "Euros");
}

// The marker is searched from attribute 1: a record whose first body line is the marker
// still has its footer read after it.
TEST_F(ComplementTest, TheMarkerIsFoundWhereverItStands) {
  Lines lines = {"#6", "100|200|300", "400|500|600"};
  Show("0001200120030300101", dba::DynArray(testsupport::RecordText(lines)));
  Frm_Complement p(v_);
  p.Load();
  p.Remplir_Bulletin();
  EXPECT_EQ(p.Etq_BrutM.Caption(), "     1,00");
  EXPECT_EQ(p.Etq_HresC.Caption(), "     6,00");
  EXPECT_EQ(p.W_Ligne, 5);
}

TEST_F(ComplementTest, ARecordWithoutTheMarkerLeavesTheFooterBlankAndSaysSo) {
  Lines lines = testsupport::SampleHeader();
  lines.push_back("Salaire de base|8667||||75836|");
  lines.push_back("83420|67391|8667");
  Show("0001200120030300101", dba::DynArray(testsupport::RecordText(lines)));
  Frm_Complement p(v_);
  p.Load();
  p.Remplir_Bulletin();
  EXPECT_EQ(p.Etq_Aidant.Caption(), "Mme DUPONT Marie");
  EXPECT_TRUE(p.Etq_Incomplet.Visible());
  EXPECT_NE(p.Etq_Incomplet.Caption().find("incomplet"), std::string::npos);
  for (ui::Label* l : {&p.Etq_BrutM, &p.Etq_ChargesPat, &p.Etq_NetFrancs, &p.Etq_Lib3, &p.Etq_Lib4,
                       &p.Etq_CPHeures})
    EXPECT_EQ(l->Caption(), "") << l->Name();
  EXPECT_EQ(p.Lab_ChgPat.Caption(), "CHARGES PATR.");
  EXPECT_TRUE(p.Lab_Gain.Visible());
}

TEST_F(ComplementTest, AnAmountThatIsNoNumberGoesBackToTheCaller) {
  Show("0001200120030300101",
       testsupport::PayslipRecord({"Ligne|1||||1|"}, {"83420|abc|8667", "", "", "", ""}));
  Frm_Complement p(v_);
  p.Load();
  EXPECT_THROW(p.Remplir_Bulletin(), dba::Error);
}

TEST_F(ComplementTest, OnlyRetourClosesThePage) {
  auto p = OpenFooter(testsupport::SampleFooter());
  EXPECT_FALSE(p->UserClose());
  EXPECT_TRUE(p->Loaded());
  p->Cmd_Retour.UserClick();
  EXPECT_FALSE(p->Loaded());
}

TEST_F(ComplementTest, TheRightButtonOnTheWindowOrAnyFramePopsTheHelpMenuUp) {
  auto p = OpenFooter(testsupport::SampleFooter());
  const char* over[] = {"Frm_Complement", "Cdr_EnteteBulletin", "Cdr_Cadre1",
                        "Cdr_Cadre2",     "Cdr_Cadre3",         "Cdr_Cadre4",
                        "Cdr_ConvCol",    "Cdr_PiedBulletin",   "Frame1"};
  for (const char* name : over) {
    p->Find(name)->UserMouseDown(1, 0, 300, 400);  // the left button does nothing
    p->Find(name)->UserMouseDown(2, 0, 300, 400);
  }
  ASSERT_EQ(desktop_.Popups().size(), std::size(over));
  for (std::size_t i = 0; i < std::size(over); ++i)
    EXPECT_EQ(desktop_.Popups()[i], (ui::PopupRecord{"Mnu_Aide", over[i], 300, 400}));
  EXPECT_TRUE(p->Mnu_Sommaire.Enabled());
}

TEST_F(ComplementTest, ChoosingTheMenuEntryOpensTheHelpContents) {
  auto p = OpenFooter(testsupport::SampleFooter());
  desktop_.OnPopupMenu([](ui::Menu& menu) { menu.Entries().at(0)->UserChoose(); });
  p->Cdr_Cadre3.UserMouseDown(2, 0, 10, 10);
  ASSERT_EQ(desktop_.HelpCalls().size(), 1u);
  EXPECT_EQ(desktop_.HelpCalls()[0].command, ui::kHelpFinder);
  p->Cmd_Retour.UserHelpKey();
  ASSERT_EQ(desktop_.HelpCalls().size(), 2u);
  EXPECT_EQ(desktop_.HelpCalls()[1].command, ui::kHelpContext);
  EXPECT_EQ(desktop_.HelpCalls()[1].data, 20);
}

}  // namespace
}  // namespace detailtest
