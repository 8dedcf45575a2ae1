#include "data/demo/demo_archive.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "data/archive_files.h"
#include "data/archive_key.h"
#include "data/archivebull_record.h"
#include "data/civil_record.h"
#include "data/conversion.h"
#include "data/employer_records.h"
#include "data/json_lines.h"
#include "data/request_records.h"
#include "data/sqlite_store.h"
#include "data/step.h"

namespace {

std::shared_ptr<dba::SqliteDatabase> Seeded(const dba::demo::DemoOptions& options) {
  auto db = dba::NewMemoryArchive();
  dba::demo::SeedDemoArchive(*db, options);
  return db;
}

std::string Export(dba::SqliteDatabase& db) {
  std::ostringstream out;
  dba::ExportJsonLines(db, {}, out);
  return out.str();
}

// One seeded demo archive shared by the tests that only read it.
class DemoArchiveTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { db_ = Seeded({}); }
  static void TearDownTestSuite() { db_.reset(); }
  static std::vector<std::string> Keys(const std::string& sentence) {
    return db_->SelectKeys(sentence);
  }
  static dba::DynArray Read(std::string_view file, const std::string& key) {
    return db_->OpenFile(file)->ReadRecord(key);
  }
  static inline std::shared_ptr<dba::SqliteDatabase> db_;
};

TEST_F(DemoArchiveTest, HasTheAnnouncedPeople) {
  EXPECT_EQ(db_->RecordCount("CIVILAIDANT"), 40);
  EXPECT_EQ(db_->RecordCount("CIVILAIDE"), 118);
  EXPECT_EQ(Keys("SSELECT ASSOCIATION AVEC 49 = \"1\""), std::vector<std::string>{"A01"});
  EXPECT_EQ(db_->RecordCount("ASSOCIATION"), 3);
  const std::vector<std::string> visible =
      dba::DroitsView(Read("DROITS", dba::DroitsKey("demo", "PALIMOR"))).AccessCodes();
  int hidden = 0;
  for (const std::string& key : Keys("SSELECT CIVILAIDANT")) {
    const std::string code = dba::CivilAidantView(Read("CIVILAIDANT", key)).AccessCode();
    hidden += std::find(visible.begin(), visible.end(), code) == visible.end();
  }
  EXPECT_GT(hidden, 0);
  EXPECT_LT(hidden, 40);
}

TEST_F(DemoArchiveTest, PayslipsCoverBothActivitiesCurrenciesAndLayouts) {
  std::set<std::string> years, currencies, labels;
  int prestataire = 0, noCaregiver = 0, noRecipient = 0, shortBodies = 0, longBodies = 0;
  int gainsFooters = 0, employerFooters = 0;
  for (const std::string& key : Keys("SELECT ARCHIVEBULL")) {
    const dba::ArchiveKey k(key);
    const dba::DynArray r = Read("ARCHIVEBULL", key);
    const dba::ArchiveBullView v(r);
    const dba::BodyEnd end = v.FindBodyEnd();
    ASSERT_TRUE(end.found) << key;
    years.insert(k.Year());
    prestataire += k.IsPrestataire();
    const int rows = end.lastLine - 18 + 1;  // + the blank after the totals
    (rows <= 20 ? shortBodies : longBodies)++;
    for (int a = 19; a <= end.lastLine; ++a)
      labels.insert(v.Line(a).blank ? r(a) : v.Line(a).label);
    const auto footer = v.ReadFooter();
    currencies.insert(footer->currency + "/" + footer->secondCurrency);
    (footer->totalGains.empty() ? employerFooters : gainsFooters)++;
    noCaregiver += dba::RunStep([&] { Read("CIVILAIDANT", k.CaregiverCode()); }) != 0;
    if (!k.IsPrestataire())
      noRecipient += dba::RunStep([&] { Read("CIVILAIDE", k.CareRecipientCode()); }) != 0;
    Read("DETAILCALCUL", k.DetailKey());  // every payslip has its calculation detail
    Read("CONTRAT", k.ContractKey());
  }
  EXPECT_EQ(years, (std::set<std::string>{"2000", "2001", "2002", "2003", "2019", "2020"}));
  EXPECT_EQ(currencies, (std::set<std::string>{"F/E", "E/F", "E/"}));
  for (int count : {prestataire, noCaregiver, noRecipient, shortBodies, longBodies, gainsFooters,
                    employerFooters})
    EXPECT_GT(count, 0);
  for (const char* label : {"%", "*", "TOTAL DES COTISATIONS", "SALAIRE TOTAL NET",
                            "MONTANT NET SOCIAL", "DETAIL DES PAIEMENTS", "Impôt sur le revenu",
                            "<bold>NET A PAYER", "<bold>COTISATIONS SOCIALES"})
    EXPECT_TRUE(labels.count(label)) << label;
  EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                          [](const std::string& l) { return l.rfind("<decal>", 0) == 0; }));
}

TEST(DemoArchiveSeedTest, SeedAndScaleDecideTheArchive) {
  const std::string first = Export(*Seeded({0, 5}));
  EXPECT_EQ(first, Export(*Seeded({0, 5})));
  EXPECT_NE(first, Export(*Seeded({0, 6})));
  auto db = Seeded({5, 1});
  EXPECT_GE(db->RecordCount("CIVILAIDANT"), 4);
  EXPECT_LE(db->RecordCount("CIVILAIDANT"), 5);
  for (const std::string& key : db->SelectKeys("SELECT ARCHIVEBULL")) {
    const std::string year = dba::ArchiveKey(key).Year();
    EXPECT_TRUE(year >= "2011" && year <= "2020") << key;
  }
}

TEST(DemoArchiveSeedTest, RefusesToSeedTwiceOrOutOfRange) {
  auto db = Seeded({});
  EXPECT_THROW(dba::demo::SeedDemoArchive(*db, {}), dba::Error);
  auto fresh = dba::NewMemoryArchive();
  for (const dba::demo::DemoOptions bad : {dba::demo::DemoOptions{-1, 1}, {20001, 1}})
    EXPECT_THROW(dba::demo::SeedDemoArchive(*fresh, bad), dba::Error) << bad.scale;
  EXPECT_THROW(dba::demo::SeedDemoArchive(*dba::OpenSqliteDatabase(":memory:"), {}), dba::Error);
  EXPECT_EQ(fresh->RecordCount("ARCHIVEBULL"), 0);
}

}  // namespace
