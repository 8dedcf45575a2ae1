#pragma once
// A whole archive copied from one database to another (the SQLite file to the server and
// back): every file, every record, the dictionary items, in one transaction of the target,
// so that the target shows either its old records or all the new ones.

#include <functional>

namespace dba {

class AdminDatabase;

struct CopySummary {
  long long files = 0;
  long long records = 0;
};

// Called after each record: (records copied, records in all).
using CopyProgress = std::function<void(long long, long long)>;

// Copies `source` into `target`. A target that holds records already is refused
// (kBadArgument, saying how many and where) unless `replace`: then its records are
// removed first, in the same transaction. A database is never copied onto itself.
CopySummary CopyArchive(AdminDatabase& source, AdminDatabase& target, bool replace,
                        const CopyProgress& progress = {});

}  // namespace dba
