#include "data/conversion.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "text/text.h"

namespace {

using dba::TheConversion;

struct FormatCase {
  const char* value;
  int digits;
  int decimals;
  bool signedFlag;
  const char* expected;
};

TEST(ConversionTest, FormatNumberTable) {
  const FormatCase cases[] = {
      {"123.45", 6, 2, true, "    123,45"},
      {"-123.45", 6, 2, true, "   -123,45"},
      {"123.45", 6, 2, false, "   123,45"},
      {"-123.45", 6, 2, false, "  -123,45"},
      {"0", 3, 2, true, "   0,00"},
      {"-0.001", 3, 2, true, "   0,00"},  // rounds to zero: no sign
      {"-0.005", 3, 2, true, "  -0,01"},  // half away from zero
      {"2.675", 3, 2, false, "  2,68"},   // exact decimal, no binary rounding
      {"0,5", 1, 0, false, "1"},
      {"1234567.891", 3, 2, false, "1234567,89"},  // never cut
      {"-1234567", 3, 0, true, "-1234567"},
      {"12", 4, 4, true, "   12,0000"},
      {" 7 ", 2, 1, false, " 7,0"},
      {".5", 2, 3, false, " 0,500"},
      {"+3", 2, 0, true, "  3"},
      {"-2.365", 5, 3, false, "   -2,365"},
  };
  for (const FormatCase& c : cases)
    EXPECT_EQ(TheConversion().FormatNumber(c.value, c.digits, c.decimals, c.signedFlag), c.expected)
        << c.value << " " << c.digits << " " << c.decimals << " " << c.signedFlag;
}

TEST(ConversionTest, EqualArgumentsGiveEqualWidths) {
  for (bool signedFlag : {true, false}) {
    const std::size_t width = TheConversion().FormatNumber("1", 6, 2, signedFlag).size();
    for (const char* v : {"0", "-0.5", "999999.99", "-99999.99", "12.3", "-1"})
      EXPECT_EQ(TheConversion().FormatNumber(v, 6, 2, signedFlag).size(), width)
          << v << " signed " << signedFlag;
  }
}

TEST(ConversionTest, WhatIsNoNumberIsRefused) {
  for (const char* v : {"", " ", "abc", "1.2.3", "--1", "1e5", "12a", "-", ","}) {
    try {
      TheConversion().FormatNumber(v, 6, 2, true);
      ADD_FAILURE() << "accepted \"" << v << "\"";
    } catch (const dba::Error& e) {
      EXPECT_EQ(e.code(), dba::kBadNumber) << v;
    }
  }
  for (const char* bad : {"", "1.5", "abc", "1,5"}) {
    try {
      dba::Quotient(bad, 100);
      ADD_FAILURE() << "accepted " << bad;
    } catch (const dba::Error& e) {
      EXPECT_EQ(e.code(), dba::kBadNumber) << bad;
    }
  }
  EXPECT_THROW(dba::Quotient("1", 7), dba::Error);
}

TEST(ConversionTest, DayNumbersCountFromEndOf1967) {
  struct Case {
    const char* text;
    const char* day;
  };
  const Case cases[] = {
      {"31/12/1967", "0"},         {"01/01/1968", "1"},       {"01 Mars 2003", "12844"},
      {"01/03/2003", "12844"},     {"01 MARS 2003", "12844"}, {"29 Février 2004", "13209"},
      {"1 fevrier 2003", "12816"}, {"01 Août 2019", "18841"}, {"31 Décembre 1999", "11688"},
      {" 01/01/1968 ", "1"},       {"30/12/1967", "-1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TheConversion().DateToDayNumber(c.text), c.day) << c.text;
    EXPECT_EQ(text::Trim(TheConversion().DateToText(c.day)).size(), 10u) << c.day;
  }
  EXPECT_EQ(TheConversion().DateToText("12844"), "01/03/2003");
  EXPECT_EQ(TheConversion().DateToText("0"), "31/12/1967");
  EXPECT_EQ(TheConversion().DateToText(" 11355 "), "01/02/1999");
}

TEST(ConversionTest, UnreadableDates) {
  for (const char* bad : {"", "Mars 2003", "01 Mar 2003", "31 Février 2003", "32/01/2003",
                          "01/13/2003", "aa/bb/cccc", "01 Mars", "29/02/2003"}) {
    EXPECT_THROW(TheConversion().DateToDayNumber(bad), dba::Error) << bad;
  }
  for (const char* bad : {"", "abc", "12.5", "99999999999"})
    EXPECT_EQ(TheConversion().DateToText(bad), "") << bad;
}

TEST(ConversionTest, QuotientIsExact) {
  struct Case {
    const char* stored;
    int divisor;
    bool absolute;
    const char* expected;
  };
  const Case cases[] = {
      {"12345", 100, false, "123.45"}, {"-626", 100, false, "-6.26"},
      {"-626", 100, true, "6.26"},     {"5", 100, false, "0.05"},
      {"-5", 1000, false, "-0.005"},   {"23000", 10000, false, "2.3000"},
      {"0", 100, false, "0.00"},       {"-0", 100, false, "0.00"},
      {" 42 ", 1, false, "42"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(dba::Quotient(c.stored, c.divisor, c.absolute), c.expected) << c.stored;
}

}  // namespace
