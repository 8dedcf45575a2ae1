// vantelor-print: archived payslips printed from the command line, through the same print
// control and the same print-request protocol as the screens (the TEMPO record, the print
// log), for the payslips the user may see. See kUsage (options.cpp).
#include <QGuiApplication>

#include <cstdlib>
#include <iostream>

#include "state/procedure.h"
#include "data/request_records.h"
#include "data/sqlite_store.h"
#include "options.h"
#include "payslip_keys.h"
#include "printing/ostrel.h"
#include "printing/pdf/pdf_print_control.h"
#include "printing/print_request.h"
#include "rights/stored_rights.h"
#include "text/text.h"

namespace vantelorprint {
namespace {

constexpr const char* kFunction = "PALIMOR";

dba::DynArray KeyList(const std::vector<std::string>& keys) {
  dba::DynArray list;
  for (std::size_t i = 0; i < keys.size(); ++i) list.Set(static_cast<int>(i) + 1, keys[i]);
  return list;
}

int Run(const Options& o) {
  std::shared_ptr<dba::SqliteDatabase> db = dba::OpenSqliteDatabase(o.db, dba::OpenMode::kExisting);
  const std::string user = text::Upper(o.user.empty() ? vantelor::Lire_NomUtilisateur() : o.user);
  const std::vector<std::string> keys =
      o.keys.empty() ? CaregiverKeys(*db, o.caregiver, o.from, o.to) : o.keys;
  if (keys.empty()) {
    std::cerr << "vantelor-print: no payslip of " << o.caregiver << " from " << o.from << " to "
              << o.to << "; nothing printed\n";
    return 1;
  }
  rights::StoredUserRights rights(db, user);
  const std::vector<std::string> denied = DeniedKeys(*db, *rights.FunctionRights(kFunction), keys);
  if (!denied.empty()) {
    std::cerr << "vantelor-print: " << user << " may not see " << denied.size()
              << " of these payslips; nothing printed:";
    for (const std::string& k : denied) std::cerr << ' ' << k;
    std::cerr << '\n';
    return 1;
  }

  printing::pdf::PrintSettings settings = printing::pdf::PrintSettings::FromEnvironment();
  settings.outputFile = o.out;
  if (!o.printer.empty()) settings.printer = o.printer;
  auto control = std::make_shared<printing::pdf::PdfPrintControl>(settings);
  printing::OstrelControl ostrel;
  ostrel.SetControl(control);

  dba::DynArray list = KeyList(keys);
  const std::string requestKey = dba::TempoKey(user);
  std::shared_ptr<dba::File> tempo = db->OpenFile("TEMPO");
  dba::Record holder;
  printing::WriteTempo(*tempo, requestKey, list, holder);
  printing::TempoGuard request(tempo, requestKey);
  std::int16_t status = 0;
  ostrel.SetDatabase(db);
  ostrel.SetClient(std::make_shared<dba::SqliteClient>());
  ostrel.EditionBulletins(list, false, user, status, o.preprinted);
  request.Remove();

  std::cout << keys.size() << " payslip(s), " << control->LastPageCount()
            << " page(s): " << control->LastOutput().string() << '\n';
  if (control->LastProblemCount() > 0) {
    std::cerr << "vantelor-print: " << control->LastProblemCount()
              << " payslip(s) missing or unreadable; their pages say so\n";
    return 3;
  }
  return 0;
}

}  // namespace
}  // namespace vantelorprint

int main(int argc, char** argv) {
  using namespace vantelorprint;
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty() || words[0] == "--help" || words[0] == "-h") {
    std::cerr << kUsage;
    return words.empty() ? 2 : 0;
  }
  Options options;
  try {
    options = ParseOptions(words);
  } catch (const UsageError& e) {
    std::cerr << "vantelor-print: " << e.what() << "\n" << kUsage;
    return 2;
  }
  // Text needs a Qt application for its fonts, not a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    return Run(options);
  } catch (const std::exception& e) {
    std::cerr << "vantelor-print: " << e.what() << "\n";
    return 1;
  }
}
