#include "data/core/query_sentence.h"

#include <gtest/gtest.h>

#include "data/core/error.h"

namespace {

TEST(QuerySentenceTest, MalformedSentencesAreRefused) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "missing SELECT or SSELECT"},
      {"LIST CIVILAIDANT", "unknown verb LIST"},
      {"SELECT \"CIVILAIDANT\"", "expected a file name"},
      {"SELECT F AVEC 2 = \"DU", "unterminated quote"},
      {"SELECT F AVEC 2", "missing = after the field"},
      {"SELECT F AVEC 2 = DU", "between double quotes"},
      {"SELECT F PAR PAR 0", "missing field before PAR"},
      {"SELECT F PAR 0 extra", "unexpected word EXTRA"},
      {"SELECT F AVEC 99999999999 = \"1\"", "out of range"},
      {"SELECT F = \"1\"", "expected AVEC, PAR or PAR-DECR"},
  };
  for (const auto& [sentence, message] : cases) {
    try {
      dba::ParseSentence(sentence);
      ADD_FAILURE() << "accepted: " << sentence;
    } catch (const dba::Error& e) {
      EXPECT_EQ(e.code(), dba::kBadSentence) << sentence;
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos)
          << sentence << " → " << e.what();
    }
  }
  EXPECT_EQ(dba::ParseSentence("SELECT F AVEC 100000 = \"1\"").conditions.at(0).field.attribute,
            100000);
}

}  // namespace
