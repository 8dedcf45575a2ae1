// Dictionary items and their value index, on both stores: kept in the transaction of the
// record or civil record they read.
#include <gtest/gtest.h>

#include "data/core/record_text.h"
#include "store_fixture.h"

namespace {

using dba::RecordText;

template <typename Store>
class DictionaryIndexTest : public storetest::StoreTest<Store> {};
TYPED_TEST_SUITE(DictionaryIndexTest, storetest::Stores);

std::vector<std::string> ByName(dba::AdminDatabase& db, const std::string& prefix) {
  return db.SelectKeys("SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"" + prefix +
                       "]\" PAR NomPrenomAidantArchBull PAR 0");
}

using Keys = std::vector<std::string>;

TYPED_TEST(DictionaryIndexTest, FollowsCivilRecordChangesInEitherOrder) {
  auto db = this->NewArchive();
  auto index = db->OpenFile("AIDANTSARCHIVEBULL");
  auto civil = db->OpenFile("CIVILAIDANT");
  index->WriteRecord("000122003", "");  // before its civil record exists
  EXPECT_EQ(ByName(*db, "DUPONT"), Keys{});
  civil->WriteRecord("00012", RecordText({{"Mme"}, {"Dupont"}, {"Marie"}}));
  EXPECT_EQ(ByName(*db, "DUPONT"), Keys{"000122003"});
  index->WriteRecord("000122004", "");  // after
  EXPECT_EQ(ByName(*db, "DUPONT M"), (Keys{"000122003", "000122004"}));

  civil->WriteRecord("00123", RecordText({{""}, {"ZOLA"}, {"Émile"}}));
  index->WriteRecord("001232003", "");
  civil->WriteRecord("00012", RecordText({{"Mme"}, {"Lefèvre"}, {"Marie"}}));  // renamed
  EXPECT_EQ(ByName(*db, "DUPONT"), Keys{});
  EXPECT_EQ(ByName(*db, "LEFÈVRE MARIE"), (Keys{"000122003", "000122004"}));
  EXPECT_EQ(ByName(*db, "ZOLA ÉMILE"), Keys{"001232003"});  // only that person's records move

  civil->DeleteRecord("00012");
  EXPECT_EQ(ByName(*db, "LEF"), Keys{});
  EXPECT_EQ(ByName(*db, ""), (Keys{"000122003", "000122004", "001232003"}));  // empty name first
  index->DeleteRecord("000122003");
  EXPECT_EQ(ByName(*db, "").size(), 2u);
}

TYPED_TEST(DictionaryIndexTest, RolledBackWriteLeavesTheIndexAsItWas) {
  auto db = this->NewArchive();
  auto civil = db->OpenFile("CIVILAIDANT");
  civil->WriteRecord("00012", RecordText({{""}, {"DUPONT"}, {"Marie"}}));
  db->OpenFile("AIDANTSARCHIVEBULL")->WriteRecord("000122003", "");
  {
    dba::Transaction transaction(*db);
    civil->WriteRecord("00012", RecordText({{""}, {"MARTIN"}, {"Marie"}}));
  }
  EXPECT_EQ(ByName(*db, "DUPONT"), Keys{"000122003"});
  EXPECT_EQ(ByName(*db, "MARTIN"), Keys{});
}

TYPED_TEST(DictionaryIndexTest, ReindexRepairsChangesMadeBehindTheStore) {
  auto db = this->NewArchive();
  db->OpenFile("CIVILAIDANT")->WriteRecord("00012", RecordText({{""}, {"DUPONT"}, {"M"}}));
  db->OpenFile("AIDANTSARCHIVEBULL")->WriteRecord("000122003", "");
  // As a shell would: the index table does not hear of it.
  this->EditBehindTheStore("CIVILAIDANT", "00012", "DUPONT", "DURAND");
  EXPECT_EQ(ByName(*db, "DURAND"), Keys{});
  db->Reindex();
  EXPECT_EQ(ByName(*db, "DURAND"), Keys{"000122003"});
  db->ClearFile("CIVILAIDANT");  // the names go with the civil records
  EXPECT_EQ(ByName(*db, "DURAND"), Keys{});
  EXPECT_EQ(ByName(*db, ""), Keys{"000122003"});
}

// Another workstation, which opened the database before the item existed, indexes its
// writes too.
TYPED_TEST(DictionaryIndexTest, DefiningAnItemIndexesExistingRecordsAndLaterOnes) {
  auto db = this->NewArchive();
  auto other = dba::OpenNamedDatabase(this->Name());
  auto association = db->OpenFile("ASSOCIATION");
  association->WriteRecord("A01", RecordText({{"aide et vie"}}));
  association->WriteRecord("A02", RecordText({{"Bien chez soi"}}));
  dba::DictionaryItem item;
  item.file = "ASSOCIATION";
  item.name = "Nom";
  item.attributes = {1};
  item.upper = true;
  db->DefineDictionaryItem(item);
  EXPECT_EQ(db->SelectKeys("SSELECT ASSOCIATION AVEC Nom = \"BIEN]\""), Keys{"A02"});
  other->OpenFile("ASSOCIATION")->WriteRecord("A03", RecordText({{"Avec vous"}}));
  EXPECT_EQ(db->SelectKeys("SSELECT ASSOCIATION PAR-DECR Nom"), (Keys{"A02", "A03", "A01"}));
  item.sourceFile = "NOSUCHFILE";
  EXPECT_THROW(db->DefineDictionaryItem(item), dba::Error);
}

}  // namespace
