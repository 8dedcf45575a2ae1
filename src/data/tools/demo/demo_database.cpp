// The demo archive as a file, for hosts (vantelor/demo.h).
#include "vantelor/demo.h"

#include <filesystem>
#include <stdexcept>

#include "data/archive/archive_files.h"
#include "data/store/open_database.h"
#include "data/tools/demo/demo_archive.h"
#include "data/tools/new_archive.h"

namespace vantelor {

void EnsureDemoDatabase(const std::string& path, const std::string& user) {
  namespace fs = std::filesystem;
  if (dba::IsServerName(path) || fs::exists(path)) return;  // a server's is made by vantelor-db
  const fs::path target(path);
  if (target.has_parent_path()) fs::create_directories(target.parent_path());
  const std::string building = path + ".building";
  fs::remove(building);
  try {
    auto database = dba::OpenNamedDatabase(building, dba::OpenMode::kCreate);
    dba::CreateArchiveFiles(*database);
    dba::demo::DemoOptions options;
    options.demoRightsFor = user;
    dba::demo::SeedDemoArchive(*database, options);
  } catch (...) {
    fs::remove(building);
    throw;
  }
  // The database is closed (its last reference gone) before it is moved into place.
  fs::rename(building, target);
}

}  // namespace vantelor
