#include "data/demo/demo_archive.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "data/archive_files.h"
#include "data/archive_key.h"
#include "data/archivebull_record.h"
#include "data/civil_record.h"
#include "data/conversion.h"
#include "data/detail_records.h"
#include "data/employer_records.h"
#include "data/json_lines.h"
#include "data/request_records.h"
#include "data/sqlite_store.h"
#include "data/step.h"
#include "text/text.h"

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
  const dba::DynArray droits = Read("DROITS", dba::DroitsKey("demo", "PALIMOR"));
  int hidden = 0;
  for (const std::string& key : Keys("SSELECT CIVILAIDANT")) {
    const dba::DynArray civil = Read("CIVILAIDANT", key);
    if (!dba::DroitsView(droits).Allows(dba::CivilAidantView(civil).AccessCode())) ++hidden;
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
  EXPECT_GT(prestataire, 0);
  EXPECT_GT(noCaregiver, 0);
  EXPECT_GT(noRecipient, 0);
  EXPECT_GT(shortBodies, 0);
  EXPECT_GT(longBodies, 0);
  EXPECT_GT(gainsFooters, 0);
  EXPECT_GT(employerFooters, 0);
  for (const char* label : {"%", "*", "TOTAL DES COTISATIONS", "SALAIRE TOTAL NET",
                            "MONTANT NET SOCIAL", "DETAIL DES PAIEMENTS", "Impôt sur le revenu",
                            "<bold>NET A PAYER", "<bold>COTISATIONS SOCIALES"})
    EXPECT_TRUE(labels.count(label)) << label;
  EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                          [](const std::string& l) { return l.rfind("<decal>", 0) == 0; }));
}

TEST_F(DemoArchiveTest, DetailsNameOnlyKnownItems) {
  int withAllGroups = 0;
  for (const std::string& key : Keys("SELECT DETAILCALCUL")) {
    const dba::DynArray r = Read("DETAILCALCUL", key);
    const dba::DetailCalculView v(r);
    for (const auto& line : v.ItemsBefore()) Read("RUBSAISIE", line.code);
    for (const auto& line : v.ItemsAfter()) Read("RUBSAISIE", line.code);
    for (const auto& line : v.Contributions()) Read("RUBCHARGE", line.code);
    withAllGroups +=
        !v.ItemsBefore().empty() && !v.Contributions().empty() && !v.ItemsAfter().empty();
  }
  EXPECT_GT(withAllGroups, 0);
}

TEST_F(DemoArchiveTest, ContractsOfBothKindsWithDates) {
  int mandataire = 0, ended = 0, open = 0;
  for (const std::string& key : Keys("SELECT CONTRAT")) {
    const dba::DynArray r = Read("CONTRAT", key);
    const dba::ContratView c(r);
    mandataire += c.IsMandataire();
    EXPECT_FALSE(dba::TheConversion().DateToText(c.StartDay()).empty()) << key;
    (c.EndDay().empty() ? open : ended)++;
    if (c.IsMandataire()) {
      EXPECT_FALSE(c.CareRecipientCode().empty());
    } else {
      Read("ASSOCIATION", c.AssociationCode());
    }
  }
  EXPECT_GT(mandataire, 0);
  EXPECT_LT(mandataire, db_->RecordCount("CONTRAT"));
  EXPECT_GT(ended, 0);
  EXPECT_GT(open, 0);
}

TEST_F(DemoArchiveTest, NameSearchFindsCaregiversStartingWithD) {
  const auto keys = Keys(
      "SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"D]\" PAR "
      "NomPrenomAidantArchBull PAR 0");
  ASSERT_FALSE(keys.empty());
  std::string previous;
  for (const std::string& key : keys) {
    const dba::DynArray civil = Read("CIVILAIDANT", key.substr(0, 5));
    const std::string name = text::Upper(dba::CivilAidantView(civil).DisplayName());
    EXPECT_EQ(name.substr(0, 1), "D");
    EXPECT_LE(previous, name);
    previous = name;
  }
}

TEST(DemoArchiveSeedTest, SameSeedSameArchive) {
  const std::string first = Export(*Seeded({0, 5}));
  EXPECT_EQ(first, Export(*Seeded({0, 5})));
  EXPECT_NE(first, Export(*Seeded({0, 6})));
}

TEST(DemoArchiveSeedTest, ScaleGrowsTheArchive) {
  auto db = Seeded({5, 1});
  EXPECT_GE(db->RecordCount("CIVILAIDANT"), 4);
  EXPECT_LE(db->RecordCount("CIVILAIDANT"), 5);
  EXPECT_GE(db->RecordCount("CIVILAIDE"), 18);
  for (const std::string& key : db->SelectKeys("SELECT ARCHIVEBULL")) {
    const std::string year = dba::ArchiveKey(key).Year();
    EXPECT_TRUE(year >= "2011" && year <= "2020") << key;
  }
}

TEST(DemoArchiveSeedTest, RefusesToSeedTwiceOrOutOfRange) {
  auto db = Seeded({});
  EXPECT_THROW(dba::demo::SeedDemoArchive(*db, {}), dba::Error);
  auto fresh = dba::NewMemoryArchive();
  EXPECT_THROW(dba::demo::SeedDemoArchive(*fresh, {-1, 1}), dba::Error);
  EXPECT_THROW(dba::demo::SeedDemoArchive(*fresh, {20001, 1}), dba::Error);
  EXPECT_THROW(dba::demo::SeedDemoArchive(*dba::OpenSqliteDatabase(":memory:"), {}), dba::Error);
  EXPECT_EQ(fresh->RecordCount("ARCHIVEBULL"), 0);
}

}  // namespace
