#pragma once
// A new archive: every file of archive_files.h and the two name dictionary items.

#include <memory>

#include "data/core/admin_database.h"

namespace dba {

// Creates every archive file that is missing and (re)defines the two dictionary items,
// in one transaction. Existing records are kept.
void CreateArchiveFiles(AdminDatabase& database);

// A new private in-memory database holding every archive file: the usual start of a test.
std::shared_ptr<AdminDatabase> NewMemoryArchive();

}  // namespace dba
