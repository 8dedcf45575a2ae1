// The printed form of a payslip, as sheets of placed texts and rules.
#include "printing/payslip_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/payslip_record.h"

namespace printing {
namespace {

using testsupport::PayslipRecord;

const SheetText* FindText(const SheetPage& page, const std::string& text) {
  for (const SheetText& t : page.texts) {
    if (t.text == text) return &t;
  }
  return nullptr;
}

bool Has(const SheetPage& page, const std::string& text) { return FindText(page, text) != nullptr; }

const char* const kCaptions[] = {"EMPLOYEUR", "SALARIE",       "Rubrique", "BASE",
                                 "TAUX",      "MONTANT",       "A PAYER",  "A DEDUIRE",
                                 "GAINS",     "CHARGES PATR.", "RETENUES", "NET A PAYER :"};

// Pre-printed stationery gets the same data at the same places, and only the form's
// captions and rulings are left out.
TEST(PayslipSheetTest, PlainPaperCarriesTheFormsCaptionsAndPreprintedStationeryOnlyTheData) {
  const PayslipContent content =
      ReadPayslip(PayslipRecord({"Salaire de base|8667||||75836|", "%",
                                 "<bold>COTISATIONS SOCIALES||||||",
                                 "Vieillesse plafonnée|83420|8200|6840|6550||-5464"}));
  const auto pages = LayoutPayslip(content, false);
  ASSERT_EQ(pages.size(), 1u);
  const SheetPage& plain = pages[0];
  for (const char* data : {"Emploi familial - mode mandataire", "94200 IVRY-SUR-SEINE", "Euros"})
    EXPECT_TRUE(Has(plain, data)) << data;
  for (const char* caption : kCaptions) EXPECT_TRUE(Has(plain, caption)) << caption;
  const SheetText* heading = FindText(plain, "COTISATIONS SOCIALES");
  ASSERT_TRUE(heading);
  EXPECT_TRUE(heading->bold);
  EXPECT_TRUE(Has(plain, content.lignes[3].columns[dba::kColADeduire]));
  EXPECT_TRUE(Has(plain, content.pied.net));

  const SheetPage pre = LayoutPayslip(content, true)[0];
  EXPECT_TRUE(pre.rules.empty());
  for (const SheetText& t : pre.texts) {
    EXPECT_TRUE(std::any_of(
        plain.texts.begin(), plain.texts.end(),
        [&](const SheetText& p) { return p.text == t.text && p.x == t.x && p.y == t.y; }))
        << t.text << " at " << t.x << "," << t.y;
  }
  // Only the captions are left out ("TAUX" heads two columns).
  EXPECT_EQ(pre.texts.size() + std::size(kCaptions) + 1, plain.texts.size());
}

TEST(PayslipSheetTest, EmployerTotalLayoutHasOneWideCaptionAndNoGainsColumns) {
  const PayslipContent content = ReadPayslip(
      PayslipRecord({"Heures|12000||||125400|"}, {"1", "1|2|3|4500||-999", "", "66989|E", ""}));
  const SheetPage p = LayoutPayslip(content, false)[0];
  EXPECT_TRUE(Has(p, "TOTAL VERSE PAR L'EMPLOYEUR"));
  EXPECT_FALSE(Has(p, "GAINS") || Has(p, "RETENUES"));
  EXPECT_TRUE(Has(p, content.pied.employerTotal));
}

}  // namespace
}  // namespace printing
