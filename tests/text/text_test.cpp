#include "text/text.h"

#include <gtest/gtest.h>

namespace {

TEST(TextTest, CountsCutsAndPadsCharactersNotBytes) {
  EXPECT_EQ(text::Length("FÉVRIER 2003"), 12);
  EXPECT_EQ(text::Length("a\xFF"
                         "b"),
            3);  // an invalid byte counts one
  // Splitting, counting and offsets agree, even on a cut-off sequence, and a stray
  // ISO-8859-1 byte reads as the character it stands for.
  const std::string broken = "\xE2\x82Noël\xE9";
  EXPECT_EQ(text::CodePoints(broken), (std::vector<int>{0xE2, 0x82, 'N', 'o', 0xEB, 'l', 0xE9}));
  EXPECT_EQ(text::Length(broken), 7);
  EXPECT_EQ(text::ByteOffset(broken, 5), 6u);
  EXPECT_EQ(text::ByteOffset(broken, 99), broken.size());
  std::string round_trip;
  for (int cp : text::CodePoints("é€😀")) round_trip += text::EncodeUtf8(cp);
  EXPECT_EQ(round_trip, "é€😀");
  const struct {
    const char* input;
    int start, count;
    const char* mid;
  } cases[] = {
      {"00012002201904A01", 15, 5, "A01"}, {"0001", 9, 4, ""},   {"Éric Noël", 6, 4, "Noël"},
      {"Éric Noël", 1, -1, "Éric Noël"},   {"Éric", 0, 2, "Ér"}, {"abc", 2, 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(text::Mid(c.input, c.start, c.count), c.mid) << c.input << " " << c.start;
  EXPECT_EQ(text::Left("Décembre", 2) + text::Left("Dé", 10) + text::Left("Dé", -1), "DéDé");
  EXPECT_EQ(text::PadRight("Août", 6) + text::PadRight("Septembre", 4), "Août  Septembre");
  EXPECT_EQ(text::Trim("  00012 \t") + "/" + text::Trim("   "), "00012/");
}

TEST(TextTest, CapitalsFollowFrenchRules) {
  EXPECT_EQ(text::Upper("Noël d'Aubigné çà"), "NOËL D'AUBIGNÉ ÇÀ");
  EXPECT_EQ(text::MonthNumber("FEVRIER") * 100 + text::MonthNumber("aout"), 208);
  EXPECT_EQ(text::MonthNumber("Mar") + text::MonthNumber(""), 0);
}

TEST(TextTest, NumbersReadAndWritten) {
  EXPECT_EQ(text::ZeroPadded(12, 5) + " " + text::ZeroPadded(123456, 5) + " " +
                text::ZeroPadded(-12, 5) + " " + text::ZeroPadded(7, 0),
            "00012 123456 -0012 7");
  const std::pair<const char*, std::optional<long long>> digits[] = {
      {"0042", 42},         {"0", 0},
      {"", std::nullopt},   {"-5", std::nullopt},
      {"+5", std::nullopt}, {" 5", std::nullopt},
      {"5a", std::nullopt}, {"99999999999999999999", std::nullopt}};
  for (const auto& [s, value] : digits) EXPECT_EQ(text::DigitsValue(s), value) << s;
  EXPECT_EQ(text::IntegerValue("-5"), -5);
  EXPECT_EQ(text::IntegerValue("12"), 12);
  EXPECT_EQ(text::IntegerValue("--5"), std::nullopt);
  EXPECT_EQ(text::IntegerValue("-"), std::nullopt);
}

}  // namespace
