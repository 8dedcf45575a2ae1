// seed-demo: fills an initialised database with the demo archive, showing its progress
// when stderr is a terminal.
#include <charconv>
#include <chrono>
#include <iostream>

#include "commands.h"
#include "data/demo/demo_archive.h"
#include "data/store/open_database.h"
#include "state/procedure.h"
#include "terminal.h"

namespace vantelordb {

namespace {

constexpr const char* kUsage = "usage: vantelor-db seed-demo [--scale N] [--seed S]";

template <typename Number>
Number ParseNumber(const std::string& text) {
  Number n{};
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc() || ptr != text.data() + text.size())
    throw UsageError("\"" + text + "\" is not a number\n" + kUsage);
  return n;
}

dba::demo::DemoOptions ParseOptions(const Arguments& args) {
  dba::demo::DemoOptions options;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) throw UsageError(kUsage);
    if (args[i] == "--scale") {
      options.scale = ParseNumber<int>(args[i + 1]);
    } else if (args[i] == "--seed") {
      options.seed = ParseNumber<std::uint64_t>(args[i + 1]);
    } else {
      throw UsageError(kUsage);
    }
  }
  return options;
}

}  // namespace

void SeedDemo(const std::string& db, const Arguments& args, std::ostream& out) {
  dba::demo::DemoOptions options = ParseOptions(args);
  options.demoRightsFor = vantelor::Lire_NomUtilisateur();
  auto database = dba::OpenNamedDatabase(db, dba::OpenMode::kExisting);
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
}

}  // namespace vantelordb
