// The rights as DROITS keeps them, and the one check of a person against them.
#include "rights/stored_rights.h"

#include <gtest/gtest.h>

#include "data/archive/archive_files.h"
#include "data/store/open_database.h"
#include "data/tools/new_archive.h"
#include "rights/person_access.h"
#include "support/expect_error.h"
#include "support/fake_database.h"

namespace {

class StoredRightsTest : public ::testing::Test {
 protected:
  void Allow(const std::string& key, const std::string& codes) {
    testsupport::Put(*db, "DROITS", key, codes);
  }
  std::shared_ptr<rights::FunctionAccess> Rights(const std::string& user) {
    return rights::StoredUserRights(db, user).FunctionRights("palimor");
  }
  std::shared_ptr<dba::Database> db = dba::NewMemoryArchive();
};

TEST_F(StoredRightsTest, UserSeesTheCodesOfItsRecordForTheFunction) {
  Allow("DÉMO*PALIMOR",
        "A01\xFD"
        "B02\xFD");
  Allow("ALL*PALIMOR", "*");
  Allow("DÉMO*AUTRE", "C03");
  const struct {
    const char* user;
    const char* code;
    bool sees;
  } rows[] = {
      {"démo", "A01", true},  {"DÉMO", "B02", true},    {"Démo", "C03", false},
      {"DÉMO", "a01", false}, {"DÉMO", "", false},      {"ALL", "ZZZ", true},
      {"all", "", true},      {"NOBODY", "A01", false}, {"", "A01", false},
      {"*", "A01", false},
  };
  for (const auto& row : rows)
    EXPECT_EQ(Rights(row.user)->PersonAccess(row.code, 0), row.sees)
        << row.user << " / " << row.code;
  // The record as it was when asked.
  auto asked = Rights("démo");
  db->OpenFile("DROITS")->DeleteRecord("DÉMO*PALIMOR");
  EXPECT_TRUE(asked->PersonAccess("A01", 0));
  EXPECT_DBA_ERROR(dba::kBadArgument, asked->PersonAccess("A01", 1));
  EXPECT_DBA_ERROR(dba::kBadArgument, rights::StoredUserRights(nullptr, "demo"));
  EXPECT_DBA_ERROR(
      dba::kFileNotFound,
      rights::StoredUserRights(dba::OpenNamedDatabase(":memory:", dba::OpenMode::kCreate), "x")
          .FunctionRights("F"));
}

// A person is judged by the access code of its civil record, asked once; a person without
// one, or an empty code, is refused; so is everybody without function rights.
TEST_F(StoredRightsTest, PersonCheckAsksOncePerPersonWithTheCivilRecordsAccessCode) {
  Allow("CLERK*PALIMOR", "S01");
  testsupport::Put(*db, "CIVILAIDE", "00101", std::string(39, '\xFE') + "S01-NORD");
  testsupport::Put(*db, "CIVILAIDE", "00102", std::string(39, '\xFE') + "S02-SUD");
  auto fake = std::make_shared<testsupport::FakeDatabase>(db);
  auto file = fake->OpenFile("CIVILAIDE");
  const auto access = Rights("clerk");
  rights::PersonCheck check(dba::PersonKind::kCareRecipient, *file, access.get());
  EXPECT_TRUE(check.MaySee("00101"));
  EXPECT_FALSE(check.MaySee("00102") || check.MaySee("00999") || check.MaySee(""));
  fake->FailWhen([](const testsupport::Call&) { return true; });
  EXPECT_TRUE(check.MaySee("00101")) << "remembered, not read again";
  EXPECT_DBA_ERROR(dba::kStorageFailure, check.MaySee("00103"));
  EXPECT_FALSE(rights::MaySee(nullptr, dba::PersonKind::kCaregiver, dba::DynArray()));
}

}  // namespace
