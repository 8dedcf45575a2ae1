#include "printing/ostrel.h"

#include <gtest/gtest.h>

#include "data/archive_files.h"
#include "data/sqlite_store.h"
#include "data/step.h"
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
    dba::DynArray keys = List({"0001200120030300101", "00012002201904A01"});
    std::int16_t status = 0;
    if (c.fails) {
      EXPECT_THROW(Print(keys, status), dba::Error);
    } else {
      Print(keys, status);
    }
    ASSERT_FALSE(Log().empty());
    const dba::DynArray last = Log().back();
    EXPECT_EQ(last(4), c.outcome);
    EXPECT_EQ(last(1), "ABC");
    EXPECT_EQ(last(2), LogTimeText(now_));
    EXPECT_EQ(last(3),
              "0001200120030300101\xFD"
              "00012002201904A01");
    EXPECT_NE(last.Key().find("*ABC"), std::string::npos) << last.Key();
  }
  EXPECT_EQ(Log().size(), 3u);
}

// Without a print log, a database or an installed control nothing reaches the printer.
TEST_F(OstrelTest, RefusesToPrintWhatItCannotLog) {
  dba::DynArray keys = List({"K1"});
  std::int16_t status = 0;
  EXPECT_EQ(dba::RunStep([&] { ostrel_.EditionBulletins(keys, true, "ABC", status, false); }),
            kPrintFailed);  // no database yet
  db_->FailWhen(
      [](const testsupport::Call& c) { return c.op == "write" && c.file == kPrintLogFile; });
  EXPECT_THROW(Print(keys, status), dba::Error);
  auto bare = dba::OpenSqliteDatabase(":memory:");
  bare->CreateFile("ARCHIVEBULL");
  ostrel_.SetDatabase(bare);
  try {
    ostrel_.EditionBulletins(keys, true, "ABC", status, false);
    FAIL() << "printing without a log must fail";
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), dba::kFileNotFound);
    EXPECT_NE(std::string(e.what()).find("vantelor-db init"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(control_->editions.empty());
  SetPrintControlFactory(nullptr);
  OstrelControl uninstalled;
  uninstalled.SetDatabase(dba::NewMemoryArchive());
  EXPECT_EQ(dba::RunStep([&] { uninstalled.EditionBulletins(keys, true, "ABC", status, false); }),
            kPrintFailed);
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
  const auto code = [&] {
    try {
      UnpackEditionBulletins(args);
    } catch (const vantelor::DispatchError& e) {
      return e.code();
    }
    return 0u;
  };
  EXPECT_EQ(code(), vantelor::kTypeMismatch);
  args.pop_back();
  EXPECT_EQ(code(), vantelor::kBadParamCount);
}

}  // namespace
}  // namespace printing
