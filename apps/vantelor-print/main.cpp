// vantelor-print: archived payslips printed from the command line, through the same print
// control and the same print-request protocol as the screens (the TEMPO record, the print
// log), for the payslips the user may see. The command line: options.cpp and main() below.
#include <QGuiApplication>

#include <filesystem>
#include <iostream>

#include "options.h"
#include "vantelor/reprint.h"
#include "vantelor/vantelor.h"

namespace vantelorprint {
namespace {

// True when `out` names the database file or one of the files beside it that its store
// keeps (a PDF there would destroy the archive, --force or not).
bool IsDatabaseFile(const std::string& out, const std::string& db) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target = fs::weakly_canonical(out, ec);
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    const std::string file = db + suffix;
    // The same name (the store makes the -wal file when it opens the database), or another
    // name of the same file.
    if (fs::weakly_canonical(file, ec) == target || fs::equivalent(out, file, ec)) return true;
  }
  return false;
}

int Run(const Options& o) {
  if (IsDatabaseFile(o.out, o.db)) {
    std::cerr << "vantelor-print: --out " << o.out
              << " is the database or one of its files; nothing printed\n";
    return 1;
  }
  vantelor::ClientRef client = vantelor::NewClient();
  vantelor::DatabaseRef db = vantelor::OpenDatabase(client, o.db);
  const std::string user = vantelor::UserForRights(db, o.user);
  const std::vector<std::string> keys =
      o.keys.empty() ? vantelor::CaregiverPayslips(db, o.caregiver, o.from, o.to) : o.keys;
  vantelor::PdfPrintOptions options;
  options.outputFile = o.out;
  options.replace = o.force;
  options.printer = o.printer;
  options.preprinted = o.preprinted;
  const vantelor::PdfPrintResult printed =
      vantelor::PrintPayslipsToPdf(client, db, vantelor::RightsForUser(db, user), keys, options);
  std::cout << keys.size() << " payslip(s), " << printed.pages << " page(s): " << printed.file
            << '\n';
  if (!printed.logFailure.empty()) {
    std::cerr << "vantelor-print: printed, but the print log could not record it: "
              << printed.logFailure << '\n';
  }
  if (printed.problems > 0) {
    std::cerr << "vantelor-print: " << printed.problems
              << " payslip(s) missing or unreadable; their pages say so\n";
    return 3;
  }
  return 0;
}

}  // namespace
}  // namespace vantelorprint

int main(int argc, char** argv) {
  using namespace vantelorprint;
  const cli::Program program{
      "vantelor-print",
      "Prints archived payslips as the printed form into FILE.pdf (and to the CUPS destination\n"
      "DEST, or $VANTELOR_PRINTER, when one is given), for the payslips the user may see: the KEYs given, or every\n"
      "payslip of --caregiver from --from to --to. Every request is written to the print\n"
      "log first.",
      OptionTable(),
      {{"",
        "[KEY ...]",
        0,
        -1,
        "",
        {},
        [&](const cli::Arguments& args, std::ostream&) {
          const Options options = ReadOptions(args);
          // Text needs a Qt application for its fonts, not a screen.
          if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
          QGuiApplication app(argc, argv);
          return Run(options);
        }}},
      "Exit status: 0 printed, 1 a failure or a refusal, 2 a wrong command line, 3 printed but\n"
      "some payslips missing or unreadable (their pages say so)."};
  return cli::Run(program, argc, argv);
}
