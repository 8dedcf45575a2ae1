// Both detail windows open from the viewer over every payslip of the demo archive, with
// no error reported, and show the detail and the footer the archive holds.

#include "component/state/procedure.h"
#include "data/demo/demo_archive.h"
#include "detail/frm_complement.h"
#include "detail/frm_detail_bs.h"
#include "detail_fixture.h"
#include "viewer/frm_visualisation_bulletin.h"
#include "viewer/verifier_bulletin.h"

namespace detailtest {
namespace {

TEST(DemoArchiveWindowsTest, EveryPayslipOpensItsDetailAndItsComplement) {
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed(desktop);
  auto archive = dba::NewMemoryArchive();
  dba::demo::SeedDemoArchive(*archive, {});
  vantelor::Variable v;
  v.TheDatabase = archive;
  vantelor::Ouvrir_Fichiers(v);

  int detailsWithRows = 0, complementsWithNet = 0, shown = 0;
  desktop.SetDefaultModalHandler([&](ui::Form& form) {
    if (auto* detail = dynamic_cast<vantelor::Frm_DetailBS*>(form.Find("Frm_DetailBS"))) {
      if (detail->Lst_CodeRub.ListCount() > 0) ++detailsWithRows;
      detail->Cmd_Retour.UserClick();
    } else if (auto* page = dynamic_cast<vantelor::Frm_Complement*>(form.Find("Frm_Complement"))) {
      if (!page->Etq_NetFrancs.Caption().empty()) ++complementsWithNet;
      page->Cmd_Retour.UserClick();
    }
  });
  archive->ForEachRecord("ARCHIVEBULL", [&](std::string_view key, std::string_view) {
    v.Enr_ArchiveBull = v.Fic_ArchiveBull->ReadRecord(key);
    if (!vantelor::Verifier_Bulletin(v.Enr_ArchiveBull).empty()) return;
    vantelor::Frm_VisualisationBulletin viewer(v);
    viewer.Load();
    viewer.Init();
    viewer.Cmd_DetailBS.UserClick();
    viewer.Cmd_Detail.UserClick();
    ++shown;
  });
  ASSERT_GT(shown, 100);
  EXPECT_TRUE(desktop.Errors().empty())
      << desktop.Errors()[0].where << ": " << desktop.Errors()[0].message;
  EXPECT_EQ(desktop.ModalForms().size(), 2u * shown);
  EXPECT_EQ(detailsWithRows, shown);
  EXPECT_EQ(complementsWithNet, shown);
}

}  // namespace
}  // namespace detailtest
