#include "data/sqlite_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "data/archive_files.h"
#include "data/record_text.h"
#include "data/sqlite_handle.h"
#include "data/step.h"

namespace {

using dba::RecordText;

// A database file in a fresh temporary folder, removed afterwards.
class TempDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("vantelor-store-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path() const { return (dir_ / "archive.db").string(); }

  std::filesystem::path dir_;
};

TEST(SqliteStoreTest, BadCallsGiveTheirCodes) {
  auto db = dba::NewMemoryArchive();
  auto tempo = db->OpenFile("TEMPO");
  EXPECT_EQ(dba::RunStep([&] { db->OpenFile("NOSUCHFILE"); }), dba::kFileNotFound);
  EXPECT_EQ(dba::RunStep([&] { tempo->ReadRecord("MISSING"); }), dba::kRecordNotFound);
  EXPECT_EQ(dba::RunStep([&] { tempo->DeleteRecord("MISSING"); }), dba::kRecordNotFound);
  EXPECT_EQ(dba::RunStep([&] { tempo->ReadRecord(""); }), dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { tempo->WriteRecord("", "x"); }), dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { tempo->WriteRecord(std::string("A\xFE") + "B", "x"); }),
            dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { tempo->NewRecord(""); }), dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { dba::Record().DBWrite(); }), dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { db->CreateFile("BAD NAME"); }), dba::kBadArgument);
  EXPECT_EQ(dba::RunStep([&] { db->CreateFile("vantelor_files"); }), dba::kBadArgument);
  EXPECT_EQ(db->RecordCount("TEMPO"), 0);
}

TEST(SqliteStoreTest, NewRecordWritesBackWithDBWrite) {
  auto db = dba::NewMemoryArchive();
  auto tempo = db->OpenFile("TEMPO");
  dba::Record r = tempo->NewRecord("ARCHIVEBULLDUPONT");
  EXPECT_EQ(dba::RunStep([&] { tempo->ReadRecord("ARCHIVEBULLDUPONT"); }), dba::kRecordNotFound);
  r.Set(1, 1, "0001200120030300101");
  r.Set(1, 2, "00012002201904A01");
  r.DBWrite();
  EXPECT_EQ(tempo->ReadRecord("ARCHIVEBULLDUPONT")(1, 2), "00012002201904A01");
  tempo->DeleteRecord("ARCHIVEBULLDUPONT");
  EXPECT_EQ(dba::RunStep([&] { tempo->ReadRecord("ARCHIVEBULLDUPONT"); }), dba::kRecordNotFound);
}

TEST(SqliteStoreTest, KeepsBytesThatAreNotUtf8AndHugeRecords) {
  auto db = dba::NewMemoryArchive();
  auto file = db->OpenFile("ARCHIVEBULL");
  const std::string legacy = "caf\xE9\xFE\xFF\x80\x00z";
  const std::string legacyText(legacy.data(), 9);
  file->WriteRecord("LEGACY", legacyText);
  EXPECT_EQ(file->ReadRecord("LEGACY").Text(), legacyText);

  std::string huge(10 * 1024 * 1024, 'x');
  for (std::size_t i = 0; i < huge.size(); i += 4096) huge[i] = '\xFE';
  file->WriteRecord("HUGE", huge);
  EXPECT_EQ(file->ReadRecord("HUGE").Text(), huge);
}

TEST(SqliteStoreTest, TransactionIsAllOrNothing) {
  auto db = dba::NewMemoryArchive();
  auto tempo = db->OpenFile("TEMPO");
  try {
    dba::Transaction transaction(*db);
    tempo->WriteRecord("A", "1");
    {
      dba::Transaction inner(*db);
      tempo->WriteRecord("B", "2");
      inner.Commit();
    }
    tempo->WriteRecord("", "fails");
    transaction.Commit();
  } catch (const dba::Error&) {
  }
  EXPECT_EQ(db->RecordCount("TEMPO"), 0);

  dba::Transaction transaction(*db);
  tempo->WriteRecord("A", "1");
  {
    dba::Transaction inner(*db);
    tempo->WriteRecord("B", "2");
  }  // inner rolled back alone
  transaction.Commit();
  EXPECT_EQ(db->RecordCount("TEMPO"), 1);
  EXPECT_EQ(tempo->ReadRecord("A").Text(), "1");
}

TEST_F(TempDatabase, FileIsWalAndSurvivesReopening) {
  {
    auto db = dba::OpenSqliteDatabase(Path());
    dba::CreateArchiveFiles(*db);
    db->OpenFile("CIVILAIDE")->WriteRecord("00101", RecordText({{"Mme"}, {"LEFEVRE"}}));
  }
  auto db =
      std::dynamic_pointer_cast<dba::SqliteDatabase>(dba::SqliteClient().OpenDatabase(Path()));
  ASSERT_TRUE(db);
  EXPECT_EQ(db->OpenFile("CIVILAIDE")->ReadRecord("00101")(2), "LEFEVRE");
  dba::sqlite::Statement mode(db->Connection().Handle(), "PRAGMA journal_mode");
  ASSERT_TRUE(mode.Step());
  EXPECT_EQ(mode.ColumnText(0), "wal");
  EXPECT_EQ(db->FileNames().size(), dba::files::kAll.size());
}

TEST_F(TempDatabase, RefusesAMissingFileOrOneThatIsNoDatabase) {
  EXPECT_EQ(dba::RunStep([&] { dba::SqliteClient().OpenDatabase(Path()); }), dba::kStorageFailure);
  EXPECT_FALSE(std::filesystem::exists(Path()));
  std::ofstream(Path()) << "this is not a database, only some text long enough to be a header";
  EXPECT_EQ(dba::RunStep([&] { dba::OpenSqliteDatabase(Path()); }), dba::kStorageFailure);
}

TEST(SqliteStoreTest, RecordsListInKeyOrder) {
  auto db = dba::NewMemoryArchive();
  auto file = db->OpenFile("RUBCHARGE");
  for (const char* key : {"MAL", "AF", "VPL"}) file->WriteRecord(key, key);
  std::string keys;
  db->ForEachRecord(
      "RUBCHARGE", [&](std::string_view key, std::string_view) { keys += std::string(key) + " "; });
  EXPECT_EQ(keys, "AF MAL VPL ");
}

}  // namespace
