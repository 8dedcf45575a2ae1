#include <gtest/gtest.h>

#include "data/archive_files.h"
#include "data/sqlite_store.h"
#include "selection/selection_screen.h"
#include "support/payslip_record.h"
#include "ui/test_desktop.h"
#include "viewer/frm_visualisation_bulletin.h"

namespace vantelor {
namespace {

using testsupport::Lines;
using testsupport::PayslipRecord;

constexpr const char* kMars = "0001200120030300101";
constexpr const char* kAvril = "0001200120030400101";

// A listed payslip opened with a double-click, as the user does it: the screen lists
// the periods and keeps each line's archive key in Lst_CodeArchive.
class AfficheBullTest : public ::testing::Test {
 protected:
  AfficheBullTest() {
    archive_ = dba::NewMemoryArchive();
    v.Fic_ArchiveBull = archive_->OpenFile("ARCHIVEBULL");
  }

  void Store(const std::string& key, const std::string& text) {
    v.Fic_ArchiveBull->WriteRecord(key, text);
  }
  void List(const std::string& period, const std::string& key) {
    screen.Lst_Periode.AddItem(period);
    screen.Lst_CodeArchive.AddItem(key);
  }

  ui::TestDesktop desk;
  ui::ScopedDesktop installed{desk};
  Variable v;
  SelectionScreen screen{v};

 private:
  std::shared_ptr<dba::SqliteDatabase> archive_;
};

TEST_F(AfficheBullTest, DoubleClickShowsTheChosenPayslipUntilRetour) {
  Store(kMars, PayslipRecord({"Salaire de base|8667||||75836|"}).Text());
  Store(kAvril, PayslipRecord({"Heures d'intervention|12000"}).Text());
  List("MARS 2003", kMars);
  List("AVRIL 2003", kAvril);
  screen.Cac_Preimp.SetValue(1);
  std::string header, firstRow, net;
  desk.OnShowModal([&](ui::Form& form) {
    auto& viewer = dynamic_cast<Frm_VisualisationBulletin&>(form);
    EXPECT_TRUE(viewer.Cmd_Retour.AcceptsInput());
    EXPECT_EQ(desk.MousePointer(), ui::kDefaultPointer);
    header = viewer.Etq_Entete1.Caption();
    firstRow = viewer.Lst_Rubrique.List(0);
    net = viewer.Etq_NetFrancs.Caption();
    viewer.Cmd_Retour.UserClick();
  });
  screen.Lst_Periode.UserDoubleClick(1);

  EXPECT_EQ(desk.ModalForms(), std::vector<std::string>{"Frm_VisualisationBulletin"});
  EXPECT_EQ(header, "BULLETIN DE PAIE DU 01/03/2003 AU 31/03/2003");
  EXPECT_EQ(firstRow, "Heures d'intervention");
  EXPECT_EQ(net, "   669,89");
  EXPECT_EQ(v.Enr_ArchiveBull.Key(), kAvril);
  EXPECT_TRUE(v.W_PreImprime);
  EXPECT_TRUE(screen.Enabled());
  EXPECT_EQ(desk.MousePointer(), ui::kDefaultPointer);
  EXPECT_TRUE(screen.Lst_Periode.HasFocus());
  EXPECT_TRUE(desk.Messages().empty());
}

TEST_F(AfficheBullTest, PreprintedFlagFollowsTheBox) {
  Store(kMars, PayslipRecord({"Ligne"}).Text());
  List("MARS 2003", kMars);
  v.W_PreImprime = true;
  desk.OnShowModal([](ui::Form& form) {
    dynamic_cast<Frm_VisualisationBulletin&>(form).Cmd_Retour.UserClick();
  });
  screen.Lst_Periode.UserDoubleClick(0);
  EXPECT_FALSE(v.W_PreImprime);
}

TEST_F(AfficheBullTest, UnreadablePayslipIsReportedAndTheViewerStaysClosed) {
  const std::string noMarker = testsupport::RecordText(
      {"", "BULLETIN", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "Ligne"});
  const struct {
    std::string stored;  // "" = no record under the key
    std::string message;
  } cases[] = {
      {"",
       "Le bulletin 0001200120030300101 n'existe plus dans les archives. Il ne peut pas être "
       "affiché."},
      {noMarker,
       "Le bulletin 0001200120030300101 est incomplet : la marque de fin de ses lignes (#6) est "
       "absente. Il ne peut pas être affiché."},
      {PayslipRecord({"Ligne|100", "Salaire|86,67"}).Text(),
       "Le bulletin 0001200120030300101 est illisible : « 86,67 » n'est pas un nombre (attribut "
       "20, valeur 2). Il ne peut pas être affiché."},
      {PayslipRecord({"Ligne"}, {"", "", "", "net|E", ""}).Text(),
       "Le bulletin 0001200120030300101 est illisible : « net » n'est pas un nombre (attribut "
       "24, valeur 1). Il ne peut pas être affiché."},
  };
  const std::string shown = PayslipRecord({"Bulletin précédent"}).Text();
  List("MARS 2003", kMars);
  for (const auto& c : cases) {
    v.Enr_ArchiveBull = dba::Record(nullptr, kAvril, shown);
    if (!c.stored.empty()) Store(kMars, c.stored);
    desk.Answer(ui::kAnswerOk);
    screen.Lst_Periode.UserDoubleClick(0);
    screen.Lst_Periode.SetListIndex(-1);

    EXPECT_EQ(desk.LastMessage(),
              (ui::MessageRecord{c.message, ui::kExclamation, kTitreMessage, ui::kAnswerOk}));
    EXPECT_TRUE(desk.ModalForms().empty());
    EXPECT_TRUE(screen.Enabled());
    EXPECT_EQ(desk.MousePointer(), ui::kDefaultPointer);
    EXPECT_EQ(v.Enr_ArchiveBull.Key(), kAvril);
    EXPECT_EQ(v.Enr_ArchiveBull.Text(), shown);
    EXPECT_TRUE(desk.Errors().empty());
  }
  EXPECT_EQ(desk.Messages().size(), std::size(cases));
}

// Other failures go to the host as an error of the event; the screen comes back enabled.
TEST_F(AfficheBullTest, AnErrorReachesTheHostAndLeavesTheScreenEnabled) {
  List("MARS 2003", kMars);
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
