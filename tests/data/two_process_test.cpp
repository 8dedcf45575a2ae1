// Two processes writing and deleting TEMPO records in one database file at once, as two
// workstations printing at the same moment would.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "data/archive_files.h"
#include "data/sqlite_store.h"

namespace {

constexpr int kRounds = 200;

std::string KeyOf(int worker, int round) {
  return "ARCHIVEBULLUSER" + std::to_string(worker) + "_" + std::to_string(round);
}

// Each round writes a print request, reads it back and deletes every other one.
// Returns 0 when every call succeeded, 1 otherwise (the child's exit status).
int Work(const std::string& path, int worker) {
  try {
    auto db = dba::OpenSqliteDatabase(path, dba::OpenMode::kExisting);
    auto tempo = db->OpenFile("TEMPO");
    for (int round = 0; round < kRounds; ++round) {
      const std::string key = KeyOf(worker, round);
      tempo->WriteRecord(key, "0001200120030300101\xFD" + key);
      if (tempo->ReadRecord(key)(1, 2) != key) return 1;
      if (round % 2 == 1) tempo->DeleteRecord(key);
    }
    return 0;
  } catch (const std::exception& e) {
    fprintf(stderr, "worker %d: %s\n", worker, e.what());
    return 1;
  }
}

TEST(TwoProcessTest, ConcurrentTempoWritesAndDeletesLoseNothing) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                    ("vantelor-two-process-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "shared.db").string();
  dba::CreateArchiveFiles(*dba::OpenSqliteDatabase(path));

  pid_t children[2];
  for (int worker = 0; worker < 2; ++worker) {
    children[worker] = ::fork();
    ASSERT_GE(children[worker], 0);
    if (children[worker] == 0) ::_exit(Work(path, worker));
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a worker failed";
  }

  auto db = dba::OpenSqliteDatabase(path, dba::OpenMode::kExisting);
  EXPECT_EQ(db->RecordCount("TEMPO"), kRounds);  // half of each worker's records remain
  auto tempo = db->OpenFile("TEMPO");
  for (int worker = 0; worker < 2; ++worker)
    for (int round = 0; round < kRounds; round += 2)
      EXPECT_EQ(tempo->ReadRecord(KeyOf(worker, round))(1, 2), KeyOf(worker, round));
  db.reset();
  std::filesystem::remove_all(dir);
}

}  // namespace
