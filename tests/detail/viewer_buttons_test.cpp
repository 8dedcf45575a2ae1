// "Détail" and "Compléments" pressed in the viewer over the example payslips.

#include <map>

#include "component/state/procedure.h"
#include "detail/frm_complement.h"
#include "detail/frm_detail_bs.h"
#include "detail_fixture.h"
#include "viewer/frm_visualisation_bulletin.h"

namespace detailtest {
namespace {

using vantelor::Frm_Complement;
using vantelor::Frm_DetailBS;
using vantelor::Frm_VisualisationBulletin;

const std::string kMandataire = "0001200120030300101";  // March 2003, care recipient 00101
const std::string kPrestataire = "00012002201904A01";   // April 2019, association A01

// The seven identification boxes of the detail window, as the viewer wrote them.
struct Identity {
  std::string codAidant, nomAidant, periode, codEmployeur, nomEmployeur, debut, fin;
  friend bool operator==(const Identity&, const Identity&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Identity& i) {
    return out << i.codAidant << "|" << i.nomAidant << "|" << i.periode << "|" << i.codEmployeur
               << "|" << i.nomEmployeur << "|" << i.debut << "|" << i.fin;
  }
};

class ViewerButtonsTest : public ArchiveTest {
 protected:
  ViewerButtonsTest() {
    dba::ImportJsonLines(*archive_, testsupport::ExampleRecords());
    vantelor::Ouvrir_Fichiers(v_);
  }

  // The payslip opened in the viewer, as the selection screen does it.
  std::unique_ptr<Frm_VisualisationBulletin> OpenViewer(const std::string& key) {
    v_.Enr_ArchiveBull = v_.Fic_ArchiveBull->ReadRecord(key);
    auto viewer = std::make_unique<Frm_VisualisationBulletin>(v_);
    viewer->Load();
    viewer->Init();
    return viewer;
  }

  // Presses Détail; the detail window is read while it is shown, then closed with Retour.
  Identity PressDetail(Frm_VisualisationBulletin& viewer) {
    Identity seen;
    desktop_.OnShowModal([&](ui::Form& form) {
      auto& w = dynamic_cast<Frm_DetailBS&>(form);
      seen = {w.Txt_CodAidant.Text(),     w.Txt_NomAidant.Text(),    w.Txt_PeriodePaie.Text(),
              w.Txt_CodEmployeur.Text(),  w.Txt_NomEmployeur.Text(), w.Txt_DateDebContrat.Text(),
              w.Txt_DateFinContrat.Text()};
      rows_ = w.Lst_CodeRub.ListCount();
      net_ = w.Txt_NetAPayer.Text();
      EXPECT_FALSE(viewer.Enabled());
      EXPECT_EQ(desktop_.MousePointer(), ui::kDefaultPointer);
      w.Cmd_Retour.UserClick();
    });
    viewer.Cmd_DetailBS.UserClick();
    ExpectViewerBack(viewer);
    return seen;
  }

  void ExpectViewerBack(const Frm_VisualisationBulletin& viewer) {
    EXPECT_TRUE(viewer.Enabled());
    EXPECT_EQ(desktop_.MousePointer(), ui::kDefaultPointer);
  }

  int rows_ = 0;     // rows of the last detail window shown
  std::string net_;  // its net to pay
};

TEST_F(ViewerButtonsTest, DetailOfAMandatairePayslip) {
  auto viewer = OpenViewer(kMandataire);
  EXPECT_EQ(PressDetail(*viewer), (Identity{"00012", "DUPONT Marie", "MARS 2003", "00101",
                                            "LEFEVRE Jeanne", "01/02/1999", ""}));
  EXPECT_EQ(rows_, 13);
  EXPECT_EQ(net_, "    669,89");
  EXPECT_EQ(desktop_.ModalForms(), (std::vector<std::string>{"Frm_DetailBS"}));
  EXPECT_TRUE(desktop_.Errors().empty());
}

TEST_F(ViewerButtonsTest, DetailOfAPrestatairePayslipNamesTheAssociation) {
  auto viewer = OpenViewer(kPrestataire);
  EXPECT_EQ(PressDetail(*viewer),
            (Identity{"00012", "DUPONT Marie", "AVRIL 2019", "A01", "ASSOCIATION AIDE ET VIE",
                      "01/02/1999", "30/12/2020"}));
}

TEST_F(ViewerButtonsTest, MissingOrOddRecordsLeaveOnlyTheirOwnFieldsBlank) {
  struct Case {
    const char* what;
    std::string key;
    std::map<std::string, Lines> records;  // CONTRAT 00012001 and others, by "FILE KEY"
    Identity expected;
  };
  const Case cases[] = {
      {"care recipient without civil record",
       kMandataire,
       {{"CONTRAT 00012001", {"02", "", "99999", "", "", "", "11355", "12069"}}},
       {"00012", "DUPONT Marie", "MARS 2003", "99999", "", "01/02/1999", "15/01/2001"}},
      {"kind 02 with no care recipient",
       kMandataire,
       {{"CONTRAT 00012001", {"02", "A01", "", "", "", "", "11355"}}},
       {"00012", "DUPONT Marie", "MARS 2003", "", "", "01/02/1999", ""}},
      {"another kind: the association",
       kMandataire,
       {{"CONTRAT 00012001", {"05", "A01", "00101", "", "", "", "11355"}}},
       {"00012", "DUPONT Marie", "MARS 2003", "A01", "ASSOCIATION AIDE ET VIE", "01/02/1999", ""}},
      {"association without record",
       kMandataire,
       {{"CONTRAT 00012001", {"01", "B77", "", "", "", "", "11355"}}},
       {"00012", "DUPONT Marie", "MARS 2003", "B77", "", "01/02/1999", ""}},
      {"caregiver without civil record, March 2001",
       "0004400120010300101",
       {{"ARCHIVEBULL 0004400120010300101",
         {"", "BULLETIN",      "",  "", "", "", "", "", "", "", "", "", "", "", "", "", "",
          "", "Ligne|1||||1|", "#6"}}},
       {"00044", "", "MARS 2001", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const auto& [where, lines] : c.records) {
      const auto blank = where.find(' ');
      Write(where.substr(0, blank), where.substr(blank + 1), lines);
    }
    auto viewer = OpenViewer(c.key);
    EXPECT_EQ(PressDetail(*viewer), c.expected);
  }
}

// Records read for an earlier payslip stay in the shared state; a failed read must not
// bring them back on screen.
TEST_F(ViewerButtonsTest, AFailedReadNeverShowsTheRecordOfAnEarlierPayslip) {
  auto prestataire = OpenViewer(kPrestataire);
  PressDetail(*prestataire);
  failing_->FailRead("CIVILAIDANT", "00012");
  failing_->FailRead("CONTRAT", "00012001");
  vantelor::Ouvrir_Fichiers(v_);
  auto mandataire = OpenViewer(kMandataire);
  EXPECT_EQ(PressDetail(*mandataire), (Identity{"00012", "", "MARS 2003", "", "", "", ""}));
}

TEST_F(ViewerButtonsTest, ComplementsShowsTheFilledPageOverAnEnabledViewer) {
  auto viewer = OpenViewer(kMandataire);
  desktop_.OnShowModal([&](ui::Form& form) {
    auto& page = dynamic_cast<Frm_Complement&>(form);
    EXPECT_EQ(page.Etq_Matricule.Caption(), "Matricule : 00012");
    EXPECT_EQ(page.Etq_NetFrancs.Caption(), "   669,89");
    EXPECT_EQ(page.Etq_Lib3.Caption(), "Euros");
    EXPECT_EQ(page.Etq_Lib4.Caption(), "Francs");
    EXPECT_TRUE(viewer->Enabled());
    EXPECT_EQ(desktop_.MousePointer(), ui::kDefaultPointer);
    EXPECT_FALSE(page.UserClose());
    page.Cmd_Retour.UserClick();
  });
  viewer->Cmd_Detail.UserClick();
  EXPECT_EQ(desktop_.ModalForms(), (std::vector<std::string>{"Frm_Complement"}));
  EXPECT_GE(desktop_.DoEventsCount(), 1);
  EXPECT_TRUE(desktop_.Errors().empty());
}

// A window that cannot be opened is reported as an error of the button, and the viewer
// is usable again under the normal pointer.
TEST_F(ViewerButtonsTest, AnErrorWhileOpeningAWindowIsReportedAndTheViewerComesBack) {
  failing_->FailOpen("DETAILCALCUL");
  auto viewer = OpenViewer(kMandataire);
  viewer->Cmd_DetailBS.UserClick();
  ASSERT_EQ(desktop_.Errors().size(), 1u);
  EXPECT_NE(desktop_.Errors()[0].message.find("DETAILCALCUL"), std::string::npos);
  ExpectViewerBack(*viewer);

  Lines bad = testsupport::SampleHeader();
  bad.insert(bad.end(), {"Ligne|1||||1|", "#6", "83420|abc|8667"});
  Write("ARCHIVEBULL", kMandataire, bad);
  auto other = OpenViewer(kMandataire);
  other->Cmd_Detail.UserClick();
  EXPECT_EQ(desktop_.Errors().size(), 2u);
  ExpectViewerBack(*other);
  EXPECT_TRUE(desktop_.ModalForms().empty());
}

}  // namespace
}  // namespace detailtest
