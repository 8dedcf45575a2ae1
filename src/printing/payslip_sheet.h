#pragma once
// The printed payslip: what one archived payslip puts on paper, and where. The texts of
// the body and the footer are the ones the viewer shows (same markup, same section
// rules, same number formats); this file only places them on A4 sheets.
//
// One sheet per payslip, more when the body does not fit: every sheet carries the header
// and the frames, the body goes on from sheet to sheet, the totals and the net to pay are
// on the last one. On pre-printed stationery only the data is drawn, at the same places:
// the form's own captions and rulings are left out.

#include <array>
#include <string>
#include <vector>

#include "data/archive/payslip_body.h"
#include "data/archive/payslip_footer.h"
#include "data/core/dynamic_array.h"
#include "printing/sheet.h"

namespace printing {

// Everything the printed payslip shows, as text.
struct PayslipContent {
  std::string entete1, entete2, convention;
  std::array<std::string, 4> employeur;  // name, address, complement, postcode and town
  std::array<std::string, 4> aidant;     // the same for the caregiver
  std::vector<dba::BodyRow> lignes;      // the seven body columns of each row
  dba::PayslipFooter pied;
};

// Reads the content of an ARCHIVEBULL record. Throws dba::PayslipFault when the record is
// malformed (no end marker, a number that is none).
PayslipContent ReadPayslip(const dba::DynArray& record);

// Body rows that one sheet holds.
int RowsPerSheet();

// The sheets of one payslip, in order.
std::vector<SheetPage> LayoutPayslip(const PayslipContent& content, bool preprinted);

// The sheet that stands for a payslip that could not be printed: its key and why.
SheetPage LayoutProblem(const std::string& key, const std::string& reason);

}  // namespace printing
