// The French texts of the print control's windows.
#include <filesystem>

#include "printing/window/print_choice.h"

namespace printing {
namespace {

// "1 bulletin" / "3 bulletins".
std::string Count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string SummaryText(const RequestSummary& s) {
  std::string text = Count(s.payslips, "bulletin", "bulletins") + ", " +
                     Count(s.pages, "page", "pages") + " à imprimer";
  if (s.problems > 0) text += " (dont " + Count(s.problems, "illisible", "illisibles") + ")";
  return text + ".";
}

OutcomeTexts OutcomeMessage(const PrintOutcome& o) {
  OutcomeTexts t;
  const int n = o.request.payslips;
  if (o.choice.IsPdf()) {
    const std::filesystem::path file(o.file);
    t.done = Count(n, "bulletin enregistré", "bulletins enregistrés") + " dans " +
             file.filename().string();
    t.place = "Dossier : " + file.parent_path().string();
    if (o.request.preprinted) {
      t.preprinted =
          "Documents pré imprimés : les pages ne portent que les données, pour les "
          "formulaires pré imprimés.";
    }
  } else {
    t.done = Count(n, "bulletin imprimé", "bulletins imprimés") + " sur " + o.choice.destination;
    if (o.choice.copies > 1) t.done += " en " + std::to_string(o.choice.copies) + " exemplaires";
    t.done += ".";
  }
  if (const int p = o.request.problems; p > 0) {
    t.unreadable = p == 1 ? "1 bulletin n'a pas pu être lu : une page le signale à sa place."
                          : std::to_string(p) +
                                " bulletins n'ont pas pu être lus : une page le signale à leur "
                                "place.";
  }
  return t;
}

}  // namespace printing
