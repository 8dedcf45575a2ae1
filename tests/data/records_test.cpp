#include <gtest/gtest.h>

#include "data/civil_record.h"
#include "data/detail_records.h"
#include "data/employer_records.h"
#include "data/index_record.h"
#include "data/record_text.h"
#include "data/request_records.h"
#include "support/archive_fixture.h"

namespace {

using dba::DynArray;
using dba::RecordText;

class RecordsTest : public ::testing::Test {
 protected:
  DynArray Read(const char* file, const char* key) { return db_->OpenFile(file)->ReadRecord(key); }
  std::shared_ptr<dba::SqliteDatabase> db_ = testsupport::ExampleArchive();
};

TEST_F(RecordsTest, CivilRecords) {
  const DynArray aidant = Read("CIVILAIDANT", "00012");
  const dba::CivilAidantView caregiver(aidant);
  EXPECT_EQ(caregiver.DisplayName(), "DUPONT Marie");
  EXPECT_EQ(caregiver.ListingName(), "Mme DUPONT Marie");
  EXPECT_EQ(caregiver.AccessCode(), "S01");
  const DynArray aide = Read("CIVILAIDE", "00101");
  EXPECT_EQ(dba::CivilAideView(aide).AccessCode(), "S01");
  EXPECT_EQ(dba::CivilAideView(aide).AccessData(), "S01-PARIS12");
  const DynArray accented(std::string(39, '\xFE') + "ÉÈÀ-NORD");
  EXPECT_EQ(dba::CivilAideView(accented).AccessCode(), "ÉÈÀ");
  EXPECT_EQ(dba::CivilAideView(DynArray()).AccessCode(), "");
}

TEST_F(RecordsTest, ContractsAndAssociation) {
  const DynArray mandataire = Read("CONTRAT", "00012001");
  EXPECT_TRUE(dba::ContratView(mandataire).IsMandataire());
  EXPECT_EQ(dba::ContratView(mandataire).CareRecipientCode(), "00101");
  EXPECT_EQ(dba::ContratView(mandataire).EndDay(), "");
  const DynArray prestataire = Read("CONTRAT", "00012002");
  EXPECT_FALSE(dba::ContratView(prestataire).IsMandataire());
  EXPECT_EQ(dba::ContratView(prestataire).AssociationCode(), "A01");
  EXPECT_EQ(dba::ContratView(prestataire).EndDay(), "19358");
  const DynArray association = Read("ASSOCIATION", "A01");
  EXPECT_EQ(dba::AssociationView(association).Name(), "ASSOCIATION AIDE ET VIE");
  EXPECT_TRUE(dba::AssociationView(association).PrePrinted());
  EXPECT_FALSE(dba::AssociationView(DynArray(RecordText({{"X"}}))).PrePrinted());
}

TEST_F(RecordsTest, IndexRecords) {
  const DynArray index = Read("AIDANTSARCHIVEBULL", "000122003");
  const dba::IndexView view(index);
  EXPECT_EQ(view.PersonCode(), "00012");
  EXPECT_EQ(view.Year(), "2003");
  EXPECT_EQ(view.MonthKeys(3), std::vector<std::string>{"0001200120030300101"});
  EXPECT_TRUE(view.MonthKeys(1).empty());
  EXPECT_TRUE(view.MonthKeys(13).empty());
  EXPECT_TRUE(view.MonthKeys(0).empty());
  EXPECT_EQ(dba::IndexKey("00012", 2003), "000122003");
  const DynArray two(RecordText({{"A", "", "B"}}));
  EXPECT_EQ(dba::IndexView(two).MonthKeys(1), (std::vector<std::string>{"A", "B"}));
}

TEST_F(RecordsTest, DetailCalculGroups) {
  const DynArray detail = Read("DETAILCALCUL", "00012001200303");
  const dba::DetailCalculView view(detail);
  const auto before = view.ItemsBefore();
  ASSERT_EQ(before.size(), 2u);
  EXPECT_EQ(before[1].code + " " + before[1].base + " " + before[1].rate + " " + before[1].amount,
            "CP 75836 100000 7584");
  const auto contributions = view.Contributions();
  ASSERT_EQ(contributions.size(), 10u);
  EXPECT_EQ(contributions[8].code + " " + contributions[8].employeeRate, "CSGD 5100");
  EXPECT_EQ(contributions[8].employerBase, "");
  EXPECT_EQ(contributions[0].employerAmount, "10678");
  const auto after = view.ItemsAfter();
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].code + " " + after[0].base + " " + after[0].amount, "TRA 0 1500");
  EXPECT_EQ(view.GrossAmount() + " " + view.NetTaxable() + " " + view.NetToPay(),
            "83420 67391 66989");
}

TEST(RequestRecordsTest, TempoAndDroits) {
  EXPECT_EQ(dba::TempoKey("dupont"), "ARCHIVEBULLDUPONT");
  EXPECT_EQ(dba::DroitsKey("demo", "palimor"), "DEMO*PALIMOR");
}

}  // namespace
