// The complementary page filled from the payslip the viewer shows.

#include "detail/frm_complement.h"

#include "detail_fixture.h"

namespace detailtest {
namespace {

using vantelor::Frm_Complement;

class ComplementTest : public ArchiveTest {
 protected:
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
  // The labels' captions joined by '/'.
  static std::string Captions(std::initializer_list<ui::Label*> labels) {
    std::string out;
    for (ui::Label* l : labels) out += l->Caption() + "/";
    return out.substr(0, out.size() - 1);
  }
};

// The fields the viewer leaves out; the caregiver's frame takes the right column only.
TEST_F(ComplementTest, HeaderShowsTheFieldsAsStoredButNotTheLeftColumnOfTheCaregiver) {
  Lines header = testsupport::SampleHeader();
  header[13] = "Qualification : Assistante de vie|NE PAS MONTRER";
  auto p = Open(testsupport::PayslipRecord({"Ligne|1||||1|"}, testsupport::SampleFooter(), header));
  EXPECT_EQ(Captions({&p->Etq_SiretEmpl, &p->Etq_ApeEmpl, &p->Etq_NumEmpl, &p->Etq_NumSS,
                      &p->Etq_Qualif, &p->Etq_Coeff, &p->Etq_DateEntree, &p->Etq_VilleAidant}),
            "SIRET : non concerné/APE : 970Z/N° employeur : E00101/N° SS : 2 65 03 75 112 034 27/"
            "Qualification : Assistante de vie/Coefficient : 3/Entrée le : 01/02/1999/"
            "94200 IVRY-SUR-SEINE");
  for (ui::Control* c : p->Controls())
    if (auto* label = dynamic_cast<ui::Label*>(c)) {
      EXPECT_EQ(label->Caption().find("NE PAS MONTRER"), std::string::npos) << c->Name();
    }
}

TEST_F(ComplementTest, MonthCumulatedNetAndLeaveFiguresComeFromTheFooter) {
  auto p = OpenFooter(testsupport::SampleFooter());
  EXPECT_EQ(Captions({&p->Etq_BrutM, &p->Etq_NetFiscM, &p->Etq_HresM, &p->Etq_BrutC,
                      &p->Etq_NetFiscC, &p->Etq_HresC}),
            "   834,20/   673,91/    86,67/  2502,60/  1964,67/   260,01");
  EXPECT_EQ(Captions({&p->Etq_NetFrancs, &p->Etq_NetEuros, &p->Etq_CPHeures, &p->Etq_CPJour,
                      &p->Etq_CAHeures, &p->Etq_CAJour, &p->Etq_Conges}),
            "   669,89/  4394,19/    45,60/    12,50///CP au 31/03/2003");
  EXPECT_EQ(p->W_Ligne, 19 + 1 + 4);  // the marker is attribute 20: M + 4
  EXPECT_FALSE(p->Etq_Incomplet.Visible());
}

// Without a gains total the employer total takes one wide caption and the other two go.
TEST_F(ComplementTest, GainsLayoutAndEmployerTotalLayout) {
  const struct {
    const char* totals;
    const char* captions;
    int width;
  } cases[] = {
      {"|||33781|83420|-25000", "CHARGES PATR./   337,81/   834,20/   250,00", 1695},
      {"|||33781||-25000", "TOTAL VERSE PAR L'EMPLOYEUR/   337,81//", 3855},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.totals);
    auto p = OpenFooter({"", c.totals, "", "1|F", ""});
    EXPECT_EQ(Captions({&p->Lab_ChgPat, &p->Etq_ChargesPat, &p->Etq_Gains, &p->Etq_Retenues}),
              c.captions);
    EXPECT_EQ(p->Lab_ChgPat.Width(), c.width);
    EXPECT_EQ(p->Lab_ChgPat.Left(), 5280);
    for (ui::Control* gainsPart :
         std::initializer_list<ui::Control*>{&p->Lab_Gain, &p->Lab_Retenue, &p->Line3, &p->Line4})
      EXPECT_EQ(gainsPart->Visible(), c.width == 1695) << gainsPart->Name();
  }
}

TEST_F(ComplementTest, CurrencyNamesFollowBothFlags) {
  const char* cases[][4] = {
      {"F", "E", "Francs", "Euros"}, {"E", "E", "Euros", ""}, {"E", "F", "Euros", "Francs"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c[0]) + "/" + c[1]);
    auto p =
        OpenFooter({"", "", "", std::string("66989|") + c[0], std::string("||||439419||") + c[1]});
    EXPECT_EQ(Captions({&p->Etq_Lib3, &p->Etq_Lib4}), std::string(c[2]) + "/" + c[3]);
  }
}

// A currency flag without its amount leaves the amount blank rather than showing a zero.
TEST_F(ComplementTest, AnEmptyNetAmountStaysBlankButNamesItsCurrency) {
  for (const auto& [net, currency] : {std::pair{"", "Francs"}, std::pair{"|E", "Euros"}}) {
    auto p = OpenFooter({"", "", "", net, ""});
    EXPECT_EQ(Captions({&p->Etq_NetFrancs, &p->Etq_Lib3, &p->Etq_Conges}),
              std::string("/") + currency + "/")
        << net;
  }
}

// The marker is searched from attribute 1: a record whose first line is the marker still
// has its footer read after it.
TEST_F(ComplementTest, TheMarkerIsFoundWhereverItStands) {
  auto p = Open(dba::DynArray(testsupport::RecordText({"#6", "100|200|300", "400|500|600"})));
  EXPECT_EQ(Captions({&p->Etq_BrutM, &p->Etq_HresC}), "     1,00/     6,00");
  EXPECT_EQ(p->W_Ligne, 5);
}

TEST_F(ComplementTest, ARecordWithoutTheMarkerLeavesTheFooterBlankAndSaysSo) {
  Lines lines = testsupport::SampleHeader();
  lines.insert(lines.end(), {"Salaire de base|8667||||75836|", "83420|67391|8667"});
  auto p = Open(dba::DynArray(testsupport::RecordText(lines)));
  EXPECT_EQ(p->Etq_Aidant.Caption(), "Mme DUPONT Marie");
  EXPECT_TRUE(p->Etq_Incomplet.Visible());
  EXPECT_NE(p->Etq_Incomplet.Caption().find("incomplet"), std::string::npos);
  EXPECT_EQ(Captions({&p->Etq_BrutM, &p->Etq_ChargesPat, &p->Etq_NetFrancs, &p->Etq_Lib3,
                      &p->Etq_Lib4, &p->Etq_CPHeures, &p->Lab_ChgPat}),
            "//////CHARGES PATR.");
  EXPECT_TRUE(p->Lab_Gain.Visible());
}

TEST_F(ComplementTest, TheRightButtonOnTheWindowOrAnyFramePopsTheHelpMenuUp) {
  auto p = OpenFooter(testsupport::SampleFooter());
  for (const char* name :
       {"Frm_Complement", "Cdr_EnteteBulletin", "Cdr_Cadre1", "Cdr_Cadre2", "Cdr_Cadre3",
        "Cdr_Cadre4", "Cdr_ConvCol", "Cdr_PiedBulletin", "Frame1"}) {
    p->Find(name)->UserMouseDown(1, 0, 300, 400);  // the left button does nothing
    desktop_.OnPopupMenu([](ui::Menu& menu) { menu.Entries().at(0)->UserChoose(); });
    p->Find(name)->UserMouseDown(2, 0, 300, 400);
    ASSERT_FALSE(desktop_.Popups().empty()) << name;
    EXPECT_EQ(desktop_.Popups().back(), (ui::PopupRecord{"Mnu_Aide", name, 300, 400}));
    EXPECT_EQ(desktop_.HelpCalls().back().command, ui::kHelpFinder);
  }
  EXPECT_EQ(desktop_.Popups().size(), 9u);
  EXPECT_EQ(desktop_.HelpCalls().size(), 9u);
  p->Cmd_Retour.UserHelpKey();
  EXPECT_EQ(desktop_.HelpCalls().back().command, ui::kHelpContext);
  EXPECT_EQ(desktop_.HelpCalls().back().data, 20);
}

}  // namespace
}  // namespace detailtest
