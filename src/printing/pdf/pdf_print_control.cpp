#include "printing/pdf/pdf_print_control.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QSaveFile>

#include <cctype>

#include "data/archive_files.h"
#include "printing/ostrel.h"
#include "printing/pdf/payslip_run.h"
#include "printing/pdf/printer_queue.h"
#include "printing/pdf/sheet_painter.h"

namespace printing::pdf {
namespace {

[[noreturn]] void Fail(const std::string& message) { throw dba::Error(kPrintFailed, message); }

// A user name as it may stand in a file name.
std::string FileSafe(const std::string& user) {
  std::string safe;
  for (const unsigned char c : user) safe += (std::isalnum(c) || c == '-' || c == '_') ? c : '_';
  return safe.empty() ? "utilisateur" : safe;
}

}  // namespace

PdfPrintControl::PdfPrintControl(PrintSettings settings)
    : settings_(std::move(settings)), progress_(MakeProgressWindow) {}

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

std::filesystem::path PdfPrintControl::OutputPath(const std::string& user) const {
  if (!settings_.outputFile.empty()) return settings_.outputFile;
  std::error_code ec;
  std::filesystem::create_directories(settings_.folder, ec);
  if (ec) Fail("cannot create the print folder " + settings_.folder.string() + ": " + ec.message());
  const std::string stem = "bulletins-" + FileSafe(user) + "-" +
                           QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss").toStdString();
  std::filesystem::path path = settings_.folder / (stem + ".pdf");
  for (int n = 2; std::filesystem::exists(path); ++n) {
    path = settings_.folder / (stem + "-" + std::to_string(n) + ".pdf");
  }
  return path;
}

void PdfPrintControl::EditionBulletins(const EditionArguments& a) {
  a.status = kStatusNothingPrinted;
  last_output_.clear();
  last_pages_ = 0;
  last_problems_ = 0;
  const std::vector<std::string> keys = KeysOf(a.keys);
  if (keys.empty()) return;
  if (!database_) Fail("the print control was given no database");
  if (!QGuiApplication::instance()) Fail("printing needs a running Qt application");
  std::shared_ptr<dba::File> archive = database_->OpenFile(dba::files::kArchiveBull);

  const std::filesystem::path path = OutputPath(a.user);
  QSaveFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::WriteOnly)) {
    Fail("cannot write " + path.string() + ": " + file.errorString().toStdString());
  }
  const int total = static_cast<int>(keys.size());
  std::unique_ptr<Progress> progress;
  if (a.interactive && total > settings_.progressThreshold && progress_)
    progress = progress_(total);
  RunResult run;
  int pages = 0;
  {
    PdfSheetWriter writer(file, QString::fromStdString("Bulletins de paie - " + a.user));
    run = DrawPayslips(*archive, keys, a.preprinted, writer, progress.get());
    pages = writer.Pages();
    if (!run.cancelled && !writer.Finish())
      Fail("the PDF " + path.string() + " could not be completed");
  }
  progress.reset();
  if (run.cancelled) {
    file.cancelWriting();
    return;
  }
  if (!file.commit())
    Fail("cannot write " + path.string() + ": " + file.errorString().toStdString());
  last_output_ = path;
  last_pages_ = pages;
  last_problems_ = run.problems;
  a.status = kStatusPrinted;
  if (!settings_.printer.empty()) {
    SendToPrinter(path, settings_.printer, "Bulletins de paie " + a.user);
  }
}

void InstallPdfPrintControl(PrintSettings settings) {
  SetPrintControlFactory([settings] { return std::make_shared<PdfPrintControl>(settings); });
}

}  // namespace printing::pdf
