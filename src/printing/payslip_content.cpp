#include "printing/payslip_sheet.h"

namespace printing {

PayslipContent ReadPayslip(const dba::DynArray& record) {
  PayslipContent c;
  c.entete1 = record(2, 1);
  c.entete2 = record(3, 1);
  c.convention = record(5);
  c.employeur = {record(7, 1), record(8, 1), record(9, 1), record(10, 1)};
  c.aidant = {record(13, 2), record(15, 2), record(16, 2), record(17, 2)};
  dba::PayslipBody body = dba::FormatPayslipBody(record);
  c.lignes = std::move(body.rows);
  c.pied = dba::FormatPayslipFooter(record, body.endMarker);
  return c;
}

}  // namespace printing
