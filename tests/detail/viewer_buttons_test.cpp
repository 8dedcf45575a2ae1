// "Détail" and "Compléments" pressed in the viewer over the example and demo payslips.
#include "data/tools/demo/demo_archive.h"
#include "data/tools/new_archive.h"
#include "detail/frm_complement.h"
#include "detail/frm_detail_bs.h"
#include "detail_fixture.h"
#include "state/procedure.h"
#include "viewer/frm_visualisation_bulletin.h"
#include "viewer/verifier_bulletin.h"

namespace detailtest {
namespace {

using vantelor::Frm_DetailBS;
using vantelor::Frm_VisualisationBulletin;

const std::string kMandataire = "0001200120030300101";  // March 2003, care recipient 00101
const std::string kPrestataire = "00012002201904A01";   // April 2019, association A01

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
  // Presses Détail over a disabled viewer and returns the seven identification boxes
  // joined by '/'; the viewer must come back enabled under the normal pointer.
  std::string PressDetail(Frm_VisualisationBulletin& viewer) {
    std::string seen;
    desktop_.OnShowModal([&](ui::Form& form) {
      auto& w = dynamic_cast<Frm_DetailBS&>(form);
      for (ui::TextBox* box :
           {&w.Txt_CodAidant, &w.Txt_NomAidant, &w.Txt_PeriodePaie, &w.Txt_CodEmployeur,
            &w.Txt_NomEmployeur, &w.Txt_DateDebContrat, &w.Txt_DateFinContrat})
        seen += box->Text() + "/";
      EXPECT_FALSE(viewer.Enabled());
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
};

// Missing or odd records leave only their own boxes blank.
TEST_F(ViewerButtonsTest, TheIdentificationComesFromTheContractAndTheCivilRecords) {
  const struct {
    const char* what;
    std::string key;
    std::string file, recordKey;
    std::string record;
    const char* expected;
  } cases[] = {
      {"prestataire: the association", kPrestataire, "", "", "",
       "00012/DUPONT Marie/AVRIL 2019/A01/ASSOCIATION AIDE ET VIE/01/02/1999/30/12/2020/"},
      {"care recipient without civil record", kMandataire, "CONTRAT", "00012001",
       testsupport::RecordText({"02", "", "99999", "", "", "", "11355", "12069"}),
       "00012/DUPONT Marie/MARS 2003/99999//01/02/1999/15/01/2001/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (!c.file.empty()) Write(c.file, c.recordKey, {c.record});
    EXPECT_EQ(PressDetail(*OpenViewer(c.key)), c.expected);
  }
  // Records read for an earlier payslip stay in the shared state; a failed read must not
  // bring them back on screen.
  PressDetail(*OpenViewer(kPrestataire));
  FailReads({"00012", "00012001"});
  EXPECT_EQ(PressDetail(*OpenViewer(kMandataire)), "00012//MARS 2003/////");
}

// A window that cannot be filled is reported as an error of its button, and the viewer
// is usable again under the normal pointer.
TEST_F(ViewerButtonsTest, AnErrorWhileOpeningAWindowIsReportedAndTheViewerComesBack) {
  auto viewer = OpenViewer(kMandataire);
  db_->FailWhen([](const Call& c) { return c.op == "open" && c.file == "DETAILCALCUL"; });
  viewer->Cmd_DetailBS.UserClick();
  ASSERT_EQ(desktop_.Errors().size(), 1u);
  EXPECT_NE(desktop_.Errors()[0].message.find("DETAILCALCUL"), std::string::npos);
  ExpectViewerBack(*viewer);

  Write("ARCHIVEBULL", kMandataire,
        {testsupport::PayslipRecord({"Ligne|1||||1|"}, {"83420|abc|8667", "", "", "", ""}).Text()});
  auto other = OpenViewer(kMandataire);
  other->Cmd_Detail.UserClick();
  EXPECT_EQ(desktop_.Errors().size(), 2u);
  ExpectViewerBack(*other);
  EXPECT_TRUE(desktop_.ModalForms().empty());
}

// Both windows open over every payslip of the demo archive with no error reported, the
// detail over a disabled viewer, the complementary page over an enabled one.
TEST_F(ArchiveTest, EveryDemoPayslipOpensItsDetailAndItsComplement) {
  auto demo = dba::NewMemoryArchive();
  dba::demo::SeedDemoArchive(*demo, {});
  v_.TheDatabase = demo;
  vantelor::Ouvrir_Fichiers(v_);
  int filled = 0, shown = 0;
  Frm_VisualisationBulletin* shownViewer = nullptr;
  desktop_.SetDefaultModalHandler([&](ui::Form& form) {
    if (auto* detail = dynamic_cast<Frm_DetailBS*>(form.Find("Frm_DetailBS"))) {
      filled += detail->Lst_CodeRub.ListCount() > 0 && !shownViewer->Enabled();
      detail->Cmd_Retour.UserClick();
    } else if (auto* page = dynamic_cast<vantelor::Frm_Complement*>(form.Find("Frm_Complement"))) {
      filled += !page->Etq_NetFrancs.Caption().empty() && shownViewer->Enabled();
      page->Cmd_Retour.UserClick();
    }
  });
  demo->ForEachRecord("ARCHIVEBULL", [&](std::string_view key, std::string_view) {
    v_.Enr_ArchiveBull = v_.Fic_ArchiveBull->ReadRecord(key);
    if (!vantelor::Verifier_Bulletin(v_.Enr_ArchiveBull).empty()) return;
    Frm_VisualisationBulletin viewer(v_);
    viewer.Load();
    viewer.Init();
    shownViewer = &viewer;
    viewer.Cmd_DetailBS.UserClick();
    viewer.Cmd_Detail.UserClick();
    ++shown;
  });
  ASSERT_GT(shown, 100);
  EXPECT_TRUE(desktop_.Errors().empty()) << desktop_.Errors()[0].message;
  EXPECT_EQ(desktop_.ModalForms().size(), 2u * shown);
  EXPECT_EQ(filled, 2 * shown);
}

}  // namespace
}  // namespace detailtest
