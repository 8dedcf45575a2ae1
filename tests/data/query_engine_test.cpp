#include <gtest/gtest.h>

#include "data/archive_files.h"
#include "data/database.h"
#include "data/json_lines.h"
#include "data/record_text.h"
#include "data/sqlite_store.h"
#include "support/archive_fixture.h"

namespace {

using dba::RecordText;

// Caregivers DUPONT Marie (00012), DURAND Paul (00007), DUPONT Anne (00031), MARTIN
// Éloïse (00044) and 00050 with no civil record; index records per caregiver and year.
class QueryEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = dba::NewMemoryArchive();
    auto civil = db_->OpenFile("CIVILAIDANT");
    civil->WriteRecord("00012", RecordText({{"Mme"}, {"Dupont"}, {"Marie"}}));
    civil->WriteRecord("00007", RecordText({{"M."}, {"DURAND"}, {"Paul"}}));
    civil->WriteRecord("00031", RecordText({{"Mme"}, {"DUPONT"}, {"Anne"}}));
    civil->WriteRecord("00044", RecordText({{"Mme"}, {"Martin"}, {"Éloïse"}}));
    auto index = db_->OpenFile("AIDANTSARCHIVEBULL");
    for (const char* key : {"000122003", "000122002", "000122019", "000072003", "000312003",
                            "000442020", "000502003", "00012"})
      index->WriteRecord(key, "");
    auto association = db_->OpenFile("ASSOCIATION");
    association->WriteRecord("A02", RecordText({{"AIDE PLUS"}}));
    association->WriteRecord("A01", std::string(48, '\xFE') + "1");
    association->WriteRecord("A03", std::string(48, '\xFE') +
                                        "0\xFD"
                                        "1");
  }

  std::string Select(const std::string& sentence) {
    std::string out;
    for (const std::string& key : db_->SelectKeys(sentence)) out += key + " ";
    return out;
  }

  std::shared_ptr<dba::SqliteDatabase> db_;
};

TEST_F(QueryEngineTest, KeyPrefixNewestYearFirst) {
  EXPECT_EQ(Select("SELECT AIDANTSARCHIVEBULL AVEC 0 = \"00012]\" PAR-DECR 0"),
            "000122019 000122003 000122002 00012 ");
  EXPECT_EQ(Select("SELECT AIDANTSARCHIVEBULL AVEC 0 = \"0001]\" PAR-DECR 0"),
            "000122019 000122003 000122002 00012 ");
  EXPECT_EQ(Select("SELECT AIDANTSARCHIVEBULL AVEC 0 = \"99]\" PAR-DECR 0"), "");
  EXPECT_EQ(Select("SELECT AIDANTSARCHIVEBULL AVEC 0 = \"000122003\""), "000122003 ");
}

TEST_F(QueryEngineTest, NameSearchSortsByNameThenKey) {
  const std::string sentence =
      "SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"DU]\" PAR "
      "NomPrenomAidantArchBull PAR 0";
  // DUPONT ANNE < DUPONT MARIE < DURAND PAUL; equal names fall back to the key.
  EXPECT_EQ(Select(sentence), "000312003 00012 000122002 000122003 000122019 000072003 ");
  EXPECT_EQ(Select("SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"MARTIN É]\""),
            "000442020 ");
  EXPECT_EQ(Select("SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"DUPONT MARIE\""),
            "00012 000122002 000122003 000122019 ");
}

TEST_F(QueryEngineTest, EmptyPrefixMatchesEveryName) {
  // The record with no civil record has the empty name and sorts first.
  EXPECT_EQ(Select("SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"]\" PAR "
                   "NomPrenomAidantArchBull PAR 0"),
            "000502003 000312003 00012 000122002 000122003 000122019 000072003 000442020 ");
}

TEST_F(QueryEngineTest, SortsWithoutConditions) {
  EXPECT_EQ(Select("SSELECT ASSOCIATION"), "A01 A02 A03 ");
  EXPECT_EQ(Select("SELECT ASSOCIATION PAR-DECR 0"), "A03 A02 A01 ");
  EXPECT_EQ(Select("SSELECT ASSOCIATION PAR 1"), "A01 A03 A02 ");  // "" "" "AIDE PLUS"
  EXPECT_EQ(Select("SSELECT ASSOCIATION PAR-DECR 1"), "A02 A01 A03 ");
}

TEST_F(QueryEngineTest, AttributeConditionMatchesAnyValue) {
  EXPECT_EQ(Select("SSELECT ASSOCIATION AVEC 49 = \"1\""), "A01 A03 ");
  EXPECT_EQ(Select("SSELECT ASSOCIATION AVEC 1 = \"AIDE]\""), "A02 ");
  EXPECT_EQ(Select("SSELECT ASSOCIATION AVEC 1 = \"\""), "A01 A03 ");
  EXPECT_EQ(Select("SSELECT ASSOCIATION AVEC 49 = \"1\" AVEC 0 = \"A03\""), "A03 ");
}

TEST_F(QueryEngineTest, ExecuteSentenceReturnsOneKeyPerAttribute) {
  const dba::DynArray result = db_->ExecuteSentence(dba::QueryCommand(
      "SELECT AIDANTSARCHIVEBULL AVEC 0 = \"00007]\" PAR-DECR 0", "AIDANTSARCHIVEBULL"));
  EXPECT_EQ(result.DCount(), 1);
  EXPECT_EQ(result(1, 1), "000072003");
  EXPECT_TRUE(db_->ExecuteSentence(dba::QueryCommand("SSELECT TEMPO", "TEMPO")).Empty());
}

TEST_F(QueryEngineTest, BadCommandsAreClearErrors) {
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
  for (const Case& c : cases) {
    try {
      db_->ExecuteSentence(c.command);
      ADD_FAILURE() << "accepted " << c.command;
    } catch (const dba::Error& e) {
      EXPECT_EQ(e.code(), c.code) << c.command << ": " << e.what();
    }
  }
  EXPECT_THROW(db_->ExecuteSentence(dba::QueryCommand("SSELECT TEMPO", "TEMPO"), "x"), dba::Error);
}

TEST(QueryEngineExamplesTest, ExampleArchiveAnswersTheScreensSentences) {
  auto db = testsupport::ExampleArchive();
  EXPECT_EQ(db->SelectKeys("SSELECT ASSOCIATION AVEC 49 = \"1\""), std::vector<std::string>{"A01"});
  EXPECT_EQ(db->SelectKeys("SELECT AIDANTSARCHIVEBULL AVEC 0 = \"00012]\" PAR-DECR 0"),
            (std::vector<std::string>{"000122019", "000122003"}));
  EXPECT_EQ(db->SelectKeys("SSELECT AIDESARCHIVEBULL AVEC NomPrenomAideArchBull = \"LEF]\" PAR "
                           "NomPrenomAideArchBull PAR 0"),
            std::vector<std::string>{"001012003"});
}

}  // namespace
