// vantelor-print: archived payslips printed from the command line, through the same print
// control and the same print-request protocol as the screens (the TEMPO record, the print
// log), for the payslips the user may see. The command line: options.cpp and main() below.
#include <QGuiApplication>

#include <iostream>

#include "options.h"
#include "vantelor/reprint.h"
#include "vantelor/vantelor.h"

namespace vantelorprint {
namespace {

int Run(const Options& o) {
  vantelor::ClientRef client = vantelor::NewClient();
  vantelor::DatabaseRef db = vantelor::OpenDatabase(client, o.db);
  const std::string user = o.user.empty() ? vantelor::LoginName() : o.user;
  const std::vector<std::string> keys =
      o.keys.empty() ? vantelor::CaregiverPayslips(db, o.caregiver, o.from, o.to) : o.keys;
  if (keys.empty()) {
    throw std::runtime_error("no payslip of " + o.caregiver + " from " + o.from + " to " + o.to +
                             "; nothing printed");
  }
  const std::vector<std::string> denied =
      vantelor::PayslipsNotAllowed(db, vantelor::RightsForUser(db, user), keys);
  if (!denied.empty()) {
    std::cerr << "vantelor-print: " << user << " may not see " << denied.size()
              << " of these payslips; nothing printed:";
    for (const std::string& k : denied) std::cerr << ' ' << k;
    std::cerr << '\n';
    return 1;
  }

  const vantelor::PdfPrintResult printed =
      vantelor::PrintPayslipsToPdf(client, db, keys, {o.out, o.printer, o.preprinted});
  std::cout << keys.size() << " payslip(s), " << printed.pages << " page(s): " << printed.file
            << '\n';
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
      "Prints archived payslips as the printed form into FILE.pdf (and to a CUPS destination\n"
      "when one is given), for the payslips the user may see: the KEYs given, or every\n"
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
