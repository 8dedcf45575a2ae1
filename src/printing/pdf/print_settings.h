#pragma once
// Where our print control sends what it prints. Read from the environment by the host and
// by vantelor-print (README, "Printing"):
//   VANTELOR_PRINT_DIR  folder of the PDF files; default: the user's documents folder
//                       (XDG_DOCUMENTS_DIR, else ~/Documents) followed by "vantelor"
//   VANTELOR_PRINTER    a CUPS destination; "default" means the system's default
//                       destination; unset or empty: no printer. Without the windows the
//                       PDF is also printed there; with them it is the destination proposed
//                       until the clerk chooses one
//   VANTELOR_PRINT_PROGRESS_MIN
//                       a request of more payslips than this shows a progress window that
//                       can cancel it between payslips (default 5), when a window system
//                       is there

#include <filesystem>
#include <string>

namespace printing::pdf {

struct PrintSettings {
  std::filesystem::path folder;
  // When set, every request writes this file instead of a new file in `folder`.
  std::filesystem::path outputFile;
  // `outputFile` may replace a regular file that has its name (never anything else).
  bool replaceOutput = false;
  std::string printer;
  int progressThreshold = 5;
  // The print window before an interactive request and the message after it.
  bool windows = false;

  static PrintSettings FromEnvironment();
};

}  // namespace printing::pdf
