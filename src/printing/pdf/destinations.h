#pragma once
// Where our print control sends a request's sheets: a new PDF file of the clerk's (private,
// never over another file, complete or absent) or a CUPS printer through Qt. Every failure
// is a printing::PrintFailure whose message says in French what failed.

#include <QString>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "printing/pdf/payslip_run.h"
#include "printing/sheet.h"

namespace printing::pdf {

// Draws the request's sheets into a sink; returns what it drew (cancelled, problems).
using DrawSheets = std::function<RunResult(SheetSink&)>;

// A PDF file: a new one in `folder` named after `stem` (NumberedPdfName from `firstTry`
// on: the first free name), or exactly `file` when it is set.
struct PdfTarget {
  std::filesystem::path folder;
  std::string stem;
  int firstTry = 1;  // the first number tried (the name the clerk saw may carry one)
  std::filesystem::path file;
  bool replace = false;  // `file` may replace a regular file that has its name
};

struct Delivered {
  RunResult run;
  std::filesystem::path file;  // the PDF written ("" for a printer, or when cancelled)
  int pages = 0;
};

// Writes the sheets into a PDF. The print folder is made (owner only) when missing; the
// file is owner-only and gets its name once complete. Cancelled: no file, `file` empty.
Delivered WritePdf(const PdfTarget& target, const QString& title, const DrawSheets& draw);

// The CUPS printers the machine knows, the system's default destination first.
std::vector<std::string> KnownPrinters();

// The printer `name` stands for: "default" is the system's default destination.
std::string PrinterNamed(const std::string& name);

// Prints the sheets on the printer `name` in `copies` copies through the system's print
// service. Refused before anything is drawn when the printer is unknown or stopped; a job
// the print service does not take is a failure too. Cancelled: the job is abandoned.
Delivered PrintSheets(const std::string& name, int copies, const QString& title,
                      const DrawSheets& draw);

// A system error in the words a clerk reads ("accès refusé", "disque plein", ...).
std::string FrenchReason(const std::error_code& error);

}  // namespace printing::pdf
