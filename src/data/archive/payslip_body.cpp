#include "data/archive/payslip_body.h"

#include "data/archive/archivebull_record.h"
#include "data/archive/conversion.h"
#include "text/text.h"

namespace dba {

namespace {

constexpr std::string_view kBold = "<bold>";
constexpr std::string_view kDecal = "<decal>";
constexpr std::string_view kTotalCotisations = "TOTAL DES COTISATIONS";
constexpr std::string_view kSalaireTotalNet = "SALAIRE TOTAL NET";
constexpr std::string_view kMontantNetSocial = "MONTANT NET SOCIAL";
constexpr std::string_view kDetailPaiements = "DETAIL DES PAIEMENTS";
constexpr std::string_view kImpotRevenu = "Impôt sur le revenu";
constexpr std::string_view kIncomeTaxHeading = "Base";

std::string FaultMessage(std::uint32_t code, int attribute, int value, const std::string& stored) {
  if (code == kPayslipNoEndMarker) return "payslip record has no body end marker \"#6\"";
  return "payslip attribute " + std::to_string(attribute) + " value " + std::to_string(value) +
         ": not a whole number: \"" + stored + "\"";
}

// Number of digits of the whole part of an unsigned decimal text ("123456.78" → 6).
int WholeDigits(std::string_view quotient) {
  std::string_view whole = quotient.substr(0, quotient.find('.'));
  const std::size_t first = whole.find_first_not_of("0 ");
  return first == std::string_view::npos ? 1 : static_cast<int>(whole.size() - first);
}

std::string QuotientOf(const std::string& stored, int attribute, int value, int divisor,
                       bool absolute) {
  try {
    return Quotient(stored, divisor, absolute);
  } catch (const Error& e) {
    if (e.code() != kBadNumber) throw;
    throw PayslipFault(kPayslipBadNumber, attribute, value, stored);
  }
}

// The label as listed: the markup removed and the text cut by characters.
void SetLabel(BodyRow& row, const std::string& label) {
  std::string& cell = row.columns[kColRubrique];
  if (label.starts_with(kBold)) {
    cell = text::Mid(label, 7, 32);
    row.style = RowStyle::kBold;
  } else if (label.starts_with(kDecal)) {
    cell = "  " + text::Mid(label, 8, 30);
    row.style = RowStyle::kIndented;
  } else {
    cell = text::Left(label, 32);
  }
}

void FillOrdinary(BodyRow& row, const BodyLine& l, int a) {
  row.columns[kColBase] = FormatStoredText(l.base, a, 2, 100, 5, 2, true, false);
  row.columns[kColTauxEmpl] = FormatStoredText(l.employerRate, a, 3, 1000, 2, 3, true, false);
  row.columns[kColMontEmpl] = FormatStoredText(l.employerAmount, a, 4, 100, 5, 2, true, false);
  row.columns[kColTauxSal] = FormatStoredText(l.employeeRate, a, 5, 1000, 2, 3, true, false);
  row.columns[kColAPayer] = FormatStoredText(l.gain, a, 6, 100, 5, 2, true, false);
  row.columns[kColADeduire] = FormatStoredText(l.deduction, a, 7, 100, 5, 2, false, true);
}

// Income-tax lines show base, rate and tax; their heading ("Base" in value 2) shows none.
// An empty value leaves its column blank.
void FillIncomeTax(BodyRow& row, const BodyLine& l, int a) {
  if (l.base == kIncomeTaxHeading) return;
  row.columns[kColBase] = FormatStoredText(l.base, a, 2, 100, 5, 2, false, true);
  row.columns[kColTauxSal] = FormatStoredText(l.employerRate, a, 3, 10000, 3, 3, false, true);
  row.columns[kColADeduire] = FormatStoredText(l.employerAmount, a, 4, 100, 5, 2, false, true);
}

// Other net-section lines carry one amount (value 2), in "A DEDUIRE", with six integer
// places when its whole part has exactly six digits.
void FillNet(BodyRow& row, const BodyLine& l, int a) {
  if (l.base.empty()) return;
  const std::string q = QuotientOf(l.base, a, 2, 100, true);
  const int digits = WholeDigits(q) == 6 ? 6 : 5;
  row.columns[kColADeduire] = TheConversion().FormatNumber(q, digits, 2, false);
}

}  // namespace

PayslipFault::PayslipFault(std::uint32_t code, int attribute, int value, std::string stored)
    : Error(code, FaultMessage(code, attribute, value, stored)),
      attribute_(attribute),
      value_(value),
      stored_(std::move(stored)) {}

std::string FormatStoredText(const std::string& stored, int attribute, int value, int divisor,
                             int integerDigits, int decimals, bool signedFlag, bool absolute) {
  if (stored.empty()) return "";
  return TheConversion().FormatNumber(QuotientOf(stored, attribute, value, divisor, absolute),
                                      integerDigits, decimals, signedFlag);
}

std::string FormatStored(const DynArray& record, int attribute, int value, int divisor,
                         int integerDigits, int decimals, bool signedFlag, bool absolute) {
  return FormatStoredText(record.Extract(attribute, value), attribute, value, divisor,
                          integerDigits, decimals, signedFlag, absolute);
}

PayslipBody FormatPayslipBody(const DynArray& record) {
  const BodyEnd end = ArchiveBullView(record).FindBodyEnd();
  if (!end.found) throw PayslipFault(kPayslipNoEndMarker, 0, 0, "");
  PayslipBody body;
  body.endMarker = end.marker;
  bool netSection = false;
  // The lines are taken in order from a cursor: reading each line's values through the
  // whole record would rescan it from its start for every value.
  std::string_view rest = record.Text();
  for (int a = 1; a < ArchiveBullView::kFirstBodyLine; ++a)
    rest.remove_prefix(rest.find(kAttributeMark) + 1);
  for (int a = ArchiveBullView::kFirstBodyLine; a < end.marker; ++a) {
    const std::size_t mark = rest.find(kAttributeMark);
    const DynArray oneLine{std::string(rest.substr(0, mark))};
    rest.remove_prefix(mark + 1);
    const BodyLine line = ArchiveBullView(oneLine).Line(1);
    BodyRow& row = body.rows.emplace_back();
    if (line.blank) continue;
    SetLabel(row, line.label);
    if (line.label.starts_with(kDetailPaiements)) netSection = false;
    if (line.label.starts_with(kSalaireTotalNet) || line.label.starts_with(kMontantNetSocial))
      netSection = true;
    if (!netSection) {
      FillOrdinary(row, line, a);
    } else if (line.label.starts_with(kImpotRevenu)) {
      FillIncomeTax(row, line, a);
    } else {
      FillNet(row, line, a);
    }
    if (line.label.starts_with(kTotalCotisations)) {
      netSection = true;
      body.rows.emplace_back();
    }
  }
  return body;
}

}  // namespace dba
