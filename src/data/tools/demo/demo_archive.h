#pragma once
// The demo archive: French caregivers, care recipients, associations, contracts and
// archived payslips with their indexes, calculation details, item files and user
// rights, the same for a given seed.
//
// The default archive (scale 0) is small and varied, for trying the screens: about 40
// caregivers and 120 care recipients over 2000-2003 (francs, then euros with the francs
// counter-value) and 2019-2020 (income tax withheld); short and long bodies, both footer
// layouts; a few payslips whose caregiver or care recipient has no civil record; people
// in sectors S03 and S09, which the demo user DEMO may not see (DROITS record
// DEMO*PALIMOR allows S01 and S02; ADMIN*PALIMOR allows "*").
// Scale N (1 to 20000) is for benchmarks: N caregivers, 4N care recipients, 2011-2020.

#include <cstdint>
#include <functional>
#include <string>

namespace dba {

class AdminDatabase;

namespace demo {

// The largest scale SeedDemoArchive takes.
inline constexpr int kMaxScale = 20000;

struct DemoOptions {
  int scale = 0;  // 0 = the demo archive
  std::uint64_t seed = 1;
  // A user who gets the demo user's rights too (the login of whoever seeds, so that the
  // demo needs no --user); "" for nobody.
  std::string demoRightsFor = {};
};

struct DemoSummary {
  long long caregivers = 0;
  long long careRecipients = 0;
  long long payslips = 0;
  long long indexRecords = 0;
};

// Called after each caregiver: (caregivers done, caregivers in all).
using DemoProgress = std::function<void(int, int)>;

// Fills `database`, which must hold the archive files (CreateArchiveFiles) and no
// payslip yet (kBadArgument otherwise; kBadArgument for a scale out of range).
// Writes are grouped in large transactions; a failure part-way leaves the records of
// the transactions already committed.
DemoSummary SeedDemoArchive(AdminDatabase& database, const DemoOptions& options,
                            const DemoProgress& progress = {});

}  // namespace demo
}  // namespace dba
