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

#include "data/dynamic_array.h"
#include "printing/sheet.h"

namespace printing {

// Everything the printed payslip shows, as text.
struct PayslipContent {
  std::string entete1, entete2, convention;
  std::array<std::string, 4> employeur;  // name, address, complement, postcode and town
  std::array<std::string, 4> aidant;     // the same for the caregiver
  std::vector<std::array<std::string, 7>> lignes;  // the seven body columns of each row
  bool totalEmployeur = false;  // employer-total footer (no gains/deductions totals)
  std::string chargesPat, gains, retenues;
  std::string netFrancs, lib1, netEuros, lib2;
};

// Reads the content of an ARCHIVEBULL record. Throws dba::Error (kBadArgument for a
// record without the body's end marker, kBadNumber for a number that is none) when the
// record is malformed.
PayslipContent ReadPayslip(const dba::DynArray& record);

// Body rows that one sheet holds.
int RowsPerSheet();

// The sheets of one payslip, in order.
std::vector<SheetPage> LayoutPayslip(const PayslipContent& content, bool preprinted);

// The sheet that stands for a payslip that could not be printed: its key and why.
SheetPage LayoutProblem(const std::string& key, const std::string& reason);

}  // namespace printing
