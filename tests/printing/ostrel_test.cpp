#include "printing/ostrel.h"

#include <gtest/gtest.h>

#include "data/archive_files.h"
#include "data/sqlite_store.h"
#include "printing/print_log.h"
#include "printing/recording_print_control.h"
#include "support/failing_database.h"

namespace printing {
namespace {

using Clock = std::chrono::system_clock;

dba::DynArray List(std::initializer_list<const char*> keys) {
  dba::DynArray list;
  int i = 0;
  for (const char* k : keys) list.Set(++i, k);
  return list;
}

class OstrelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store_->CreateFile(kPrintLogFile);
    ostrel_.SetControl(control_);
    ostrel_.SetClock([this] { return now_; });
  }
  // The records of the print log, in key (time) order.
  std::vector<dba::DynArray> Log() {
    std::vector<dba::DynArray> records;
    store_->ForEachRecord(kPrintLogFile, [&](std::string_view key, std::string_view text) {
      records.emplace_back(std::string(key), std::string(text));
    });
    return records;
  }
  void Print(dba::DynArray& keys, std::int16_t& status) {
    ostrel_.SetDatabase(db_);
    ostrel_.SetClient(nullptr);
    ostrel_.EditionBulletins(keys, true, "ABC", status, false);
  }

  std::shared_ptr<dba::SqliteDatabase> store_ = dba::NewMemoryArchive();
  std::shared_ptr<testsupport::FailingDatabase> db_ =
      std::make_shared<testsupport::FailingDatabase>(store_);
  std::shared_ptr<RecordingPrintControl> control_ = std::make_shared<RecordingPrintControl>();
  OstrelControl ostrel_;
  Clock::time_point now_ = Clock::from_time_t(1054382400);  // 31/05/2003 12:00 UTC
};

TEST_F(OstrelTest, ReachesTheThreeMembersByTheirIdentifiersWithTheFiveArgumentsInOrder) {
  dba::DynArray keys = List({"K1", "K2"});
  std::int16_t status = 0;
  ostrel_.SetDatabase(db_);
  ostrel_.SetClient(nullptr);
  ostrel_.EditionBulletins(keys, true, "ABC", status, true);

  EXPECT_EQ(control_->calls, (std::vector<DispId>{0x68030000, 0x68030001, 0x60030002}));
  EXPECT_EQ(control_->database, db_);
  ASSERT_EQ(control_->editions.size(), 1u);
  const auto& e = control_->editions[0];
  EXPECT_EQ(e.keys, (std::vector<std::string>{"K1", "K2"}));
  EXPECT_TRUE(e.interactive);
  EXPECT_EQ(e.user, "ABC");
  EXPECT_TRUE(e.preprinted);
  EXPECT_EQ(status, kStatusPrinted) << "the status flag is passed by reference";
}

TEST_F(OstrelTest, EveryRequestIsLoggedWithUserTimeKeysAndOutcome) {
  dba::DynArray keys = List({"0001200120030300101", "00012002201904A01"});
  std::int16_t status = 0;
  Print(keys, status);

  const auto log = Log();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0](1), "ABC");
  EXPECT_EQ(log[0](2), LogTimeText(now_));
  EXPECT_EQ(log[0](3, 1), "0001200120030300101");
  EXPECT_EQ(log[0](3, 2), "00012002201904A01");
  EXPECT_EQ(log[0](4), kOutcomePrinted);
  EXPECT_NE(log[0].Key().find("*ABC"), std::string::npos) << log[0].Key();
}

TEST_F(OstrelTest, LogTellsRequestsThatPrintedNothingOrFailed) {
  struct Case {
    const char* name;
    std::int16_t statusOnReturn;
    bool fails;
    std::string outcome;
  };
  const Case cases[] = {
      {"printed", kStatusPrinted, false, std::string(kOutcomePrinted)},
      {"cancelled", kStatusNothingPrinted, false, std::string(kOutcomeNothing)},
      {"failed", kStatusPrinted, true, std::string(kOutcomeFailedPrefix) + "paper jam"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    control_->statusOnReturn = c.statusOnReturn;
    if (c.fails) control_->failure = dba::Error(kPrintFailed, "paper jam");
    now_ += std::chrono::seconds(1);
    dba::DynArray keys = List({"K1"});
    std::int16_t status = 0;
    if (c.fails) {
      EXPECT_THROW(Print(keys, status), dba::Error);
    } else {
      Print(keys, status);
    }
    EXPECT_EQ(Log().back()(4), c.outcome);
  }
  EXPECT_EQ(Log().size(), 3u);
}

TEST_F(OstrelTest, TwoRequestsInTheSameInstantGetTwoLogRecords) {
  dba::DynArray keys = List({"K1"});
  std::int16_t status = 0;
  Print(keys, status);
  Print(keys, status);
  EXPECT_EQ(Log().size(), 2u);
}

TEST_F(OstrelTest, NoLogNoPrint) {
  db_->FailWhen(
      [](const testsupport::Call& c) { return c.op == "write" && c.file == kPrintLogFile; });
  dba::DynArray keys = List({"K1"});
  std::int16_t status = 0;
  EXPECT_THROW(Print(keys, status), dba::Error);
  EXPECT_TRUE(control_->editions.empty());
}

TEST_F(OstrelTest, ADatabaseWithoutThePrintLogIsAClearError) {
  auto bare = dba::OpenSqliteDatabase(":memory:");
  bare->CreateFile("ARCHIVEBULL");
  dba::DynArray keys = List({"K1"});
  std::int16_t status = 0;
  ostrel_.SetDatabase(bare);
  try {
    ostrel_.EditionBulletins(keys, true, "ABC", status, false);
    FAIL() << "printing without a log must fail";
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), dba::kFileNotFound);
    EXPECT_NE(std::string(e.what()).find("vantelor-db init"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(control_->editions.empty());
}

TEST_F(OstrelTest, PrintingBeforeTheDatabaseIsSetIsRefused) {
  dba::DynArray keys = List({"K1"});
  std::int16_t status = 0;
  try {
    ostrel_.EditionBulletins(keys, true, "ABC", status, false);
    FAIL();
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), kPrintFailed);
  }
}

TEST(OstrelFactoryTest, WithoutAnInstalledControlPrintingFailsLoudly) {
  SetPrintControlFactory(nullptr);
  OstrelControl ostrel;
  ostrel.SetDatabase(dba::NewMemoryArchive());
  ostrel.SetClient(nullptr);
  dba::DynArray keys(std::string("K1"));
  std::int16_t status = 0;
  try {
    ostrel.EditionBulletins(keys, true, "ABC", status, false);
    FAIL();
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), kPrintFailed);
  }
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
  try {
    UnpackEditionBulletins(args);
    FAIL();
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), kTypeMismatch) << e.what();
  }
  args.pop_back();
  try {
    UnpackEditionBulletins(args);
    FAIL();
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), kBadParamCount) << e.what();
  }
}

}  // namespace
}  // namespace printing
