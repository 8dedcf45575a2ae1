#include "rights/stored_rights.h"

#include <gtest/gtest.h>

#include "data/archive_files.h"
#include "data/request_records.h"
#include "data/sqlite_store.h"

namespace {

class StoredRightsTest : public ::testing::Test {
 protected:
  void Allow(const std::string& key, const std::vector<std::string>& codes) {
    dba::DynArray record;
    for (std::size_t i = 0; i < codes.size(); ++i) record.Set(1, static_cast<int>(i + 1), codes[i]);
    db->Write("DROITS", key, record.Text());
  }
  bool Sees(const std::string& user, const std::string& code,
            const std::string& function = "PALIMOR") {
    return rights::StoredUserRights(db, user).FunctionRights(function)->PersonAccess(code, 0);
  }
  std::shared_ptr<dba::SqliteDatabase> db = dba::NewMemoryArchive();
};

TEST_F(StoredRightsTest, UserSeesTheCodesOfItsRecordForTheFunction) {
  Allow("DEMO*PALIMOR", {"A01", "B02", ""});
  Allow("ALL*PALIMOR", {"*"});
  Allow("DEMO*AUTRE", {"C03"});
  const struct {
    const char* user;
    const char* code;
    bool sees;
  } rows[] = {
      {"DEMO", "A01", true},    {"demo", "B02", true},  {"Demo", "A01", true},
      {"DEMO", "C03", false},   {"DEMO", "a01", false}, {"DEMO", "", false},
      {"DEMO", "A0", false},    {"ALL", "ZZZ", true},   {"all", "", true},
      {"NOBODY", "A01", false}, {"", "A01", false},     {"*", "A01", false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Sees(row.user, row.code), row.sees) << row.user << " / " << row.code;
  }
  EXPECT_TRUE(Sees("demo", "C03", "autre"));
}

TEST_F(StoredRightsTest, KeyIsTheUserAndTheFunctionInCapitals) {
  EXPECT_EQ(dba::DroitsKey("démo", "palimor"), "DÉMO*PALIMOR");
  Allow("DÉMO*PALIMOR", {"A01"});
  EXPECT_TRUE(Sees("démo", "A01"));
}

TEST_F(StoredRightsTest, FunctionRightsAreTheRecordAsItWasWhenAsked) {
  Allow("DEMO*PALIMOR", {"A01"});
  auto function = rights::StoredUserRights(db, "demo").FunctionRights("PALIMOR");
  db->Erase("DROITS", "DEMO*PALIMOR");
  EXPECT_TRUE(function->PersonAccess("A01", 0));
}

TEST_F(StoredRightsTest, BadCallsAreClearErrors) {
  Allow("DEMO*PALIMOR", {"*"});
  auto function = rights::StoredUserRights(db, "demo").FunctionRights("PALIMOR");
  EXPECT_THROW(function->PersonAccess("A01", 1), dba::Error);
  EXPECT_THROW(rights::StoredUserRights(nullptr, "demo"), dba::Error);

  // A database without the DROITS file: the rights cannot be told.
  auto bare = dba::OpenSqliteDatabase(":memory:");
  try {
    rights::StoredUserRights(bare, "demo").FunctionRights("PALIMOR");
    FAIL() << "no error";
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), dba::kFileNotFound);
  }
}

}  // namespace
