// copy --to NAME [--replace]: the whole archive of --db copied into NAME (either store),
// in one transaction, with a progress line when stderr is a terminal.
#include <chrono>
#include <iostream>

#include "commands.h"
#include "data/archive_copy.h"
#include "data/store/open_database.h"
#include "terminal.h"

namespace vantelordb {

namespace {

constexpr const char* kUsage = "usage: vantelor-db copy --to NAME [--replace]";

}  // namespace

void Copy(const std::string& db, const Arguments& args, std::ostream& out) {
  std::string to;
  bool replace = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--replace") {
      replace = true;
    } else if (args[i] == "--to" && i + 1 < args.size() && to.empty()) {
      to = args[++i];
    } else {
      throw UsageError(kUsage);
    }
  }
  if (to.empty()) throw UsageError(kUsage);
  auto source = dba::OpenNamedDatabase(db, dba::OpenMode::kExisting);
  auto target = dba::OpenNamedDatabase(to, dba::OpenMode::kCreate);
  const bool terminal = StderrIsTerminal();
  const auto start = std::chrono::steady_clock::now();
  long long shown = -1;
  const auto progress = [&](long long done, long long total) {
    const long long percent = total > 0 ? done * 100 / total : 100;
    if (!terminal || percent == shown) return;
    shown = percent;
    std::cerr << "\rCopying into " << target->DisplayName() << ": " << percent << " % (" << done
              << "/" << total << " records)" << std::flush;
  };
  const dba::CopySummary summary = dba::CopyArchive(*source, *target, replace, progress);
  if (terminal) std::cerr << "\n";
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  out << "Copied " << summary.records << " records of " << summary.files << " files from "
      << source->DisplayName() << " to " << target->DisplayName() << " ("
      << static_cast<int>(seconds * 10) / 10.0 << " s).\n";
}

}  // namespace vantelordb
