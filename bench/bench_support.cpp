#include "bench_support.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>

#include "data/archive/archive_files.h"
#include "data/core/admin_database.h"
#include "data/core/error.h"
#include "data/store/open_database.h"
#include "data/tools/demo/demo_archive.h"
#include "data/tools/new_archive.h"

namespace bench {

namespace {

bool IsSeeded(const std::string& path) {
  try {
    return dba::OpenNamedDatabase(path, dba::OpenMode::kExisting)->RecordCount("ARCHIVEBULL") > 0;
  } catch (const dba::Error&) {
    return false;
  }
}

}  // namespace

std::string PreparedDatabase() {
  const char* configured = std::getenv("VANTELOR_BENCH_DB");
  const std::string path = configured && *configured
                               ? configured
                               : std::string(VANTELOR_BENCH_DIR) + "/bench-scale2000.db";
  if (IsSeeded(path)) return path;
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
  std::cerr << "Seeding " << path << " at scale " << kScale << "...\n";
  const auto start = std::chrono::steady_clock::now();
  auto db = dba::OpenNamedDatabase(path, dba::OpenMode::kCreate);
  dba::CreateArchiveFiles(*db);
  const auto summary = dba::demo::SeedDemoArchive(*db, {kScale, 1});
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::fprintf(stderr, "Seeded %lld payslips and %lld index records in %.1f s.\n", summary.payslips,
               summary.indexRecords, seconds);
  return path;
}

std::string HeaviestPerson(dba::AdminDatabase& db, const std::string& index) {
  std::map<std::string, std::pair<int, int>> weights;  // code -> (years, payslips)
  db.ForEachRecord(index, [&](std::string_view key, std::string_view text) {
    auto& [years, payslips] = weights[std::string(key.substr(0, 5))];
    ++years;
    for (std::size_t start = 0, end; start <= text.size(); start = end + 1) {
      end = text.find_first_of("\xFE\xFD", start);
      if (end == std::string_view::npos) end = text.size();
      if (end > start) ++payslips;
    }
  });
  std::string chosen;
  std::pair<int, int> heaviest{0, 0};
  for (const auto& [code, weight] : weights)
    if (weight > heaviest) chosen = code, heaviest = weight;
  return chosen;
}

void ComparisonReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
    const double toMicroseconds = 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    times_[run.benchmark_name()] = {run.GetAdjustedCPUTime() * toMicroseconds,
                                    run.GetAdjustedRealTime() * toMicroseconds};
  }
}

void ComparisonReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::printf("\nThe store beside raw SQLite reading the same rows (scale %d), CPU time:\n",
              kScale);
  std::printf("  %-24s %11s %11s %6s %10s  %-8s %s\n", "", "store", "raw SQLite", "ratio", "target",
              "verdict", "(wall: store / raw)");
  for (const Comparison& c : comparisons_) {
    const auto store = times_.find(c.name + "/store");
    const auto raw = times_.find(c.name + "/raw");
    if (store == times_.end() || raw == times_.end()) continue;
    const double ratio = store->second.cpu / raw->second.cpu;
    const bool ok = store->second.cpu <= c.targetMicroseconds && ratio <= 2.0;
    std::printf("  %-24s %8.1f µs %8.1f µs %6.2f %7.0f µs  %-8s (%.1f / %.1f µs)\n", c.name.c_str(),
                store->second.cpu, raw->second.cpu, ratio, c.targetMicroseconds,
                ok ? "ok" : "MISSED", store->second.wall, raw->second.wall);
  }
  std::fflush(stdout);
}

}  // namespace bench
