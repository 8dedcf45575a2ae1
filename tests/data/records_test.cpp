// The record views over the example archive: what each named field reads.
#include <gtest/gtest.h>

#include "data/archive/civil_record.h"
#include "data/archive/detail_records.h"
#include "data/archive/employer_records.h"
#include "data/archive/index_record.h"
#include "data/archive/request_records.h"
#include "data/core/record_text.h"
#include "support/archive_fixture.h"

namespace {

using dba::DynArray;

TEST(RecordsTest, ViewsReadTheExampleRecords) {
  const auto db = testsupport::ExampleArchive();
  const auto read = [&](const char* file, const char* key) -> DynArray {
    return db->OpenFile(file)->ReadRecord(key);
  };
  const DynArray aidant = read("CIVILAIDANT", "00012"), aide = read("CIVILAIDE", "00101");
  EXPECT_EQ(dba::CivilView(aidant).ListingName(), "Mme DUPONT Marie");
  EXPECT_EQ(dba::AccessCode(dba::PersonKind::kCaregiver, aidant), "S01");
  EXPECT_EQ(dba::CivilAideView(aide).AccessData(), "S01-PARIS12");
  EXPECT_EQ(dba::AccessCode(dba::PersonKind::kCareRecipient, aide), "S01");
  EXPECT_EQ(dba::CivilAideView(DynArray(std::string(39, '\xFE') + "ÉÈÀ-NORD")).AccessCode(), "ÉÈÀ");

  const DynArray mandataire = read("CONTRAT", "00012001"),
                 prestataire = read("CONTRAT", "00012002");
  EXPECT_TRUE(dba::ContratView(mandataire).IsMandataire());
  EXPECT_EQ(
      dba::ContratView(mandataire).CareRecipientCode() + dba::ContratView(mandataire).EndDay(),
      "00101");
  EXPECT_FALSE(dba::ContratView(prestataire).IsMandataire());
  EXPECT_EQ(dba::ContratView(prestataire).AssociationCode(), "A01");
  const DynArray association = read("ASSOCIATION", "A01");
  EXPECT_EQ(dba::AssociationView(association).Name(), "ASSOCIATION AIDE ET VIE");
  EXPECT_TRUE(dba::AssociationView(association).PrePrinted());

  const DynArray index = read("AIDANTSARCHIVEBULL", "000122003");
  const dba::IndexView months(index);
  EXPECT_EQ(months.PersonCode() + months.Year(), "000122003");
  EXPECT_EQ(months.MonthKeys(3), std::vector<std::string>{"0001200120030300101"});
  EXPECT_TRUE(months.MonthKeys(1).empty() && months.MonthKeys(13).empty());

  const DynArray calcul = read("DETAILCALCUL", "00012001200303");
  const dba::DetailCalculView detail(calcul);
  EXPECT_EQ(detail.ItemsBefore().at(1).code + " " + detail.ItemsBefore().at(1).rate, "CP 100000");
  EXPECT_EQ(detail.Contributions().at(8).code + " " + detail.Contributions().at(8).employeeRate,
            "CSGD 5100");
  EXPECT_EQ(detail.ItemsAfter().at(0).code + " " + detail.GrossAmount() + " " +
                detail.NetTaxable() + " " + detail.NetToPay(),
            "TRA 83420 67391 66989");

  EXPECT_EQ(dba::TempoKey("dupont"), "ARCHIVEBULLDUPONT");
}

}  // namespace
