// A listed payslip opened with a double-click: the viewer shows the chosen line's payslip,
// and a payslip that cannot be shown is explained while the viewer stays closed.
#include <gtest/gtest.h>

#include "data/archive_files.h"
#include "data/sqlite_store.h"
#include "selection/selection_screen.h"
#include "support/payslip_record.h"
#include "ui/test_desktop.h"
#include "viewer/frm_visualisation_bulletin.h"

namespace vantelor {
namespace {

using testsupport::PayslipRecord;

constexpr const char* kMars = "0001200120030300101";
constexpr const char* kAvril = "0001200120030400101";

class AfficheBullTest : public ::testing::Test {
 protected:
  AfficheBullTest() {
    v.Fic_ArchiveBull = archive_->OpenFile("ARCHIVEBULL");
    for (const char* key : {kMars, kAvril}) {
      screen.Lst_Periode.AddItem(key);
      screen.Lst_CodeArchive.AddItem(key);
    }
  }
  void Store(const std::string& key, const std::string& text) {
    v.Fic_ArchiveBull->WriteRecord(key, text);
  }

  std::shared_ptr<dba::SqliteDatabase> archive_ = dba::NewMemoryArchive();
  ui::TestDesktop desk;
  ui::ScopedDesktop installed{desk};
  Variable v;
  SelectionScreen screen{v};
};

TEST_F(AfficheBullTest, DoubleClickShowsTheChosenPayslipUntilRetour) {
  Store(kMars, PayslipRecord({"Salaire de base|8667||||75836|"}).Text());
  Store(kAvril, PayslipRecord({"Heures d'intervention|12000"}).Text());
  for (const int preimp : {1, 0}) {  // the flag follows the box both ways
    screen.Cac_Preimp.SetValue(preimp);
    std::string firstRow;
    desk.OnShowModal([&](ui::Form& form) {
      auto& viewer = dynamic_cast<Frm_VisualisationBulletin&>(form);
      EXPECT_EQ(desk.MousePointer(), ui::kDefaultPointer);
      firstRow = viewer.Lst_Rubrique.List(0);
      viewer.Cmd_Retour.UserClick();
    });
    screen.Lst_Periode.UserDoubleClick(1);
    EXPECT_EQ(firstRow, "Heures d'intervention");
    EXPECT_EQ(v.Enr_ArchiveBull.Key(), kAvril);
    EXPECT_EQ(v.W_PreImprime, preimp == 1);
    EXPECT_TRUE(screen.Enabled());
    EXPECT_TRUE(screen.Lst_Periode.HasFocus());
  }
  EXPECT_TRUE(desk.Messages().empty());
}

TEST_F(AfficheBullTest, UnreadablePayslipIsReportedAndTheViewerStaysClosed) {
  const std::string noMarker = testsupport::RecordText(
      {"", "BULLETIN", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "Ligne"});
  const std::string start = "Le bulletin 0001200120030300101 ";
  const std::string end = " Il ne peut pas être affiché.";
  const struct {
    std::string stored;  // "" = no record under the key
    std::string message;
  } cases[] = {
      {"", "n'existe plus dans les archives."},
      {noMarker, "est incomplet : la marque de fin de ses lignes (#6) est absente."},
      {PayslipRecord({"Ligne|100", "Salaire|86,67"}).Text(),
       "est illisible : « 86,67 » n'est pas un nombre (attribut 20, valeur 2)."},
      {PayslipRecord({"Ligne"}, {"", "", "", "net|E", ""}).Text(),
       "est illisible : « net » n'est pas un nombre (attribut 24, valeur 1)."},
  };
  const std::string shown = PayslipRecord({"Bulletin précédent"}).Text();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    v.Enr_ArchiveBull = dba::Record(nullptr, kAvril, shown);
    if (!c.stored.empty()) Store(kMars, c.stored);
    desk.Answer(ui::kAnswerOk);
    screen.Lst_Periode.UserDoubleClick(0);
    screen.Lst_Periode.SetListIndex(-1);
    EXPECT_EQ(desk.LastMessage(), (ui::MessageRecord{start + c.message + end, ui::kExclamation,
                                                     kTitreMessage, ui::kAnswerOk}));
    EXPECT_TRUE(desk.ModalForms().empty());
    EXPECT_TRUE(screen.Enabled());
    EXPECT_EQ(v.Enr_ArchiveBull.Text(), shown);
  }
  EXPECT_TRUE(desk.Errors().empty());
}

TEST_F(AfficheBullTest, WithoutItsFileAnErrorReachesTheHostAndLeavesTheScreenEnabled) {
  v.Fic_ArchiveBull.reset();
  screen.Lst_Periode.UserDoubleClick(0);
  ASSERT_EQ(desk.Errors().size(), 1u);
  EXPECT_NE(desk.Errors()[0].message.find("ARCHIVEBULL"), std::string::npos);
  EXPECT_TRUE(desk.ModalForms().empty());
  EXPECT_TRUE(screen.Enabled());
  EXPECT_EQ(desk.MousePointer(), ui::kDefaultPointer);
}

}  // namespace
}  // namespace vantelor
