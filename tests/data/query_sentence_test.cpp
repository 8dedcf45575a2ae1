#include "data/query_sentence.h"

#include <gtest/gtest.h>

#include "data/error.h"

namespace {

TEST(QuerySentenceTest, ParsesTheShapesTheScreensSend) {
  const dba::Sentence name = dba::ParseSentence(
      "SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"DU]\" PAR "
      "NomPrenomAidantArchBull PAR 0");
  EXPECT_TRUE(name.sorted);
  EXPECT_EQ(name.file, "AIDANTSARCHIVEBULL");
  ASSERT_EQ(name.conditions.size(), 1u);
  EXPECT_EQ(name.conditions[0].field.item, "NomPrenomAidantArchBull");
  EXPECT_EQ(name.conditions[0].value, "DU");
  EXPECT_TRUE(name.conditions[0].prefix);
  ASSERT_EQ(name.sorts.size(), 2u);
  EXPECT_EQ(name.sorts[0].field.item, "NomPrenomAidantArchBull");
  EXPECT_TRUE(name.sorts[1].field.IsKey());
  EXPECT_FALSE(name.sorts[1].descending);

  const dba::Sentence code =
      dba::ParseSentence("SELECT AIDESARCHIVEBULL AVEC 0 = \"00101]\" PAR-DECR 0");
  EXPECT_FALSE(code.sorted);
  EXPECT_TRUE(code.conditions[0].field.IsKey());
  EXPECT_TRUE(code.sorts[0].descending);

  const dba::Sentence association = dba::ParseSentence("SSELECT ASSOCIATION AVEC 49 = \"1\"");
  EXPECT_EQ(association.conditions[0].field.attribute, 49);
  EXPECT_EQ(association.conditions[0].value, "1");
  EXPECT_FALSE(association.conditions[0].prefix);
  EXPECT_TRUE(association.sorts.empty());
}

TEST(QuerySentenceTest, ReadsQuotedBlanksAndBareBracket) {
  const dba::Sentence s = dba::ParseSentence("sselect F avec 2 = \"DE LA]\" par-decr 3");
  EXPECT_EQ(s.conditions[0].value, "DE LA");
  EXPECT_TRUE(dba::ParseSentence("SELECT F AVEC 0 = \"]\"").conditions[0].prefix);
  EXPECT_EQ(dba::ParseSentence("SELECT F AVEC 0 = \"]\"").conditions[0].value, "");
  EXPECT_FALSE(dba::ParseSentence("SELECT F AVEC 0 = \"\"").conditions[0].prefix);
}

TEST(QuerySentenceTest, MalformedSentencesAreRefused) {
  struct Case {
    const char* sentence;
    const char* message;
  };
  const Case cases[] = {
      {"", "missing SELECT or SSELECT"},
      {"LIST CIVILAIDANT", "unknown verb LIST"},
      {"SELECT", "missing a file name"},
      {"SELECT \"CIVILAIDANT\"", "expected a file name"},
      {"SELECT F AVEC 2 = \"DU", "unterminated quote"},
      {"SELECT F AVEC", "missing a field"},
      {"SELECT F AVEC 2", "missing = after the field"},
      {"SELECT F AVEC 2 =", "between double quotes"},
      {"SELECT F AVEC 2 = DU", "between double quotes"},
      {"SELECT F PAR", "missing a field"},
      {"SELECT F PAR PAR 0", "missing field before PAR"},
      {"SELECT F AVEC 2 = \"X\" TRIER 0", "unexpected word TRIER"},
      {"SELECT F PAR 0 extra", "unexpected word EXTRA"},
      {"SELECT F AVEC 99999999999 = \"1\"", "out of range"},
      {"SELECT F = \"1\"", "expected AVEC, PAR or PAR-DECR"},
  };
  for (const Case& c : cases) {
    try {
      dba::ParseSentence(c.sentence);
      ADD_FAILURE() << "accepted: " << c.sentence;
    } catch (const dba::Error& e) {
      EXPECT_EQ(e.code(), dba::kBadSentence) << c.sentence;
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
          << c.sentence << " → " << e.what();
    }
  }
}

}  // namespace
