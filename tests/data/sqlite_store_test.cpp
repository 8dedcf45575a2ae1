// What only the SQLite file does; the contract both stores keep is in store/.
#include "data/store/sqlite/sqlite_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "data/archive/archive_files.h"
#include "data/core/record_text.h"
#include "data/core/step.h"
#include "data/store/sqlite/sqlite_handle.h"
#include "data/tools/new_archive.h"

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

TEST_F(TempDatabase, FileIsWalAndSurvivesReopening) {
  {
    auto db = dba::OpenSqliteDatabase(Path());
    dba::CreateArchiveFiles(*db);
    db->OpenFile("CIVILAIDE")->WriteRecord("00101", RecordText({{"Mme"}, {"LEFEVRE"}}));
  }
  auto db = dba::OpenSqliteDatabase(Path(), dba::OpenMode::kExisting);
  EXPECT_EQ(db->OpenFile("CIVILAIDE")->ReadRecord("00101")(2), "LEFEVRE");
  dba::sqlite::Statement mode(db->Connection().Handle(), "PRAGMA journal_mode");
  ASSERT_TRUE(mode.Step());
  EXPECT_EQ(mode.ColumnText(0), "wal");
  EXPECT_EQ(dba::RunStep([&] { db->GrantClerk("clerk"); }), dba::kBadArgument);
}

TEST_F(TempDatabase, RefusesAMissingFileOrOneThatIsNoDatabase) {
  EXPECT_EQ(dba::RunStep([&] { dba::OpenSqliteDatabase(Path(), dba::OpenMode::kExisting); }),
            dba::kStorageFailure);
  EXPECT_FALSE(std::filesystem::exists(Path()));
  std::ofstream(Path()) << "this is not a database, only some text long enough to be a header";
  EXPECT_EQ(dba::RunStep([&] { dba::OpenSqliteDatabase(Path()); }), dba::kStorageFailure);
}

}  // namespace
