#pragma once
// Drawing the payslips of one request: each key read from ARCHIVEBULL and laid out as the
// printed form, page after page. A key whose record is missing, or whose record is
// malformed, gets a page that says so, and the others still print.

#include <string>
#include <vector>

#include "data/core/database.h"
#include "printing/pdf/progress.h"
#include "printing/sheet.h"

namespace printing::pdf {

struct RunResult {
  int payslips = 0;  // keys drawn (problem pages included)
  int problems = 0;  // keys that got a problem page
  int pages = 0;     // sheets (set by CountPayslips)
  bool cancelled = false;
};

// Draws the payslips of `keys` into `out`, in order, read ahead (File::Prefetch). `progress` (may
// be null) is told after each payslip and may cancel before the next one. Throws the database's
// dba::Error when reading fails for another reason than a missing record.
RunResult DrawPayslips(dba::File& archive, const std::vector<std::string>& keys, bool preprinted,
                       SheetSink& out, Progress* progress);

// What DrawPayslips would draw, counted without drawing: payslips, problems and pages.
RunResult CountPayslips(dba::File& archive, const std::vector<std::string>& keys, bool preprinted);

}  // namespace printing::pdf
