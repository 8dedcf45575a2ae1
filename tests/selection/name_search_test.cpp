#include "selection/name_search.h"

#include <gtest/gtest.h>

namespace {

TEST(NameSearch, SentenceAsksForNamesBeginningWithTheTextInCapitals) {
  EXPECT_EQ(vantelor::PhraseRechercheNom("AIDANTSARCHIVEBULL", "NomPrenomAidantArchBull", "abc"),
            "SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"ABC]\" "
            "PAR NomPrenomAidantArchBull PAR 0");
  EXPECT_EQ(vantelor::PhraseRechercheNom("AIDESARCHIVEBULL", "NomPrenomAideArchBull", "é"),
            "SSELECT AIDESARCHIVEBULL AVEC NomPrenomAideArchBull = \"É]\" "
            "PAR NomPrenomAideArchBull PAR 0");
  EXPECT_EQ(vantelor::PhraseRechercheNom("F", "I", ""), "SSELECT F AVEC I = \"]\" PAR I PAR 0");
}

TEST(NameSearch, TextThatCouldChangeTheSentenceMakesNone) {
  for (const std::string& typed : {std::string("\""), std::string("a\"b"),
                                   std::string("a\xFE"
                                               "b"),
                                   std::string("\xFD"), std::string("\xFC")}) {
    EXPECT_EQ(vantelor::PhraseRechercheNom("F", "I", typed), std::nullopt) << typed;
  }
}

TEST(NameSearch, FormatCodePadsNumbersToFiveDigits) {
  const std::pair<const char*, const char*> rows[] = {
      {"12", "00012"},    {"0", "00000"},         {" 12 ", "00012"},
      {"00000", "00000"}, {"000000012", "00012"}, {"123456", "123456"},
      {"-1", "-1"},       {"1.5", "1.5"},         {"1a", "1a"},
      {"", ""},           {"  ", "  "},           {"1 2", "1 2"},
  };
  for (const auto& [typed, expected] : rows) {
    EXPECT_EQ(vantelor::FormatCode(typed), expected) << "\"" << typed << "\"";
  }
}

}  // namespace
