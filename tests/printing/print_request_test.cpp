#include "printing/print_request.h"

#include <gtest/gtest.h>

#include "data/archive_files.h"
#include "data/sqlite_store.h"
#include "data/step.h"
#include "printing/print_control.h"
#include "support/failing_database.h"

namespace printing {
namespace {

using testsupport::Call;

class PrintRequestTest : public ::testing::Test {
 protected:
  std::shared_ptr<testsupport::FailingDatabase> db_ =
      std::make_shared<testsupport::FailingDatabase>(dba::NewMemoryArchive());
  std::shared_ptr<dba::File> tempo_ = db_->OpenFile("TEMPO");

  bool Exists(const std::string& key) {
    return dba::RunStep([&] { tempo_->ReadRecord(key); }) == 0;
  }
  static dba::DynArray List(std::initializer_list<const char*> keys) {
    dba::DynArray list;
    int i = 0;
    for (const char* k : keys) list.Set(++i, k);
    return list;
  }
};

TEST_F(PrintRequestTest, WriteTempoPutsOneKeyPerValueOfAttributeOne) {
  dba::Record holder;
  WriteTempo(*tempo_, "ARCHIVEBULLABC", List({"K1", "K2", "K3"}), holder);
  const dba::Record written = tempo_->ReadRecord("ARCHIVEBULLABC");
  EXPECT_EQ(written.DCount(1), 3);
  EXPECT_EQ(written(1, 1), "K1");
  EXPECT_EQ(written(1, 3), "K3");
  EXPECT_EQ(written.DCount(), 1);
  EXPECT_TRUE(holder.Key().empty() && holder.Empty()) << "the shared record is let go";
}

TEST_F(PrintRequestTest, AFailedWriteStillLetsGoOfTheSharedRecord) {
  db_->FailWhen([](const Call& c) { return c.op == "write"; });
  dba::Record holder;
  EXPECT_THROW(WriteTempo(*tempo_, "ARCHIVEBULLABC", List({"K1"}), holder), dba::Error);
  EXPECT_TRUE(holder.Empty());
  db_->FailWhen(nullptr);
  EXPECT_FALSE(Exists("ARCHIVEBULLABC"));
}

TEST_F(PrintRequestTest, GuardSwallowsAFailingRemovalOnAnErrorPath) {
  tempo_->WriteRecord("ARCHIVEBULLABC", "K1");
  db_->FailWhen([](const Call& c) { return c.op == "delete"; });
  try {
    TempoGuard guard(tempo_, "ARCHIVEBULLABC");
    throw dba::Error(kPrintFailed, "print control failed");
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), kPrintFailed);
  }
}

TEST_F(PrintRequestTest, RemoveToleratesARecordAlreadyGoneButReportsOtherFailures) {
  TempoGuard gone(tempo_, "ARCHIVEBULLNOBODY");
  EXPECT_NO_THROW(gone.Remove());

  tempo_->WriteRecord("ARCHIVEBULLABC", "K1");
  TempoGuard guard(tempo_, "ARCHIVEBULLABC");
  db_->FailWhen([](const Call& c) { return c.op == "delete"; });
  try {
    guard.Remove();
    FAIL() << "a failing removal on the normal path must be reported";
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), dba::kStorageFailure);
  }
}

}  // namespace
}  // namespace printing
