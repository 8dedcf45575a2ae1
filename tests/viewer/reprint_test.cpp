// Edition in the viewer: the payslip shown printed again, every step with errors ignored.
#include "printing/print_log.h"
#include "support/payslip_record.h"
#include "support/print_fixture.h"
#include "viewer/frm_visualisation_bulletin.h"

namespace vantelor {
namespace {

using testsupport::Call;

constexpr const char* kShown = "0001200120030300101";

class ReprintTest : public testsupport::PrintFixture {
 protected:
  ReprintTest() {
    v.Enr_ArchiveBull =
        dba::Record(nullptr, kShown, testsupport::PayslipRecord({"Salaire|8667"}).Text());
    viewer.Ctr_Ostrel.SetControl(control);
    viewer.Load();
    viewer.Init();
  }
  Frm_VisualisationBulletin viewer{v};
};

TEST_F(ReprintTest, PrintsTheShownPayslipAloneThroughTheRequestRecord) {
  v.W_StatutImpression = 3;
  v.W_PreImprime = true;
  // A record left behind by an earlier print is reused, its keys cleared first.
  testsupport::Put(*store, "TEMPO", key, std::string("OLD1\xFDOLD2\xFE") + "kept");
  viewer.Cmd_Edition.UserClick();

  ExpectOneRequest({kShown});
  EXPECT_EQ(tempoDuringPrint, std::string(kShown) + "\xFE" + "kept");
  EXPECT_EQ(desktop.PointerChanges(), (std::vector<int>{ui::kHourglass, ui::kDefaultPointer}))
      << "the busy bracket ends before the print request";
  EXPECT_TRUE(viewer.Loaded()) << "the viewer stays open";
  ExpectLeftAsItWas(viewer);
}

TEST_F(ReprintTest, FailuresAreIgnoredStepByStepAndTheRequestRecordStillGoes) {
  const struct {
    std::string op, file;  // the store call that fails; none when the print control does
    bool printed;
  } cases[] = {{"", "", true},
               {"write", "TEMPO", true},
               {"write", std::string(printing::kPrintLogFile), false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.op + " " + c.file);
    control->editions.clear();
    control->failure.reset();
    if (c.op.empty()) control->failure = dba::Error(printing::kPrintFailed, "out of paper");
    db->FailWhen([&c](const Call& call) { return call.op == c.op && call.file == c.file; });
    viewer.Cmd_Edition.UserClick();
    db->FailWhen(nullptr);
    EXPECT_EQ(control->editions.size(), c.printed ? 1u : 0u);
    EXPECT_TRUE(desktop.Errors().empty()) << desktop.Errors()[0].message;
    EXPECT_TRUE(desktop.Messages().empty());
    ExpectLeftAsItWas(viewer);
  }
  // Without a TEMPO file the print still goes, with nothing to remove afterwards.
  v.Fic_Tempo.reset();
  viewer.Cmd_Edition.UserClick();
  EXPECT_TRUE(desktop.Errors().empty());
}

// A read failing otherwise than "not found" starts a new record: what the shared record
// variable held before never goes back under this user's key.
TEST_F(ReprintTest, AFailedReadNeverWritesAnotherRecordUnderTheRequestKey) {
  testsupport::Put(*store, "TEMPO", "ARCHIVEBULLSOMEONE", "THEIR-KEY");
  v.Enr_Tempo = v.Fic_Tempo->ReadRecord("ARCHIVEBULLSOMEONE");
  testsupport::Put(*store, "TEMPO", key, "LEFT-BEHIND");
  db->FailWhen([this](const Call& c) { return c.op == "read" && c.key == key; });
  viewer.Cmd_Edition.UserClick();
  EXPECT_EQ(tempoDuringPrint, kShown);
  EXPECT_EQ(testsupport::Stored(*store, "TEMPO", "ARCHIVEBULLSOMEONE"), "THEIR-KEY");
}

}  // namespace
}  // namespace vantelor
