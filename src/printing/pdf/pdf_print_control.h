#pragma once
// Our print control: prints archived payslips as the printed form into a PDF file, and
// sends the file to a printer when one is configured (print_settings.h). It reads each
// ARCHIVEBULL record through the database it is given; it does not read the TEMPO
// record.
//
// EditionBulletins: argument 2 allows a progress window (a request of more payslips than
// the settings' threshold shows one, cancellable between payslips, when a window system
// is there); argument 4, the print status flag, is left True (-1) when the PDF was
// written, False (0) when nothing was (empty key list, or cancelled: then no file is
// left behind). Needs a running QGuiApplication (fonts).
//
// Failures throw dba::Error: kPrintFailed when the PDF cannot be written or the printer
// refuses it, the database's error when it cannot be read. A payslip that is missing or
// malformed is no failure: it gets a page that says so.

#include <filesystem>
#include <memory>
#include <string>

#include "printing/pdf/print_settings.h"
#include "printing/pdf/progress.h"
#include "printing/print_control.h"

namespace printing::pdf {

class PdfPrintControl final : public PrintControl {
 public:
  explicit PdfPrintControl(PrintSettings settings);

  void Invoke(DispId id, std::vector<Variant>& args) override;

  // Replaces the progress window (tests cancel through it).
  void SetProgressFactory(ProgressFactory factory) { progress_ = std::move(factory); }
  // The PDF the last request wrote; empty when it wrote none.
  const std::filesystem::path& LastOutput() const { return last_output_; }
  // Pages of the last PDF written, and how many of its payslips got a page saying they
  // are missing or unreadable.
  int LastPageCount() const { return last_pages_; }
  int LastProblemCount() const { return last_problems_; }

 private:
  void EditionBulletins(const EditionArguments& a);
  std::filesystem::path OutputPath(const std::string& user) const;

  PrintSettings settings_;
  ProgressFactory progress_;
  std::shared_ptr<dba::Database> database_;
  std::shared_ptr<dba::Client> client_;
  std::filesystem::path last_output_;
  int last_pages_ = 0;
  int last_problems_ = 0;
};

// Makes every Ctr_Ostrel of the application use a PdfPrintControl with `settings`.
void InstallPdfPrintControl(PrintSettings settings);

}  // namespace printing::pdf
