#pragma once
// Archived payslips printed again from a program rather than from the screens
// (vantelor-print is such a program): the keys of a caregiver's pay periods, the payslips
// a user may not see, and one print request through Vantelor's PDF print control.
//
// A print request follows the screens' protocol: the keys are written to the TEMPO record
// of the login name, every request goes to the print log IMPRESSIONS (the user whose
// rights applied, the login, the destination) before anything prints, and the TEMPO record
// is removed on every path. A request the rights refuse prints nothing and is logged with
// its reason.
//
// Every function throws std::runtime_error naming what failed.

#include <stdexcept>
#include <string>
#include <vector>

#include "vantelor/objects.h"

namespace vantelor {

// The ARCHIVEBULL keys of caregiver `code` whose pay period lies from `from` to `to`
// (both "YYYYMM"), as the caregiver's archive index lists them, in period order.
std::vector<std::string> CaregiverPayslips(const DatabaseRef& database, const std::string& code,
                                           const std::string& from, const std::string& to);

// The keys among `keys` whose payslips the user of `rights` may not see. A payslip may be
// seen when the user may see its caregiver or, for a "mandataire" payslip, its care
// recipient, as the screens' searches allow; a person without a civil record cannot be.
std::vector<std::string> PayslipsNotAllowed(const DatabaseRef& database, const RightsRef& rights,
                                            const std::vector<std::string>& keys);

struct PdfPrintOptions {
  std::string outputFile;   // "" = a new file in the print folder (VANTELOR_PRINT_DIR)
  bool replace = false;     // outputFile may replace a regular file (never anything else)
  std::string printer;      // "" = VANTELOR_PRINTER, when set
  bool preprinted = false;  // only the data, for pre-printed stationery
};

struct PdfPrintResult {
  std::string file;  // the PDF written; "" when nothing was (no keys)
  int pages = 0;
  int problems = 0;        // payslips missing or unreadable, whose page says so
  std::string logFailure;  // why the print log could not take the outcome; "" when it did
};

// A request refused before anything printed (logged with its reason). Its message is the
// same whatever the reason, and names no payslip: a refusal must not tell whether a person
// has payslips.
class PrintRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Prints the payslips of `keys`, in order, into one PDF (and to the printer, when one is
// given), when the user of `rights` may see every one of them; refuses (PrintRefused)
// when `keys` is empty or holds one they may not see. Needs a running QGuiApplication,
// for the fonts.
PdfPrintResult PrintPayslipsToPdf(const ClientRef& client, const DatabaseRef& database,
                                  const RightsRef& rights, const std::vector<std::string>& keys,
                                  const PdfPrintOptions& options);

}  // namespace vantelor
