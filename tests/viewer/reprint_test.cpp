// Edition in the viewer: the payslip shown printed again, every step with errors ignored.
#include "data/archive_files.h"
#include "data/request_records.h"
#include "data/sqlite_store.h"
#include "data/step.h"
#include "printing/print_log.h"
#include "printing/recording_print_control.h"
#include "state/procedure.h"
#include "support/failing_database.h"
#include "text/text.h"
#include "viewer/viewer_fixture.h"

namespace vantelor {
namespace {

using printing::RecordingPrintControl;
using testsupport::Call;

constexpr const char* kShown = "0001200120030300101";

class ReprintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store_->OpenFile("ARCHIVEBULL")
        ->WriteRecord(kShown,
                      testsupport::PayslipRecord({"Salaire de base|8667||||75836|"}).Text());
    v_.TheDatabase = db_;
    v_.TheClient = std::make_shared<dba::SqliteClient>();
    Ouvrir_Fichiers(v_);
    v_.Enr_ArchiveBull = v_.Fic_ArchiveBull->ReadRecord(kShown);
    db_->FailWhen([this](const Call& c) { return fails_ && fails_(c); });
    viewer_ = std::make_unique<Frm_VisualisationBulletin>(v_);
    viewer_->Ctr_Ostrel.SetControl(control_);
    viewer_->Load();
    viewer_->Init();
    control_->during = [this](const RecordingPrintControl::Edition&) {
      tempoDuringPrint_ = Tempo();
      enabledDuringPrint_ = viewer_->Enabled();
    };
  }
  // The request record as stored now ("" when there is none).
  std::string Tempo() {
    std::string text = "<none>";
    dba::RunStep([&] { text = store_->OpenFile("TEMPO")->ReadRecord(key_).Text(); });
    return text;
  }

  ui::TestDesktop desktop_;
  ui::ScopedDesktop installed_{desktop_};
  std::shared_ptr<dba::SqliteDatabase> store_ = dba::NewMemoryArchive();
  std::shared_ptr<testsupport::FailingDatabase> db_ =
      std::make_shared<testsupport::FailingDatabase>(store_);
  std::shared_ptr<RecordingPrintControl> control_ = std::make_shared<RecordingPrintControl>();
  Variable v_;
  std::unique_ptr<Frm_VisualisationBulletin> viewer_;
  std::function<bool(const Call&)> fails_;
  std::string tempoDuringPrint_;
  bool enabledDuringPrint_ = false;
  const std::string key_ = dba::TempoKey(Lire_NomUtilisateur());
};

TEST_F(ReprintTest, PrintsTheShownPayslipAloneThroughTheRequestRecord) {
  v_.W_StatutImpression = 3;
  v_.W_PreImprime = true;
  viewer_->Cmd_Edition.UserClick();

  ASSERT_EQ(control_->editions.size(), 1u);
  const auto& e = control_->editions[0];
  EXPECT_EQ(e.keys, std::vector<std::string>{kShown});
  EXPECT_TRUE(e.interactive);
  EXPECT_EQ(e.user, text::Upper(Lire_NomUtilisateur()));
  EXPECT_EQ(e.statusOnEntry, 0);
  EXPECT_TRUE(e.preprinted);
  EXPECT_EQ(control_->database, v_.TheDatabase);
  EXPECT_EQ(control_->client, v_.TheClient);
  EXPECT_EQ(tempoDuringPrint_, kShown);
  EXPECT_EQ(Tempo(), "<none>") << "removed after the print";
  EXPECT_TRUE(enabledDuringPrint_) << "the busy bracket ends before the print request";
  EXPECT_EQ(desktop_.PointerChanges(), (std::vector<int>{ui::kHourglass, ui::kDefaultPointer}));
  EXPECT_TRUE(desktop_.Messages().empty());
  EXPECT_EQ(store_->RecordCount(printing::kPrintLogFile), 1);
  EXPECT_TRUE(viewer_->Loaded()) << "the viewer stays open";
}

TEST_F(ReprintTest, ARequestRecordLeftBehindIsReusedWithItsKeysClearedFirst) {
  store_->OpenFile("TEMPO")->WriteRecord(
      key_, std::string("OLD1") + dba::kValueMark + "OLD2" + dba::kAttributeMark + "kept");
  viewer_->Cmd_Edition.UserClick();
  EXPECT_EQ(tempoDuringPrint_, std::string(kShown) + dba::kAttributeMark + "kept");
  EXPECT_FALSE(control_->editions.back().preprinted);
  EXPECT_EQ(Tempo(), "<none>");
}

TEST_F(ReprintTest, FailuresAreIgnoredStepByStepAndTheRequestRecordStillGoes) {
  const struct {
    std::string op, file;  // the store call that fails; none when the print control does
    bool printed;
  } cases[] = {{"", "", true},
               {"write", "TEMPO", true},
               {"read", "TEMPO", true},
               {"write", std::string(printing::kPrintLogFile), false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.op + " " + c.file);
    control_->editions.clear();
    control_->failure.reset();
    if (c.op.empty()) control_->failure = dba::Error(printing::kPrintFailed, "out of paper");
    fails_ = [&c](const Call& call) { return call.op == c.op && call.file == c.file; };
    viewer_->Cmd_Edition.UserClick();
    fails_ = nullptr;
    EXPECT_EQ(control_->editions.size(), c.printed ? 1u : 0u);
    EXPECT_TRUE(desktop_.Errors().empty()) << desktop_.Errors()[0].message;
    EXPECT_TRUE(desktop_.Messages().empty());
    EXPECT_EQ(Tempo(), "<none>");
    EXPECT_TRUE(viewer_->Enabled());
    EXPECT_EQ(desktop_.MousePointer(), ui::kDefaultPointer);
  }
}

TEST_F(ReprintTest, AFailedReadNeverWritesAnotherRecordUnderTheRequestKey) {
  store_->OpenFile("TEMPO")->WriteRecord("ARCHIVEBULLSOMEONE", "THEIR-KEY");
  v_.Enr_Tempo = v_.Fic_Tempo->ReadRecord("ARCHIVEBULLSOMEONE");
  store_->OpenFile("TEMPO")->WriteRecord(key_, "LEFT-BEHIND");
  fails_ = [this](const Call& c) { return c.op == "read" && c.key == key_; };
  viewer_->Cmd_Edition.UserClick();
  EXPECT_EQ(tempoDuringPrint_, kShown);
  EXPECT_EQ(store_->OpenFile("TEMPO")->ReadRecord("ARCHIVEBULLSOMEONE").Text(), "THEIR-KEY");
}

}  // namespace
}  // namespace vantelor
