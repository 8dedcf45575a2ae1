#include "printing/pdf/pdf_print_control.h"

#include <QGuiApplication>

#include "data/archive/archive_files.h"
#include "printing/ostrel.h"
#include "printing/pdf/payslip_run.h"
#include "printing/pdf_name.h"
#include "printing/window/frm_impression.h"
#include "printing/window/frm_resultat_impression.h"
#include "text/text.h"
#include "ui/desktop.h"

namespace printing::pdf {

struct PdfPrintControl::Request {
  std::vector<std::string> keys;
  std::string user;
  bool preprinted = false;
  bool interactive = false;
  std::shared_ptr<dba::File> archive;
  std::string stem;  // what the PDF's name says it holds
};

namespace {

// A failure as the clerk reads it: our own are French already; the database's say what
// could not be read.
std::string FrenchText(const std::exception& e) {
  if (dynamic_cast<const PrintFailure*>(&e)) return e.what();
  if (dynamic_cast<const dba::Error*>(&e))
    return std::string("Les bulletins n'ont pas pu être lus dans l'archive : ") + e.what();
  return std::string("L'impression des bulletins a échoué : ") + e.what();
}

// The first "stem.pdf", "stem (2).pdf", ... that `folder` does not hold yet.
std::string FreeName(const std::filesystem::path& folder, const std::string& stem) {
  std::error_code ec;
  for (int n = 1;; ++n) {
    const std::string name = NumberedPdfName(stem, n);
    if (!std::filesystem::exists(std::filesystem::symlink_status(folder / name, ec))) return name;
  }
}

// The stem of a PDF name and the number it carries: "X (3).pdf" is try 3 of "X", so that a
// name taken meanwhile goes on to "X (4).pdf" rather than "X (3) (2).pdf".
std::pair<std::string, int> StemOf(const std::string& fileName) {
  const std::string stem = std::filesystem::path(fileName).replace_extension().string();
  const std::size_t open = stem.rfind(" (");
  if (open == std::string::npos || stem.back() != ')') return {stem, 1};
  const std::optional<long long> n =
      text::DigitsValue(std::string_view(stem).substr(open + 2, stem.size() - open - 3));
  if (!n || *n < 2 || *n > 999) return {stem, 1};
  return {stem.substr(0, open), static_cast<int>(*n)};
}

}  // namespace

PdfPrintControl::PdfPrintControl(PrintSettings settings)
    : settings_(std::move(settings)), progress_(MakeProgressWindow), desk_(QtPrintDesk()) {}

void PdfPrintControl::Invoke(DispId id, std::vector<Variant>& args) {
  switch (id) {
    case kDispDatabase:
      RequireArgumentCount(args, 1, id);
      database_ = args[0].AsDatabase("database");
      return;
    case kDispClient:
      RequireArgumentCount(args, 1, id);
      client_ = args[0].AsClient("client");
      return;
    case kDispEditionBulletins:
      EditionBulletins(UnpackEditionBulletins(args));
      return;
    default:
      throw vantelor::DispatchError::NoMember(id);
  }
}

void PdfPrintControl::EditionBulletins(const EditionArguments& a) {
  a.status = kStatusNothingPrinted;
  last_output_.clear();
  last_destination_.clear();
  last_pages_ = 0;
  last_problems_ = 0;
  Request request{KeysOf(a.keys), a.user, a.preprinted, a.interactive, nullptr, ""};
  if (request.keys.empty()) return;
  const bool windows = settings_.windows && a.interactive;
  try {
    if (!database_) throw PrintFailure("Le module d'impression n'a pas reçu de base de données.");
    if (!QGuiApplication::instance())
      throw PrintFailure("L'impression demande une application Qt en marche.");
    request.archive = database_->OpenFile(dba::files::kArchiveBull);
    request.stem = PdfStem(DescribePayslips(*database_, request.keys));
    Run(request, windows);
  } catch (const ui::ScriptFailure&) {
    throw;  // a script that did not prepare a window: its own failure, not the print's
  } catch (const std::exception& e) {
    if (!windows) throw;
    const std::string text = FrenchText(e);
    TellFailure(text, true);
    throw ShownPrintFailure(text);
  }
  a.status = last_pages_ > 0 ? kStatusPrinted : kStatusNothingPrinted;
}

bool PdfPrintControl::TellFailure(const std::string& what, bool interactive) {
  if (!settings_.windows || !interactive) return false;
  ui::desktop().MessageBox(what, ui::kExclamation, kPrintTitle);
  return true;
}

void PdfPrintControl::Run(const Request& request, bool windows) {
  if (windows) {
    RunWithWindows(request);
  } else {
    RunWithoutWindows(request);
  }
}

void PdfPrintControl::RunWithoutWindows(const Request& request) {
  PrintChoice pdf;
  pdf.destination = std::string(kPdfDestination);
  pdf.folder = settings_.folder.string();
  pdf.fileName = NumberedPdfName(request.stem, 1);
  Deliver(request, pdf);
  if (last_pages_ == 0 || settings_.printer.empty()) return;
  const std::filesystem::path file = last_output_;
  PrintChoice printer;
  printer.destination = PrinterNamed(settings_.printer);
  if (printer.destination.empty()) printer.destination = settings_.printer;
  Deliver(request, printer);
  last_output_ = file;
  last_destination_ = file.string() + " ; " + last_destination_;
}

PrintChoice PdfPrintControl::Proposed(const Request& request) const {
  PrintChoice c;
  c.destination = std::string(kPdfDestination);
  if (!settings_.printer.empty()) c.destination = PrinterNamed(settings_.printer);
  c.folder = settings_.folder.string();
  if (desk_.remembered) {
    if (const std::optional<PrintChoice> last = desk_.remembered(request.user)) {
      c.destination = last->destination;
      c.copies = last->copies;
      if (!last->folder.empty()) c.folder = last->folder;
    }
  }
  c.fileName = FreeName(c.folder, request.stem);
  return c;
}

void PdfPrintControl::RunWithWindows(const Request& request) {
  const RunResult counted = CountPayslips(*request.archive, request.keys, request.preprinted);
  const RequestSummary summary{counted.payslips, counted.pages, counted.problems,
                               request.preprinted};
  PrintWindowServices services;
  services.chooseFolder = desk_.chooseFolder;
  services.preview = [this, &request](const PrintChoice&) {
    if (!desk_.preview) return;
    auto archive = request.archive;
    auto keys = request.keys;
    const bool preprinted = request.preprinted;
    desk_.preview(
        [archive, keys, preprinted](SheetSink& out) {
          return DrawPayslips(*archive, keys, preprinted, out, nullptr);
        },
        request.stem);
  };
  Frm_Impression window(desk_.printers ? desk_.printers() : std::vector<std::string>{},
                        Proposed(request), summary, services);
  const std::optional<PrintChoice> choice = window.Ask();
  if (!choice) return;
  if (desk_.remember) desk_.remember(request.user, *choice);
  Deliver(request, *choice);
  if (last_pages_ == 0) return;  // cancelled while drawing
  PrintOutcome outcome{summary, *choice, last_output_.string()};
  outcome.request.problems = last_problems_;
  Frm_ResultatImpression message(outcome, desk_.open);
  message.Tell();
}

void PdfPrintControl::Deliver(const Request& request, const PrintChoice& choice) {
  std::unique_ptr<Progress> progress;
  const int total = static_cast<int>(request.keys.size());
  if (request.interactive && total > settings_.progressThreshold && progress_)
    progress = progress_(total);
  const DrawSheets draw = [&](SheetSink& out) {
    return DrawPayslips(*request.archive, request.keys, request.preprinted, out, progress.get());
  };
  const QString title = QString::fromStdString("Bulletins de paie - " + request.stem);
  Delivered done;
  if (choice.IsPdf()) {
    PdfTarget target;
    target.folder = choice.folder;
    std::tie(target.stem, target.firstTry) = StemOf(choice.fileName);
    target.file = settings_.outputFile;
    target.replace = settings_.replaceOutput;
    done = WritePdf(target, title, draw);
  } else {
    done = PrintSheets(choice.destination, choice.copies, title, draw);
  }
  if (done.run.cancelled) return;
  last_output_ = done.file;
  last_destination_ = choice.IsPdf() ? done.file.string() : choice.destination;
  last_pages_ = done.pages;
  last_problems_ = done.run.problems;
}

void InstallPdfPrintControl(PrintSettings settings) {
  SetPrintControlFactory([settings] { return std::make_shared<PdfPrintControl>(settings); });
}

}  // namespace printing::pdf
