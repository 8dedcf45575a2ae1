// Two workstations printing at the same moment, as two processes on one database (a
// SQLite file, a server): each writes its TEMPO print request, logs it, prints, and removes
// it, round after round. Nothing may be lost and no request may see the other's.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "data/archive/request_records.h"
#include "printing/print_log.h"
#include "printing/print_request.h"
#include "store_fixture.h"

namespace {

constexpr int kRounds = 100;

std::string User(int worker) { return "CLERK" + std::to_string(worker); }
std::string PayslipKey(int worker, int round) {
  return "000" + std::to_string(worker + 1) + "2001200303" + std::to_string(10000 + round);
}

// One print request after another, by the print-request protocol of the screens.
// Returns 0 when every call succeeded, 1 otherwise (the child's exit status).
int Print(const std::string& name, int worker) {
  try {
    auto db = dba::OpenNamedDatabase(name);
    auto tempo = db->OpenFile("TEMPO");
    printing::PrintLog log(*db);
    const std::string requestKey = dba::TempoKey(User(worker));
    for (int round = 0; round < kRounds; ++round) {
      const std::string logKey =
          log.Begin({User(worker), User(worker), {PayslipKey(worker, round)}},
                    std::chrono::system_clock::now());
      dba::Record holder;
      printing::PrintRequest request(tempo, User(worker), {PayslipKey(worker, round)}, holder);
      if (tempo->ReadRecord(requestKey)(1, 1) != PayslipKey(worker, round)) return 1;
      request.Finish();
      log.Finish(logKey, printing::kOutcomePrinted, "");
    }
    return 0;
  } catch (const std::exception& e) {
    fprintf(stderr, "worker %d: %s\n", worker, e.what());
    return 1;
  }
}

template <typename Store>
class TwoProcessTest : public storetest::StoreTest<Store> {};
TYPED_TEST_SUITE(TwoProcessTest, storetest::Stores);

TYPED_TEST(TwoProcessTest, TwoUsersPrintingAtOnceLoseNothing) {
  this->NewArchive();
  pid_t children[2];
  for (int worker = 0; worker < 2; ++worker) {
    children[worker] = ::fork();
    ASSERT_GE(children[worker], 0);
    if (children[worker] == 0) ::_exit(Print(this->Name(), worker));
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a worker failed";
  }

  auto db = dba::OpenNamedDatabase(this->Name());
  EXPECT_EQ(db->RecordCount("TEMPO"), 0);
  EXPECT_EQ(db->RecordCount("IMPRESSIONS"), 2 * kRounds);
  int printed[2] = {0, 0};
  db->ForEachRecord("IMPRESSIONS", [&](std::string_view, std::string_view text) {
    const dba::DynArray record{std::string(text)};
    const int worker = record(1) == User(1) ? 1 : 0;
    EXPECT_EQ(record(4), printing::kOutcomePrinted);
    EXPECT_EQ(record(3).substr(0, 4), "000" + std::to_string(worker + 1));
    ++printed[worker];
  });
  EXPECT_EQ(printed[0], kRounds);
  EXPECT_EQ(printed[1], kRounds);
}

}  // namespace
