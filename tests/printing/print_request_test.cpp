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

TEST_F(PrintRequestTest, WriteTempoPutsOneKeyPerValueAndAlwaysLetsGoOfTheSharedRecord) {
  dba::Record holder;
  {
    PrintRequest request(tempo_, "ABC", {"K1", "K2", "K3"}, holder);
    EXPECT_EQ(tempo_->ReadRecord("ARCHIVEBULLABC").Text(), "K1\xFDK2\xFDK3");
    EXPECT_TRUE(holder.Key().empty() && holder.Empty());
  }
  EXPECT_FALSE(Exists("ARCHIVEBULLABC"));
  db_->FailWhen([](const Call& c) { return c.op == "write"; });
  dba::Record failed;
  EXPECT_THROW(PrintRequest(tempo_, "XYZ", {"K1"}, failed), dba::Error);
  EXPECT_TRUE(failed.Empty());
  db_->FailWhen(nullptr);
  EXPECT_FALSE(Exists("ARCHIVEBULLXYZ"));
}

// On the normal path a failing removal is reported; on an error path the first error wins;
// a record already gone is no failure.
TEST_F(PrintRequestTest, GuardReportsAFailingRemovalOnlyOnTheNormalPath) {
  TempoGuard gone(tempo_, "ARCHIVEBULLNOBODY");
  EXPECT_NO_THROW(gone.Remove());
  tempo_->WriteRecord("ARCHIVEBULLABC", "K1");
  db_->FailWhen([](const Call& c) { return c.op == "delete"; });
  try {
    TempoGuard guard(tempo_, "ARCHIVEBULLABC");
    throw dba::Error(kPrintFailed, "print control failed");
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), kPrintFailed);
  }
  TempoGuard guard(tempo_, "ARCHIVEBULLABC");
  EXPECT_EQ(dba::RunStep([&] { guard.Remove(); }), dba::kStorageFailure);
}

}  // namespace
}  // namespace printing
