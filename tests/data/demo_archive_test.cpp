// The demo archive is the same for the same seed and scale, and another for another seed.
// (What it holds is what the end-to-end scripts and the demo sweep of the detail tests
// read.)
#include "data/tools/demo/demo_archive.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data/archive/archive_files.h"
#include "data/store/sqlite/sqlite_store.h"
#include "data/tools/json_lines.h"
#include "data/tools/new_archive.h"

namespace {

std::string Seeded(const dba::demo::DemoOptions& options, long long* caregivers = nullptr) {
  auto db = dba::NewMemoryArchive();
  dba::demo::SeedDemoArchive(*db, options);
  if (caregivers) *caregivers = db->RecordCount("CIVILAIDANT");
  std::ostringstream out;
  dba::ExportJsonLines(*db, {}, out);
  return out.str();
}

TEST(DemoArchiveTest, SeedAndScaleDecideTheArchive) {
  const std::string first = Seeded({0, 5});
  EXPECT_EQ(first, Seeded({0, 5}));
  EXPECT_NE(first, Seeded({0, 6}));
  long long caregivers = 0;
  Seeded({5, 1}, &caregivers);
  EXPECT_TRUE(caregivers >= 4 && caregivers <= 5) << caregivers;
}

}  // namespace
