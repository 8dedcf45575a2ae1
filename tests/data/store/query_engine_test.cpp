// Query sentences, on both stores: the same keys in the same order.
#include <gtest/gtest.h>

#include "data/core/record_text.h"
#include "store_fixture.h"
#include "support/expect_error.h"

namespace {

using dba::RecordText;

// Caregivers DUPONT Marie (00012), DURAND Paul (00007), DUPONT Anne (00031), MARTIN
// Éloïse (00044), ÉCART Zoé (00060) and 00050 with no civil record; index records per
// caregiver and year. "É" (C3 89) sorts after "Z" byte by byte, whatever the server's
// collation says.
template <typename Store>
class QueryEngineTest : public storetest::StoreTest<Store> {
 protected:
  void SetUp() override {
    db_ = this->NewArchive();
    auto civil = this->db_->OpenFile("CIVILAIDANT");
    civil->WriteRecord("00012", RecordText({{"Mme"}, {"Dupont"}, {"Marie"}}));
    civil->WriteRecord("00007", RecordText({{"M."}, {"DURAND"}, {"Paul"}}));
    civil->WriteRecord("00031", RecordText({{"Mme"}, {"DUPONT"}, {"Anne"}}));
    civil->WriteRecord("00044", RecordText({{"Mme"}, {"Martin"}, {"Éloïse"}}));
    civil->WriteRecord("00060", RecordText({{"Mme"}, {"Écart"}, {"Zoé"}}));
    auto index = this->db_->OpenFile("AIDANTSARCHIVEBULL");
    for (const char* key : {"000122003", "000122002", "000122019", "000072003", "000312003",
                            "000442020", "000502003", "00012", "000602003"})
      index->WriteRecord(key, "");
    auto association = this->db_->OpenFile("ASSOCIATION");
    association->WriteRecord("A02", RecordText({{"AIDE PLUS"}}));
    association->WriteRecord("A01", std::string(48, '\xFE') + "1");
    association->WriteRecord("A03", std::string(48, '\xFE') +
                                        "0\xFD"
                                        "1");
    // A backslash and digits that spell a mark in the server's escaped text are text.
    association->WriteRecord("A04", RecordText({{"Z\\376"}, {"X"}}));
  }

  std::string Select(const std::string& sentence) {
    std::string out;
    for (const std::string& key : this->db_->SelectKeys(sentence)) out += key + " ";
    return out;
  }

  std::shared_ptr<dba::AdminDatabase> db_;
};
TYPED_TEST_SUITE(QueryEngineTest, storetest::Stores);

// DUPONT ANNE < DUPONT MARIE < DURAND PAUL; equal names fall back to the key; the index
// record with no civil record has the empty name.
TYPED_TEST(QueryEngineTest, SelectionsAndOrderings) {
  const std::string byName = " PAR NomPrenomAidantArchBull PAR 0";
  const struct {
    std::string sentence, keys;
  } cases[] = {
      {"SELECT AIDANTSARCHIVEBULL AVEC 0 = \"00012]\" PAR-DECR 0",
       "000122019 000122003 000122002 00012 "},
      {"SELECT AIDANTSARCHIVEBULL AVEC 0 = \"0001]\" PAR-DECR 0",
       "000122019 000122003 000122002 00012 "},
      {"SELECT AIDANTSARCHIVEBULL AVEC 0 = \"99]\" PAR-DECR 0", ""},
      {"SELECT AIDANTSARCHIVEBULL AVEC 0 = \"000122003\"", "000122003 "},
      {"SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"DU]\"" + byName,
       "000312003 00012 000122002 000122003 000122019 000072003 "},
      {"SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"MARTIN É]\"", "000442020 "},
      {"SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"DUPONT MARIE\"",
       "00012 000122002 000122003 000122019 "},
      {"SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"]\"" + byName,
       "000502003 000312003 00012 000122002 000122003 000122019 000072003 000442020 "
       "000602003 "},
      {"SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"É]\"", "000602003 "},
      {"SSELECT ASSOCIATION", "A01 A02 A03 A04 "},
      {"SELECT ASSOCIATION PAR-DECR 0", "A04 A03 A02 A01 "},
      {"SSELECT ASSOCIATION PAR 1", "A01 A03 A02 A04 "},  // "" "" "AIDE PLUS" "Z\376"
      {"SSELECT ASSOCIATION PAR-DECR 1", "A04 A02 A01 A03 "},
      {"SSELECT ASSOCIATION AVEC 2 = \"X\"", "A04 "},
      {"SSELECT ASSOCIATION AVEC 1 = \"Z\\3]\"", "A04 "},
      {"SSELECT ASSOCIATION AVEC 49 = \"1\"", "A01 A03 "},  // any value matches
      {"SSELECT ASSOCIATION AVEC 1 = \"AIDE]\"", "A02 "},
      {"sselect ASSOCIATION avec 1 = \"AIDE PLUS]\" par-decr 0", "A02 "},
      {"SSELECT ASSOCIATION AVEC 1 = \"\"", "A01 A03 "},
      {"SSELECT ASSOCIATION AVEC 49 = \"1\" AVEC 0 = \"A03\"", "A03 "},
  };
  for (const auto& c : cases) EXPECT_EQ(this->Select(c.sentence), c.keys) << c.sentence;
}

TYPED_TEST(QueryEngineTest, ExecuteSentenceReturnsOneKeyPerAttribute) {
  const dba::DynArray result = this->db_->ExecuteSentence(dba::QueryCommand(
      "SELECT AIDANTSARCHIVEBULL AVEC 0 = \"00007]\" PAR-DECR 0", "AIDANTSARCHIVEBULL"));
  EXPECT_EQ(result.DCount(), 1);
  EXPECT_EQ(result(1, 1), "000072003");
  EXPECT_TRUE(this->db_->ExecuteSentence(dba::QueryCommand("SSELECT TEMPO", "TEMPO")).Empty());
}

TYPED_TEST(QueryEngineTest, BadCommandsAreClearErrors) {
  struct Case {
    std::string command;
    std::uint32_t code;
  };
  const Case cases[] = {
      {dba::QueryCommand("SSELECT NOFILE", "NOFILE"), dba::kFileNotFound},
      {dba::QueryCommand("SSELECT ASSOCIATION AVEC NomInconnu = \"A]\"", "ASSOCIATION"),
       dba::kBadSentence},
      {dba::QueryCommand("SSELECT ASSOCIATION PAR NomPrenomAidantArchBull", "ASSOCIATION"),
       dba::kBadSentence},
      {dba::QueryCommand("SSELECT ASSOCIATION", "CIVILAIDE"), dba::kBadSentence},
      {dba::QueryCommand("SSELECT ASSOCIATION AVEC 49 = \"1", "ASSOCIATION"), dba::kBadSentence},
      {dba::QueryCommand("", "ASSOCIATION"), dba::kBadSentence},
      {RecordText({{"SSELECT ASSOCIATION"}, {"ASSOCIATION"}, {"1"}}), dba::kBadArgument},
  };
  for (const Case& c : cases)
    EXPECT_DBA_ERROR(c.code, this->db_->ExecuteSentence(c.command)) << c.command;
  EXPECT_THROW(this->db_->ExecuteSentence(dba::QueryCommand("SSELECT TEMPO", "TEMPO"), "x"),
               dba::Error);
}

}  // namespace
