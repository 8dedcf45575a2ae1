#include "text/text.h"

#include <gtest/gtest.h>

namespace {

TEST(TextTest, CountsCharactersNotBytes) {
  EXPECT_EQ(text::Length(""), 0);
  EXPECT_EQ(text::Length("FÉVRIER 2003"), 12);
  EXPECT_EQ(text::Length("a\xFF"
                         "b"),
            3);  // an invalid byte counts one
  EXPECT_EQ(text::Length("€"), 1);
}

struct SliceCase {
  const char* input;
  int start;
  int count;
  const char* mid;
};

TEST(TextTest, MidAndLeftCutOnCharacters) {
  const SliceCase cases[] = {
      {"0001200120030300101", 15, 5, "00101"},
      {"00012002201904A01", 15, 3, "A01"},
      {"00012002201904A01", 15, 5, "A01"},
      {"0001", 9, 4, ""},
      {"Éric Noël", 6, 4, "Noël"},
      {"Éric Noël", 1, -1, "Éric Noël"},
      {"Éric", 0, 2, "Ér"},
      {"abc", 2, 0, ""},
  };
  for (const SliceCase& c : cases)
    EXPECT_EQ(text::Mid(c.input, c.start, c.count), c.mid) << c.input << " " << c.start;
  EXPECT_EQ(text::Left("Décembre", 2), "Dé");
  EXPECT_EQ(text::Left("Dé", 10), "Dé");
  EXPECT_EQ(text::Left("Dé", -1), "");
}

TEST(TextTest, PadsToCharacterWidth) {
  EXPECT_EQ(text::PadRight("Août", 6), "Août  ");
  EXPECT_EQ(text::PadRight("Septembre", 4), "Septembre");
}

TEST(TextTest, UpperFollowsFrenchRules) {
  EXPECT_EQ(text::Upper("février"), "FÉVRIER");
  EXPECT_EQ(text::Upper("Noël d'Aubigné"), "NOËL D'AUBIGNÉ");
  EXPECT_EQ(text::Upper("çà"), "ÇÀ");
}

TEST(TextTest, TrimsBlanksAtBothEnds) {
  EXPECT_EQ(text::Trim("  00012 \t"), "00012");
  EXPECT_EQ(text::Trim("   "), "");
  EXPECT_EQ(text::Trim("a b"), "a b");
}

TEST(TextTest, ValidatesAndConvertsEncodings) {
  EXPECT_TRUE(text::IsValidUtf8("Décembre"));
  EXPECT_FALSE(
      text::IsValidUtf8("D\xE9"
                        "cembre"));
  EXPECT_FALSE(text::IsValidUtf8("\xFE"));
  EXPECT_EQ(text::Latin1ToUtf8("D\xE9"
                               "cembre"),
            "Décembre");
  EXPECT_EQ(text::Latin1ToUtf8("plain"), "plain");
}

TEST(TextTest, MonthNamesBothWays) {
  const char* names[] = {"Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
                         "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(text::MonthName(m), names[m - 1]);
    EXPECT_EQ(text::MonthNumber(names[m - 1]), m);
    EXPECT_EQ(text::MonthNumber(text::Upper(names[m - 1])), m);
  }
  EXPECT_EQ(text::MonthNumber("FEVRIER"), 2);
  EXPECT_EQ(text::MonthNumber("aout"), 8);
  EXPECT_EQ(text::MonthNumber("decembre"), 12);
  EXPECT_EQ(text::MonthNumber("Mar"), 0);
  EXPECT_EQ(text::MonthNumber(""), 0);
  EXPECT_EQ(text::MonthName(0), "");
  EXPECT_EQ(text::MonthName(13), "");
}

TEST(TextTest, PeriodTextInCapitals) {
  EXPECT_EQ(text::PeriodText(2003, 2), "FÉVRIER 2003");
  EXPECT_EQ(text::PeriodText(2019, 8), "AOÛT 2019");
  EXPECT_EQ(text::PeriodText(2019, 13), "");
}

TEST(TextTest, ZeroPaddedCodes) {
  EXPECT_EQ(text::ZeroPadded(12, 5), "00012");
  EXPECT_EQ(text::ZeroPadded(0, 2), "00");
  EXPECT_EQ(text::ZeroPadded(123456, 5), "123456");
  EXPECT_EQ(text::ZeroPadded(-12, 5), "-0012");
  EXPECT_EQ(text::ZeroPadded(7, 0), "7");
}

}  // namespace
