// Any text as a stored payslip (ARCHIVEBULL record text, marks included): laying it out as
// the printed form must give sheets or a dba::Error (a malformed payslip, which prints as a
// page saying so), never a crash, a hang or a text placed off the sheet.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/core/dynamic_array.h"
#include "printing/payslip_sheet.h"

namespace {

// Every text and ruling lies on the A4 sheet, every box has a size that is not negative.
void CheckOnTheSheet(const printing::SheetPage& sheet) {
  for (const printing::SheetText& t : sheet.texts) {
    if (t.x < 0 || t.y < 0 || t.width < 0 || t.height < 0 ||
        t.x + t.width > printing::kSheetWidth || t.y + t.height > printing::kSheetHeight)
      std::abort();
  }
  for (const printing::SheetRule& r : sheet.rules) {
    for (int x : {r.x1, r.x2})
      if (x < 0 || x > printing::kSheetWidth) std::abort();
    for (int y : {r.y1, r.y2})
      if (y < 0 || y > printing::kSheetHeight) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const dba::DynArray record(std::string(reinterpret_cast<const char*>(data), size));
  printing::PayslipContent content;
  try {
    content = printing::ReadPayslip(record);
  } catch (const dba::Error&) {
    CheckOnTheSheet(printing::LayoutProblem("KEY", "illisible"));
    return 0;
  }
  for (const bool preprinted : {false, true}) {
    const auto sheets = printing::LayoutPayslip(content, preprinted);
    if (sheets.empty()) std::abort();
    for (const printing::SheetPage& sheet : sheets) CheckOnTheSheet(sheet);
  }
  return 0;
}
