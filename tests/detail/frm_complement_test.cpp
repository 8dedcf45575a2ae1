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

// Without a gains total the employer total takes one wide caption and the other two go.
TEST_F(ComplementTest, GainsLayoutEmployerTotalLayoutAndCurrencies) {
  const struct {
    const char *totals, *net, *second, *captions;
  } cases[] = {
      {"|||33781|83420|-25000", "66989|F", "E",
       "CHARGES PATR./   337,81/   834,20/   250,00/Francs/Euros"},
      {"|||33781||-25000", "66989|E", "E", "TOTAL VERSE PAR L'EMPLOYEUR/   337,81///Euros/"},
      // A currency flag without its amount leaves the amount blank.
      {"", "|E", "F", "TOTAL VERSE PAR L'EMPLOYEUR////Euros/Francs"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.totals);
    auto p = OpenFooter({"", c.totals, "", c.net, std::string("||||439419||") + c.second});
    EXPECT_EQ(Captions({&p->Lab_ChgPat, &p->Etq_ChargesPat, &p->Etq_Gains, &p->Etq_Retenues,
                        &p->Etq_Lib3, &p->Etq_Lib4}),
              c.captions);
    EXPECT_EQ(p->Lab_Gain.Visible(), std::string(c.captions).starts_with("CHARGES"));
    EXPECT_EQ(p->Etq_NetFrancs.Caption().empty(), c.net[0] == '|');
  }
}

// The marker is searched from attribute 1 up to the last; without it the footer stays as
// designed and the page says the payslip is incomplete.
TEST_F(ComplementTest, TheMarkerIsFoundWhereverItStandsAndItsAbsenceIsShown) {
  auto p = Open(dba::DynArray(testsupport::RecordText({"#6", "100|200|300", "400|500|600"})));
  EXPECT_EQ(Captions({&p->Etq_BrutM, &p->Etq_HresC}), "     1,00/     6,00");
  EXPECT_EQ(p->W_Ligne, 5);

  Lines lines = testsupport::SampleHeader();
  lines.insert(lines.end(), {"Salaire de base|8667||||75836|", "83420|67391|8667"});
  p = Open(dba::DynArray(testsupport::RecordText(lines)));
  EXPECT_EQ(p->Etq_Aidant.Caption(), "Mme DUPONT Marie");
  EXPECT_TRUE(p->Etq_Incomplet.Visible());
  EXPECT_NE(p->Etq_Incomplet.Caption().find("incomplet"), std::string::npos);
  EXPECT_EQ(Captions({&p->Etq_BrutM, &p->Etq_NetFrancs, &p->Etq_Lib3, &p->Lab_ChgPat}),
            "///CHARGES PATR.");
}

TEST_F(ComplementTest, TheRightButtonOnTheWindowOrAFramePopsTheHelpMenuUp) {
  auto p = OpenFooter(testsupport::SampleFooter());
  for (const char* name : {"Frm_Complement", "Cdr_PiedBulletin"}) {
    p->Find(name)->UserMouseDown(1, 0, 300, 400);  // the left button does nothing
    desktop_.OnPopupMenu([](ui::Menu& menu) { menu.Entries().at(0)->UserChoose(); });
    p->Find(name)->UserMouseDown(2, 0, 300, 400);
    EXPECT_EQ(desktop_.Popups().back(), (ui::PopupRecord{"Mnu_Aide", name, 300, 400}));
    EXPECT_EQ(desktop_.HelpCalls().back().command, ui::kHelpFinder);
  }
  EXPECT_EQ(desktop_.Popups().size(), 2u);
  p->Cmd_Retour.UserHelpKey();
  EXPECT_EQ(desktop_.HelpCalls().back().data, 20);
}

}  // namespace
}  // namespace detailtest
