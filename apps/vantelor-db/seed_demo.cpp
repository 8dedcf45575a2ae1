// seed-demo: fills an initialised database with the demo archive, showing its progress
// when stderr is a terminal.
#include <chrono>
#include <iostream>
#include <limits>

#include "commands.h"
#include "data/store/open_database.h"
#include "data/tools/demo/demo_archive.h"
#include "state/procedure.h"
#include "terminal.h"

namespace vantelordb {

int SeedDemo(const Arguments& args, std::ostream& out) {
  dba::demo::DemoOptions options;
  options.scale = static_cast<int>(args.Number("scale", 0, dba::demo::kMaxScale, 0));
  options.seed =
      static_cast<std::uint64_t>(args.Number("seed", 0, std::numeric_limits<long long>::max(), 1));
  options.demoRightsFor = vantelor::Lire_NomUtilisateur();
  auto database = dba::OpenNamedDatabase(Database(args), dba::OpenMode::kExisting);
  const bool terminal = StderrIsTerminal();
  const auto start = std::chrono::steady_clock::now();
  int shown = -1;
  const auto progress = [&](int done, int total) {
    const int percent = done * 100 / total;
    if (!terminal || percent == shown) return;
    shown = percent;
    std::cerr << "\rSeeding the demo archive: " << percent << " % (" << done << "/" << total
              << " caregivers)" << std::flush;
  };
  const dba::demo::DemoSummary summary = dba::demo::SeedDemoArchive(*database, options, progress);
  if (terminal) std::cerr << "\n";
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  out << "Demo archive in " << database->DisplayName() << ": " << summary.caregivers
      << " caregivers, " << summary.careRecipients << " care recipients, " << summary.payslips
      << " payslips, " << summary.indexRecords << " index records ("
      << static_cast<int>(seconds * 10) / 10.0 << " s).\n";
  return 0;
}

}  // namespace vantelordb
