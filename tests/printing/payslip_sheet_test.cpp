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

class PayslipSheetTest : public ::testing::Test {
 protected:
  dba::DynArray record_ =
      PayslipRecord({"Salaire de base|8667||||75836|", "%", "<bold>COTISATIONS SOCIALES||||||",
                     "Vieillesse plafonnée|83420|8200|6840|6550||-5464"});
  PayslipContent content_ = ReadPayslip(record_);
};

TEST_F(PayslipSheetTest, PlainPaperCarriesHeaderFramesBodyTotalsNetAndTheFormsCaptions) {
  const auto pages = LayoutPayslip(content_, false);
  ASSERT_EQ(pages.size(), 1u);
  const SheetPage& p = pages[0];
  for (const char* data :
       {"Emploi familial - mode mandataire", "75012 PARIS", "94200 IVRY-SUR-SEINE", "Euros"}) {
    EXPECT_TRUE(Has(p, data)) << data;
  }
  for (const char* caption : kCaptions) EXPECT_TRUE(Has(p, caption)) << caption;
  // The body's texts are the viewer's: the label cut of its markup, numbers formatted.
  const SheetText* heading = FindText(p, "COTISATIONS SOCIALES");
  ASSERT_TRUE(heading);
  EXPECT_TRUE(heading->bold);
  EXPECT_TRUE(Has(p, content_.lignes[3].columns[dba::kColADeduire]));
  EXPECT_TRUE(Has(p, content_.pied.net));
}

TEST_F(PayslipSheetTest, PreprintedStationeryGetsTheSameDataAtTheSamePlacesAndNothingElse) {
  const SheetPage plain = LayoutPayslip(content_, false)[0];
  const SheetPage pre = LayoutPayslip(content_, true)[0];
  EXPECT_TRUE(pre.rules.empty());
  for (const char* caption : kCaptions) EXPECT_FALSE(Has(pre, caption)) << caption;
  ASSERT_FALSE(pre.texts.empty());
  for (const SheetText& t : pre.texts) {
    EXPECT_TRUE(std::any_of(
        plain.texts.begin(), plain.texts.end(),
        [&](const SheetText& p) { return p.text == t.text && p.x == t.x && p.y == t.y; }))
        << t.text << " at " << t.x << "," << t.y;
  }
  // Only the captions are left out ("TAUX" heads two columns).
  EXPECT_EQ(pre.texts.size() + std::size(kCaptions) + 1, plain.texts.size());
}

TEST(PayslipSheetPagesTest, ALongBodyGoesOnFurtherSheetsWithTheTotalsOnTheLast) {
  const int perSheet = RowsPerSheet();
  struct Case {
    int rows;
    std::size_t sheets;
  };
  for (const Case c :
       {Case{1, 1}, Case{perSheet, 1}, Case{perSheet + 1, 2}, Case{2 * perSheet + 5, 3}}) {
    SCOPED_TRACE(c.rows);
    const PayslipContent content = ReadPayslip(PayslipRecord(testsupport::OrdinaryLines(c.rows)));
    const auto pages = LayoutPayslip(content, false);
    ASSERT_EQ(pages.size(), c.sheets);
    for (std::size_t s = 0; s < pages.size(); ++s) {
      const bool last = s + 1 == pages.size();
      EXPECT_EQ(Has(pages[s], "NET A PAYER :"), last) << "sheet " << s + 1;
      EXPECT_TRUE(Has(pages[s], "BULLETIN DE PAIE DU 01/03/2003 AU 31/03/2003"));
      if (c.sheets > 1) {
        EXPECT_TRUE(
            Has(pages[s], "Page " + std::to_string(s + 1) + "/" + std::to_string(c.sheets)));
      }
    }
    // Every body row is on exactly one sheet.
    EXPECT_TRUE(Has(pages.back(), "Ligne " + std::to_string(c.rows)));
    int found = 0;
    for (const auto& page : pages) found += Has(page, "Ligne 1");
    EXPECT_EQ(found, 1);
  }
}

TEST(PayslipSheetFooterTest, EmployerTotalLayoutHasOneWideCaptionAndNoGainsColumns) {
  const PayslipContent content = ReadPayslip(
      PayslipRecord({"Heures|12000||||125400|"}, {"1", "1|2|3|4500||-999", "", "66989|E", ""}));
  const SheetPage p = LayoutPayslip(content, false)[0];
  EXPECT_TRUE(Has(p, "TOTAL VERSE PAR L'EMPLOYEUR"));
  EXPECT_FALSE(Has(p, "GAINS"));
  EXPECT_FALSE(Has(p, "RETENUES"));
  EXPECT_TRUE(Has(p, content.pied.employerTotal));
}

}  // namespace
}  // namespace printing
