#pragma once
// What the benchmarks share: the scale-2000 demo archive they read (made on first use
// and kept beside the benchmark programs, or $VANTELOR_BENCH_DB), and a report that puts
// each store figure beside the same rows read through raw SQLite, with the ratio and
// the target.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace dba {
class AdminDatabase;
}

namespace bench {

constexpr int kScale = 2000;

// The path of the benchmark database, seeded at scale 2000 when missing.
std::string PreparedDatabase();

// The person of an archive index (AIDANTSARCHIVEBULL or AIDESARCHIVEBULL) with the most
// years of payslips and, among those, the most payslips: the heaviest search and listing
// the archive offers.
std::string HeaviestPerson(dba::AdminDatabase& db, const std::string& index);

// A pair of benchmarks "<name>/store" and "<name>/raw" and what is asked of the first.
struct Comparison {
  std::string name;
  double targetMicroseconds;
};

// Prints every run as the console does, then one line per comparison: store and raw
// times, their ratio, the target, and whether both limits hold. Limits are judged on
// CPU time: on a shared machine the wall time also counts the time spent waiting for a
// core, which says more about the neighbours than about the code (both are shown).
class ComparisonReporter : public benchmark::ConsoleReporter {
 public:
  explicit ComparisonReporter(std::vector<Comparison> comparisons)
      : comparisons_(std::move(comparisons)) {}
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::vector<Comparison> comparisons_;
  struct Times {
    double cpu = 0, wall = 0;  // microseconds per iteration
  };
  std::map<std::string, Times> times_;
};

}  // namespace bench
