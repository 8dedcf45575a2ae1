#pragma once
// Test fixtures over the store: an in-memory archive filled from JSON Lines text,
// one record a line, as vantelor-db import reads them:
//   auto db = testsupport::ArchiveWith(R"(
//     {"file": "CIVILAIDANT", "key": "00012", "attributes": [["Mme"], ["DUPONT"], ["Marie"]]}
//   )");
// ExampleRecords() gives tests/support/examples.jsonl: two payslips (a mandataire one
// of March 2003, a prestataire one of April 2019) with every record that goes with them.

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "data/archive_files.h"
#include "data/json_lines.h"
#include "data/sqlite_store.h"

namespace testsupport {

inline std::shared_ptr<dba::SqliteDatabase> ArchiveWith(std::string_view jsonLines) {
  auto database = dba::NewMemoryArchive();
  dba::ImportJsonLines(*database, jsonLines);
  return database;
}

inline std::string SourceDir() {
  const char* dir = std::getenv("VANTELOR_SOURCE_DIR");
  return dir ? dir : VANTELOR_TEST_SOURCE_DIR;
}

// The text of tests/support/`name`: examples.jsonl, archive_faults.jsonl (one of each fault
// `vantelor-db check` finds, over the examples).
inline std::string SupportFile(const std::string& name) {
  const std::string path = SourceDir() + "/tests/support/" + name;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

inline std::string ExampleRecords() { return SupportFile("examples.jsonl"); }

inline std::shared_ptr<dba::SqliteDatabase> ExampleArchive() {
  return ArchiveWith(ExampleRecords());
}

}  // namespace testsupport
