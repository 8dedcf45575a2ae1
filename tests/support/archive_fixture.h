#pragma once
// Test fixtures over the store: an in-memory archive filled from JSON Lines text,
// one record a line, as vantelor-db import reads them:
//   auto db = testsupport::ArchiveWith(R"(
//     {"file": "CIVILAIDANT", "key": "00012", "attributes": [["Mme"], ["DUPONT"], ["Marie"]]}
//   )");
// ExampleRecords() gives tests/support/examples.jsonl: two payslips (a mandataire one
// of March 2003, a prestataire one of April 2019) with every record that goes with them;
// NewExampleDatabase makes a database of them that the programs can open by its name.

#include <memory>
#include <string>
#include <string_view>

#include "data/archive/archive_files.h"
#include "data/core/admin_database.h"
#include "data/store/open_database.h"
#include "data/tools/json_lines.h"
#include "data/tools/new_archive.h"
#include "support/source_files.h"

namespace testsupport {

inline std::shared_ptr<dba::AdminDatabase> ArchiveWith(std::string_view jsonLines) {
  auto database = dba::NewMemoryArchive();
  dba::ImportJsonLines(*database, jsonLines);
  return database;
}

inline std::string ExampleRecords() { return SupportFile("examples.jsonl"); }

inline std::shared_ptr<dba::AdminDatabase> ExampleArchive() {
  return ArchiveWith(ExampleRecords());
}

// A new database `name` (a file or a server URI) holding every archive file, the example
// records and the JSON Lines `more`.
inline std::shared_ptr<dba::AdminDatabase> NewExampleDatabase(const std::string& name,
                                                              const std::string& more = "") {
  auto database = dba::OpenNamedDatabase(name, dba::OpenMode::kCreate);
  dba::CreateArchiveFiles(*database);
  dba::ImportJsonLines(*database, ExampleRecords() + more);
  return database;
}

}  // namespace testsupport
