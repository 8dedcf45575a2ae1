#include "data/archive/conversion.h"

#include <gtest/gtest.h>

#include "support/expect_error.h"

namespace {

using dba::TheConversion;

TEST(ConversionTest, FormatNumberTable) {
  const struct {
    const char* value;
    int digits, decimals;
    bool signedFlag;
    const char* expected;
  } cases[] = {
      {"123.45", 6, 2, true, "    123,45"},
      {"-123.45", 6, 2, true, "   -123,45"},
      {"-123.45", 6, 2, false, "  -123,45"},
      {"-0.001", 3, 2, true, "   0,00"},  // rounds to zero: no sign
      {"-0.005", 3, 2, true, "  -0,01"},  // half away from zero
      {"2.675", 3, 2, false, "  2,68"},   // exact decimal, no binary rounding
      {"0,5", 1, 0, false, "1"},
      {"1234567.891", 3, 2, false, "1234567,89"},  // never cut
      {" 7 ", 2, 1, false, " 7,0"},
      {".5", 2, 3, false, " 0,500"},
      {"+3", 2, 0, true, "  3"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TheConversion().FormatNumber(c.value, c.digits, c.decimals, c.signedFlag), c.expected)
        << c.value << " " << c.digits << " " << c.decimals << " " << c.signedFlag;
  for (const char* v : {"", "abc", "1.2.3", "--1", "1e5", "-", ","})
    EXPECT_DBA_ERROR(dba::kBadNumber, TheConversion().FormatNumber(v, 6, 2, true));
}

TEST(ConversionTest, QuotientIsExact) {
  const struct {
    const char* stored;
    int divisor;
    bool absolute;
    const char* expected;
  } cases[] = {
      {"12345", 100, false, "123.45"}, {"-626", 100, true, "6.26"}, {"-5", 1000, false, "-0.005"},
      {"-0", 100, false, "0.00"},      {" 42 ", 1, false, "42"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(dba::Quotient(c.stored, c.divisor, c.absolute), c.expected) << c.stored;
  for (const char* bad : {"", "1.5", "abc"})
    EXPECT_DBA_ERROR(dba::kBadNumber, dba::Quotient(bad, 100));
  EXPECT_THROW(dba::Quotient("1", 7), dba::Error);
}

TEST(ConversionTest, DayNumbersCountFromEndOf1967) {
  const std::pair<const char*, const char*> cases[] = {
      {"31/12/1967", "0"},          {"01 Mars 2003", "12844"},   {"01/03/2003", "12844"},
      {"29 Février 2004", "13209"}, {"1 fevrier 2003", "12816"}, {" 01/01/1968 ", "1"},
      {"30/12/1967", "-1"},
  };
  for (const auto& [date, day] : cases) {
    EXPECT_EQ(TheConversion().DateToDayNumber(date), day) << date;
    EXPECT_EQ(TheConversion().DateToDayNumber(TheConversion().DateToText(day)), day) << day;
  }
  EXPECT_EQ(TheConversion().DateToText(" 11355 "), "01/02/1999");
  for (const char* bad : {"", "Mars 2003", "01 Mar 2003", "31 Février 2003", "01/13/2003",
                          "aa/bb/cccc", "01/01/4294969296"})
    EXPECT_DBA_ERROR(dba::kBadNumber, TheConversion().DateToDayNumber(bad));
  for (const char* bad : {"", "abc", "12.5", "99999999999"})
    EXPECT_EQ(TheConversion().DateToText(bad), "") << bad;
}

}  // namespace
