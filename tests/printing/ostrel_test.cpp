// The print control as the screens reach it: three members by identifier, the print log
// written around every request, and no print without a log, a database or a control.
#include "printing/ostrel.h"

#include <gtest/gtest.h>

#include "data/archive/archive_files.h"
#include "data/store/open_database.h"
#include "data/tools/new_archive.h"
#include "printing/print_log.h"
#include "printing/recording_print_control.h"
#include "support/expect_dispatch_error.h"
#include "support/fake_database.h"

namespace printing {
namespace {

using Clock = std::chrono::system_clock;

class OstrelTest : public ::testing::Test {
 protected:
  OstrelTest() {
    ostrel_.SetControl(control_);
    ostrel_.SetRetryWait([](int) {});
    ostrel_.SetClock([this] { return now_; });
  }
  // The last record of the print log, in key (time) order.
  dba::DynArray LastLogRecord() {
    const dba::DynArray keys = store_->ExecuteSentence(
        dba::QueryCommand("SSELECT " + std::string(kPrintLogFile), kPrintLogFile));
    return dba::DynArray(testsupport::Stored(*store_, kPrintLogFile, keys(keys.DCount())));
  }
  void Print(std::int16_t& status, bool preprinted = false) {
    ostrel_.SetDatabase(db_);
    ostrel_.SetClient(nullptr);
    ostrel_.EditionBulletins(keys_, true, "ABC", status, preprinted);
  }

  std::shared_ptr<dba::Database> store_ = dba::NewMemoryArchive();
  std::shared_ptr<testsupport::FakeDatabase> db_ =
      std::make_shared<testsupport::FakeDatabase>(store_);
  std::shared_ptr<RecordingPrintControl> control_ = std::make_shared<RecordingPrintControl>();
  OstrelControl ostrel_;
  Clock::time_point now_ = Clock::from_time_t(1054382400);  // 31/05/2003 12:00 UTC
  dba::DynArray keys_ = KeyList({"0001200120030300101", "00012002201904A01"});
};

// All in the same instant: each request still gets its own log record.
TEST_F(OstrelTest, EveryRequestIsLoggedWithUserTimeKeysAndOutcome) {
  const struct {
    std::int16_t statusOnReturn;
    bool fails;
    std::string outcome;
  } cases[] = {
      {kStatusPrinted, false, std::string(kOutcomePrinted)},
      {kStatusNothingPrinted, false, std::string(kOutcomeNothing)},
      {kStatusPrinted, true, std::string(kOutcomeFailedPrefix) + "paper jam"},
  };
  for (const auto& c : cases) {
    control_->statusOnReturn = c.statusOnReturn;
    if (c.fails) control_->failure = dba::Error(kPrintFailed, "paper jam");
    std::int16_t status = 0;
    EXPECT_DBA_ERROR(c.fails ? kPrintFailed : 0, Print(status));
    const dba::DynArray last = LastLogRecord();
    EXPECT_EQ(last(1) + "/" + last(2) + "/" + last(4) + "/" + last(5),
              "ABC/" + LogTimeText(now_) + "/" + c.outcome + "/ABC");
    EXPECT_EQ(last(3),
              "0001200120030300101\xFD"
              "00012002201904A01");
  }
  EXPECT_EQ(testsupport::Count(*store_, kPrintLogFile), 3);
}

// The log names the user whose rights applied beside the login, and where the payslips
// went; a failure the control has shown already is logged and goes no further.
TEST_F(OstrelTest, TheLogNamesBothUsersAndTheDestination) {
  ostrel_.SetRightsUser([] { return std::string("MANAGER"); });
  control_->destination = "HP-Bureau";
  std::int16_t status = 0;
  Print(status);
  control_->failure = dba::Error(kPrintFailed, "L'imprimante HP-Bureau est arrêtée.");
  control_->failureShown = true;
  EXPECT_DBA_ERROR(0, Print(status));
  const std::vector<PrintLogRecord> log = ReadPrintLog(*store_);
  ASSERT_EQ(log.size(), 2u);
  for (const PrintLogRecord& r : log) {
    EXPECT_EQ(r.user + "/" + r.login + "/" + r.destination, "MANAGER/ABC/HP-Bureau");
    EXPECT_EQ(r.keys, KeysOf(keys_));
  }
  EXPECT_EQ(log[0].outcome, kOutcomePrinted);
  EXPECT_EQ(log[1].outcome, "échec : L'imprimante HP-Bureau est arrêtée.");
}

// The final update is tried again when the database refuses it for a moment; a print that
// went out is never reported as failed, even when the log cannot take its outcome.
TEST_F(OstrelTest, TheFinalUpdateIsRetriedAndAPrintThatWentOutStaysPrinted) {
  int refusals = 0, limit = 0;
  db_->FailWhen([&](const testsupport::Call& c) {
    return c.op == "write" && c.file == kPrintLogFile && ++refusals > 1 && refusals <= limit;
  });
  for (const int refused : {PrintLog::kFinishAttempts - 1, PrintLog::kFinishAttempts}) {
    refusals = 0;
    limit = 1 + refused;  // the first write (Begin) passes
    std::int16_t status = 0;
    Print(status);
    EXPECT_EQ(status, kStatusPrinted);
    const bool lost = refused == PrintLog::kFinishAttempts;
    EXPECT_EQ(LastLogRecord()(4), lost ? kOutcomeRunning : kOutcomePrinted) << refused;
    EXPECT_EQ(ostrel_.LastLogFailure().empty(), !lost) << refused;
  }
}

// Without a print log, a database or an installed control nothing reaches the printer.
TEST_F(OstrelTest, RefusesToPrintWhatItCannotLog) {
  std::int16_t status = 0;
  EXPECT_DBA_ERROR(kPrintFailed, ostrel_.EditionBulletins(keys_, true, "ABC", status, false));
  db_->FailWhen([](const testsupport::Call& c) { return c.op == "write"; });
  EXPECT_DBA_ERROR(dba::kStorageFailure, Print(status));
  auto bare = dba::OpenNamedDatabase(":memory:", dba::OpenMode::kCreate);
  ostrel_.SetDatabase(bare);
  const auto e =
      testsupport::ErrorOf([&] { ostrel_.EditionBulletins(keys_, true, "ABC", status, false); });
  EXPECT_EQ(e.code, dba::kFileNotFound);
  EXPECT_NE(e.message.find("vantelor-db init"), std::string::npos) << e.message;
  EXPECT_TRUE(control_->editions.empty());
  OstrelControl uninstalled;
  uninstalled.SetDatabase(store_);
  EXPECT_DBA_ERROR(kPrintFailed, uninstalled.EditionBulletins(keys_, true, "ABC", status, false));
  std::vector<Variant> none;
  EXPECT_DISPATCH_ERROR(vantelor::kMemberNotFound, uninstalled.Control().Invoke(0x60030099, none));
}

TEST(OstrelFactoryTest, HandlesMakeTheirControlWithTheInstalledFactory) {
  auto control = std::make_shared<RecordingPrintControl>();
  int made = 0;
  SetPrintControlFactory([&] {
    ++made;
    return control;
  });
  OstrelControl ostrel;
  EXPECT_EQ(made, 0) << "made on first use, so hosts may install the factory late";
  ostrel.SetClient(nullptr);
  ostrel.SetDatabase(nullptr);
  EXPECT_EQ(made, 1);
  EXPECT_EQ(control->calls.size(), 2u);
  SetPrintControlFactory(nullptr);
}

TEST(VariantTest, WrongArgumentsAreTypeMismatchesAndWrongCountsAreCountErrors) {
  std::vector<Variant> args = {Variant(true), Variant(true), Variant("ABC"), Variant(true),
                               Variant(false)};
  EXPECT_DISPATCH_ERROR(vantelor::kTypeMismatch, UnpackEditionBulletins(args));
  args.pop_back();
  EXPECT_DISPATCH_ERROR(vantelor::kBadParamCount, UnpackEditionBulletins(args));
  EXPECT_DISPATCH_ERROR(vantelor::kMemberNotFound, RecordingPrintControl().Invoke(7, args));
}

}  // namespace
}  // namespace printing
