#include "data/payslip_body.h"

#include <gtest/gtest.h>

#include "data/conversion.h"
#include "support/payslip_record.h"

namespace dba {
namespace {

using testsupport::PayslipRecord;

// F(x, i, d, flag) with x already divided, as the columns show it.
std::string F(std::string_view x, int i, int d, bool flag) {
  return TheConversion().FormatNumber(x, i, d, flag);
}

BodyRow OnlyRow(const std::string& line) {
  const PayslipBody body = FormatPayslipBody(PayslipRecord({line}));
  EXPECT_EQ(body.rows.size(), 1u) << line;
  return body.rows.at(0);
}

struct LabelCase {
  std::string stored;
  std::string shown;
  RowStyle style;
};

TEST(PayslipBodyLabel, MarkupIsRemovedAndLabelsAreCutByCharacters) {
  const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
  const LabelCase cases[] = {
      {"<bold>COTISATIONS", "COTISATIONS", RowStyle::kBold},
      {"<decal>CSG déductible", "  CSG déductible", RowStyle::kIndented},
      {forty, forty.substr(0, 32), RowStyle::kPlain},
      {"<bold>" + forty, forty.substr(0, 32), RowStyle::kBold},
      {"<decal>" + forty, "  " + forty.substr(0, 30), RowStyle::kIndented},
      // 32 characters but more bytes: é, ô and à are two bytes each.
      {"Impôt sur le revenu prélevé à la source", "Impôt sur le revenu prélevé à la",
       RowStyle::kPlain},
      {"bold<bold>", "bold<bold>", RowStyle::kPlain},
      {"", "", RowStyle::kPlain},
  };
  for (const LabelCase& c : cases) {
    const BodyRow row = OnlyRow(c.stored);
    EXPECT_EQ(row.columns[kColRubrique], c.shown) << c.stored;
    EXPECT_EQ(row.style, c.style) << c.stored;
  }
}

TEST(PayslipBodyBlank, OnlyAWholeAttributeOfPercentOrStarIsABlankLine) {
  const PayslipBody body = FormatPayslipBody(PayslipRecord({"*", "%", "%|1500", "* "}));
  ASSERT_EQ(body.rows.size(), 4u);
  EXPECT_EQ(body.rows[0].columns, BodyRow{}.columns);
  EXPECT_EQ(body.rows[1].columns, BodyRow{}.columns);
  EXPECT_EQ(body.rows[2].columns[kColRubrique], "%");
  EXPECT_EQ(body.rows[2].columns[kColBase], F("15.00", 5, 2, true));
  EXPECT_EQ(body.rows[3].columns[kColRubrique], "* ");
}

TEST(PayslipBodyOrdinary, EachColumnHasItsDivisorDigitsAndSign) {
  const BodyRow row = OnlyRow("Vieillesse plafonnée|83420|8200|-6840|6550|1234|-5464");
  EXPECT_EQ(row.columns[kColBase], F("834.20", 5, 2, true));
  EXPECT_EQ(row.columns[kColTauxEmpl], F("8.200", 2, 3, true));
  EXPECT_EQ(row.columns[kColMontEmpl], F("-68.40", 5, 2, true));
  EXPECT_EQ(row.columns[kColTauxSal], F("6.550", 2, 3, true));
  EXPECT_EQ(row.columns[kColAPayer], F("12.34", 5, 2, true));
  EXPECT_EQ(row.columns[kColADeduire], F("54.64", 5, 2, false));
  EXPECT_EQ(row.columns[kColMontEmpl], "   -68,40");
  const BodyRow empty = OnlyRow("Allocations familiales|83420||||");
  for (int c : {kColTauxEmpl, kColMontEmpl, kColTauxSal, kColAPayer, kColADeduire})
    EXPECT_EQ(empty.columns[c], "") << c;
}

TEST(PayslipBodySections, TotalOfContributionsOpensTheNetSectionAfterABlankRow) {
  const PayslipBody body = FormatPayslipBody(PayslipRecord({
      "TOTAL DES COTISATIONS|||33781||83420|-17931",
      "Indemnité de transport|1500",
  }));
  ASSERT_EQ(body.rows.size(), 3u);
  EXPECT_EQ(body.rows[0].columns[kColMontEmpl], F("337.81", 5, 2, true));
  EXPECT_EQ(body.rows[0].columns[kColADeduire], F("179.31", 5, 2, false));
  EXPECT_EQ(body.rows[1].columns, BodyRow{}.columns);
  EXPECT_EQ(body.rows[2].columns[kColBase], "");
  EXPECT_EQ(body.rows[2].columns[kColADeduire], F("15.00", 5, 2, false));
  // Markup hides the keyword: no blank row, no switch.
  const PayslipBody marked = FormatPayslipBody(PayslipRecord({
      "<bold>TOTAL DES COTISATIONS|||33781||83420|-17931",
      "Indemnité de transport|1500",
  }));
  ASSERT_EQ(marked.rows.size(), 2u);
  EXPECT_EQ(marked.rows[1].columns[kColBase], F("15.00", 5, 2, true));
}

// Each switch applies to its own line already; the sections alternate as the labels say.
TEST(PayslipBodySections, SwitchesApplyInPrintOrder) {
  struct Expect {
    std::string base, aDeduire;
  };
  const testsupport::Lines lines = {
      "Impôt sur le revenu|1000",   // ordinary: no tax layout outside the net section
      "Salaire de base|8667",       // ordinary
      "SALAIRE TOTAL NET|65489",    // net from here
      "NET A PAYER|66989",          // net
      "DETAIL DES PAIEMENTS|2000",  // ordinary again from here
      "Virement|3000",              // ordinary
      "MONTANT NET SOCIAL|4000",    // net again
      "Acompte|5000",               // net
  };
  const Expect expected[] = {
      {F("10.00", 5, 2, true), ""},   {F("86.67", 5, 2, true), ""},  {"", F("654.89", 5, 2, false)},
      {"", F("669.89", 5, 2, false)}, {F("20.00", 5, 2, true), ""},  {F("30.00", 5, 2, true), ""},
      {"", F("40.00", 5, 2, false)},  {"", F("50.00", 5, 2, false)},
  };
  const PayslipBody body = FormatPayslipBody(PayslipRecord(lines));
  ASSERT_EQ(body.rows.size(), lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(body.rows[i].columns[kColBase], expected[i].base) << lines[i];
    EXPECT_EQ(body.rows[i].columns[kColADeduire], expected[i].aDeduire) << lines[i];
  }
}

TEST(PayslipBodyNet, SixIntegerPlacesExactlyWhenTheWholePartHasSixDigits) {
  const struct {
    std::string stored, quotient;
    int digits;
  } cases[] = {
      {"12345678", "123456.78", 6},
      {"-12345678", "123456.78", 6},
      {"1234567", "12345.67", 5},
      {"123456789", "1234567.89", 5},
      {"5", "0.05", 5},
      {"0012345678", "123456.78", 6},
  };
  for (const auto& c : cases) {
    const PayslipBody body = FormatPayslipBody(PayslipRecord({"SALAIRE TOTAL NET|" + c.stored}));
    EXPECT_EQ(body.rows[0].columns[kColADeduire], F(c.quotient, c.digits, 2, false)) << c.stored;
  }
}

TEST(PayslipBodyNet, IncomeTaxLinesShowBaseRateAndTax) {
  const PayslipBody body = FormatPayslipBody(PayslipRecord({
      "SALAIRE TOTAL NET|65489",
      "Impôt sur le revenu|Base|Taux|Montant",
      "Impôt sur le revenu prélevé|-65489|-1250|-819",
      "Impôt sur le revenu non imposable|65489||",
  }));
  ASSERT_EQ(body.rows.size(), 4u);
  EXPECT_EQ(body.rows[1].columns[kColRubrique], "Impôt sur le revenu");
  for (int c = kColBase; c < kBodyColumns; ++c) EXPECT_EQ(body.rows[1].columns[c], "") << c;
  const BodyRow& tax = body.rows[2];
  EXPECT_EQ(tax.columns[kColBase], F("654.89", 5, 2, false));
  EXPECT_EQ(tax.columns[kColTauxSal], F("0.1250", 3, 3, false));
  EXPECT_EQ(tax.columns[kColADeduire], F("8.19", 5, 2, false));
  for (int c : {kColTauxEmpl, kColMontEmpl, kColAPayer}) EXPECT_EQ(tax.columns[c], "") << c;
  // Empty rate and tax: those columns stay blank instead of failing.
  EXPECT_EQ(body.rows[3].columns[kColBase], F("654.89", 5, 2, false));
  EXPECT_EQ(body.rows[3].columns[kColTauxSal], "");
  EXPECT_EQ(body.rows[3].columns[kColADeduire], "");
}

TEST(PayslipBodyEnd, TheMarkerIsLookedForFromAttributeTwenty) {
  EXPECT_EQ(FormatPayslipBody(PayslipRecord({"Seule ligne|100"})).endMarker, 20);
  // "#6" at attribute 19 is a body line; the body ends at the next marker.
  const PayslipBody body = FormatPayslipBody(PayslipRecord({"#6", "*", "Ligne|100"}));
  EXPECT_EQ(body.endMarker, 22);
  ASSERT_EQ(body.rows.size(), 3u);
  EXPECT_EQ(body.rows[0].columns[kColRubrique], "#6");
  // "#6" with values after it is no marker.
  EXPECT_EQ(FormatPayslipBody(PayslipRecord({"A", "#6|100", "B"})).endMarker, 22);
}

TEST(PayslipBodyFault, RecordWithoutEndMarkerIsReported) {
  DynArray record(testsupport::RecordText(testsupport::SampleHeader()));
  record.Set(19, "Salaire de base");
  record.Set(20, "#7");
  try {
    FormatPayslipBody(record);
    FAIL() << "no fault";
  } catch (const PayslipFault& e) {
    EXPECT_EQ(e.code(), kPayslipNoEndMarker);
  }
  EXPECT_THROW(FormatPayslipBody(DynArray()), PayslipFault);
}

TEST(PayslipBodyFault, TextWhereANumberIsReadNamesItsPlace) {
  const struct {
    std::string line;
    int value;
    std::string stored;
  } cases[] = {
      {"Salaire|86,67", 2, "86,67"},
      {"Salaire||||||12a", 7, "12a"},
      {"Salaire|||| ", 5, " "},
      {"SALAIRE TOTAL NET|douze", 2, "douze"},
  };
  for (const auto& c : cases) {
    try {
      FormatPayslipBody(PayslipRecord({"Ligne|100", c.line}));
      ADD_FAILURE() << "no fault for " << c.line;
    } catch (const PayslipFault& e) {
      EXPECT_EQ(e.code(), kPayslipBadNumber) << c.line;
      EXPECT_EQ(e.attribute(), 20) << c.line;
      EXPECT_EQ(e.value(), c.value) << c.line;
      EXPECT_EQ(e.stored(), c.stored) << c.line;
    }
  }
}

}  // namespace
}  // namespace dba
