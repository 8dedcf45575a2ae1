// copy --to NAME [--replace]: the whole archive of --db copied into NAME (either store),
// in one transaction, with a progress line when stderr is a terminal.
#include <chrono>
#include <iostream>

#include "commands.h"
#include "data/store/open_database.h"
#include "data/tools/archive_copy.h"
#include "terminal.h"

namespace vantelordb {

int Copy(const Arguments& args, std::ostream& out) {
  if (!args.Has("to")) throw cli::UsageError("copy needs --to NAME");
  const std::string to = args.Value("to");
  const bool replace = args.Has("replace");
  auto source = dba::OpenNamedDatabase(Database(args), dba::OpenMode::kExisting);
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
  return 0;
}

}  // namespace vantelordb
