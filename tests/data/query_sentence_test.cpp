#include "data/core/query_sentence.h"

#include <gtest/gtest.h>

#include "support/expect_error.h"

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
    const auto e = testsupport::ErrorOf([&] { dba::ParseSentence(sentence); });
    EXPECT_EQ(e.code, dba::kBadSentence) << sentence;
    EXPECT_NE(e.message.find(message), std::string::npos) << sentence << " → " << e.message;
  }
  EXPECT_EQ(dba::ParseSentence("SELECT F AVEC 100000 = \"1\"").conditions.at(0).field.attribute,
            100000);
}

}  // namespace
