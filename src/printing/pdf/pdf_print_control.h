#pragma once
// Our print control: prints archived payslips as the printed form, into a PDF file or on a
// printer (CUPS, through Qt). It reads each ARCHIVEBULL record through the database it is
// given (and the civil records, for the PDF's name); it does not read the TEMPO record.
//
// With windows (settings.windows, and argument 2 of EditionBulletins True, as the screens
// pass it) a request first shows the print window (Frm_Impression: payslips and pages,
// destination, copies, PDF name and folder, preview), then the message of what happened
// (Frm_ResultatImpression); the clerk's choice is remembered per user. A failure is told in
// a French message box, then raised as ShownPrintFailure (the print log records it, nobody
// shows it again). Without windows (tests, vantelor-print) the request goes where the
// settings say: a new PDF in the print folder (or the settings' file), and also the
// settings' printer when there is one; failures are raised as they come.
//
// Argument 2 also allows a progress window (a request of more payslips than the settings'
// threshold shows one, cancellable between payslips, when a window system is there);
// argument 4, the print status flag, is left True (-1) when the payslips went out, False
// (0) when nothing did (empty key list, cancelled: then no file is left behind). Needs a
// running QGuiApplication (fonts).
//
// Failures throw dba::Error: PrintFailure (kPrintFailed, in French) when the file cannot
// be written or the printer cannot print, the database's error when it cannot be read. A
// payslip that is missing or malformed is no failure: it gets a page that says so.

#include <filesystem>
#include <memory>
#include <string>

#include "printing/pdf/print_desk.h"
#include "printing/pdf/print_settings.h"
#include "printing/pdf/progress.h"
#include "printing/print_control.h"

namespace printing::pdf {

class PdfPrintControl final : public PrintControl {
 public:
  explicit PdfPrintControl(PrintSettings settings);

  void Invoke(DispId id, std::vector<Variant>& args) override;
  std::string LastDestination() const override { return last_destination_; }
  // With its windows and an interactive request: a French message box (true).
  bool TellFailure(const std::string& what, bool interactive) override;

  // Replaces the progress window (tests cancel through it).
  void SetProgressFactory(ProgressFactory factory) { progress_ = std::move(factory); }
  // Replaces Qt's desktop services of the windows (tests).
  void SetDesk(PrintDesk desk) { desk_ = std::move(desk); }
  // The PDF the last request wrote; empty when it wrote none.
  const std::filesystem::path& LastOutput() const { return last_output_; }
  // Pages of the last request, and how many of its payslips got a page saying they are
  // missing or unreadable.
  int LastPageCount() const { return last_pages_; }
  int LastProblemCount() const { return last_problems_; }

 private:
  struct Request;
  void EditionBulletins(const EditionArguments& a);
  void Run(const Request& request, bool windows);
  void RunWithoutWindows(const Request& request);
  void RunWithWindows(const Request& request);
  PrintChoice Proposed(const Request& request) const;
  void Deliver(const Request& request, const PrintChoice& choice);

  PrintSettings settings_;
  ProgressFactory progress_;
  PrintDesk desk_;
  std::shared_ptr<dba::Database> database_;
  std::shared_ptr<dba::Client> client_;
  std::filesystem::path last_output_;
  std::string last_destination_;
  int last_pages_ = 0;
  int last_problems_ = 0;
};

// Makes every Ctr_Ostrel of the application use a PdfPrintControl with `settings`.
void InstallPdfPrintControl(PrintSettings settings);

}  // namespace printing::pdf
