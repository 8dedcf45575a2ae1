#include "data/payslip_footer.h"

#include <gtest/gtest.h>

#include "data/conversion.h"
#include "support/payslip_record.h"

namespace dba {
namespace {

using testsupport::Lines;

std::string F(std::string_view x, int i, int d, bool flag) {
  return TheConversion().FormatNumber(x, i, d, flag);
}

PayslipFooter FooterOf(const Lines& footer) {
  const DynArray record = testsupport::PayslipRecord({"Salaire de base|8667"}, footer);
  return FormatPayslipFooter(record, FormatPayslipBody(record).endMarker);
}

// A total of gains selects the gains/deductions layout; without it only the employer's total
// shows. Empty totals stay blank.
TEST(PayslipFooterTotals, LayoutFollowsTheGainsTotal) {
  const struct {
    std::string totals;
    bool gainsLayout;
    std::string caption, employer, gains, deductions;
  } cases[] = {
      {"1|2|3|33781|83420|-25000", true, "CHARGES PATR.", F("337.81", 5, 2, true),
       F("834.20", 5, 2, true), "  250,00"},
      {"1|2|3|-33781||-17931", false, "TOTAL VERSE PAR L'EMPLOYEUR", F("-337.81", 5, 2, true), "",
       ""},
      {"1|2|3||83420|", true, "CHARGES PATR.", "", F("834.20", 5, 2, true), ""},
  };
  for (const auto& c : cases) {
    const PayslipFooter f = FooterOf({"", c.totals, "", "66989|E", ""});
    EXPECT_EQ(f.gainsLayout, c.gainsLayout) << c.totals;
    EXPECT_EQ(f.employerCaption, c.caption) << c.totals;
    EXPECT_EQ(f.employerTotal, c.employer) << c.totals;
    EXPECT_EQ(f.gains, c.gains) << c.totals;
    EXPECT_EQ(f.deductions, c.deductions) << c.totals;
  }
}

TEST(PayslipFooterNet, NetsHaveSixIntegerPlacesWhateverTheirSize) {
  const PayslipFooter f = FooterOf({"", "", "", "66989|E", "||||12345678||F"});
  EXPECT_EQ(f.net, F("669.89", 6, 2, false));
  EXPECT_EQ(f.net, "   669,89");
  EXPECT_EQ(f.secondNet, F("123456.78", 6, 2, false));
  // Empty net attributes leave the nets blank but still name their currencies.
  const PayslipFooter empty = FooterOf({"", "", "", "", ""});
  EXPECT_EQ(empty.net + empty.secondNet, "");
  EXPECT_EQ(empty.currencies.first + "/" + empty.currencies.second, "Francs/Euros");
}

TEST(PayslipFooterCurrency, EveryRowOfTheCurrencyTable) {
  const struct {
    std::string first, second, lib1, lib2;
  } rows[] = {
      {"F", "E", "Francs", "Euros"}, {"", "E", "Francs", "Euros"},  {"F", "F", "Francs", "Francs"},
      {"", "F", "Francs", "Francs"}, {"F", "", "Francs", "Euros"},  {"", "", "Francs", "Euros"},
      {"E", "E", "Euros", ""},       {"E", "F", "Euros", "Francs"}, {"E", "", "Euros", "Euros"},
      {"E", "X", "Euros", ""},       {"F", "X", "Francs", ""},      {"X", "E", "Euros", "Euros"},
      {"X", "F", "Euros", "Francs"}, {"X", "", "Euros", "Euros"},
  };
  for (const auto& r : rows) {
    const PayslipFooter f = FooterOf({"", "", "", "100|" + r.first, "||||200||" + r.second});
    EXPECT_EQ(f.currencies.first, r.lib1) << r.first << "/" << r.second;
    EXPECT_EQ(f.currencies.second, r.lib2) << r.first << "/" << r.second;
  }
}

TEST(PayslipFooterFault, TextWhereAnAmountIsReadNamesItsPlace) {
  const struct {
    Lines footer;
    int attributeAfterMarker, value;
  } cases[] = {
      {{"", "1|2|3|x|1|1", "", "1", ""}, 2, 4}, {{"", "1|2|3|1|x|1", "", "1", ""}, 2, 5},
      {{"", "1|2|3|1|1|x", "", "1", ""}, 2, 6}, {{"", "", "", "1,5|E", ""}, 4, 1},
      {{"", "", "", "1", "||||net"}, 5, 5},
  };
  for (const auto& c : cases) {
    const DynArray record = testsupport::PayslipRecord({"Ligne"}, c.footer);
    try {
      FormatPayslipFooter(record, 20);
      ADD_FAILURE() << "no fault for " << c.footer[c.attributeAfterMarker - 1];
    } catch (const PayslipFault& e) {
      EXPECT_EQ(e.attribute(), 20 + c.attributeAfterMarker);
      EXPECT_EQ(e.value(), c.value);
    }
  }
}

}  // namespace
}  // namespace dba
