#pragma once
// What the clerk chooses in the print window, and what a request holds, as the print
// control's windows show it.

#include <string>
#include <string_view>

namespace printing {

// The destination that writes a PDF file rather than printing on paper.
inline constexpr std::string_view kPdfDestination = "Fichier PDF";

struct PrintChoice {
  std::string destination;  // a printer's name, or kPdfDestination
  int copies = 1;           // on a printer
  std::string folder;       // of a PDF file
  std::string fileName;     // of a PDF file, "….pdf"; a taken name gets a number
  bool IsPdf() const { return destination == kPdfDestination; }
};

// A request as the print window shows it before the clerk confirms.
struct RequestSummary {
  int payslips = 0;
  int pages = 0;
  int problems = 0;  // payslips missing or unreadable (a page says so)
  bool preprinted = false;
};

// What a request did, as the message after it tells the clerk.
struct PrintOutcome {
  RequestSummary request;
  PrintChoice choice;
  std::string file;  // the PDF written (its whole path); "" on a printer
};

// "9 bulletins, 11 pages à imprimer.", "3 bulletins, 3 pages à imprimer (dont 1 illisible)."
std::string SummaryText(const RequestSummary& summary);
// The message lines after a request: what happened and where, the payslips that could not
// be read, the pre-printed remark; a line that has nothing to say is "".
struct OutcomeTexts {
  std::string done;        // "3 bulletins imprimés sur HP-Bureau." / "… enregistrés dans X.pdf"
  std::string place;       // "Dossier : /home/…" for a PDF
  std::string unreadable;  // "2 bulletins n'ont pas pu être lus : …"
  std::string preprinted;  // for a PDF of pre-printed stationery
};
OutcomeTexts OutcomeMessage(const PrintOutcome& outcome);

}  // namespace printing
