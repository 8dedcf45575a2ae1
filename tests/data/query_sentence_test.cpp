#include "data/query_sentence.h"

#include <gtest/gtest.h>

#include "data/error.h"

namespace {

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
