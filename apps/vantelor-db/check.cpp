// check: the faults of a hand-made archive, one a line, then their count.
#include <ostream>

#include "commands.h"
#include "data/store/open_database.h"
#include "data/tools/archive_check.h"

namespace vantelordb {

int Check(const Arguments& args, std::ostream& out) {
  auto database = dba::OpenNamedDatabase(Database(args), dba::OpenMode::kExisting);
  const dba::ArchiveCheck check = dba::CheckArchive(*database);
  for (const dba::ArchiveProblem& p : check.problems) out << p.text << '\n';
  out << check.payslips << " payslips, " << check.indexRecords << " index records: ";
  if (check.problems.empty()) {
    out << "no fault found.\n";
    return 0;
  }
  out << check.problems.size() << (check.problems.size() == 1 ? " fault.\n" : " faults.\n");
  return 1;
}

}  // namespace vantelordb
