// The TEMPO print request: written before the print, gone after it on every path.
#include "printing/print_request.h"

#include <gtest/gtest.h>

#include "data/archive/archive_files.h"
#include "data/tools/new_archive.h"
#include "printing/recording_print_control.h"
#include "support/expect_error.h"
#include "support/fake_database.h"

namespace printing {
namespace {

using testsupport::Call;

class PrintRequestTest : public ::testing::Test {
 protected:
  std::string Tempo(const std::string& key) { return testsupport::Stored(*db_, "TEMPO", key); }

  std::shared_ptr<testsupport::FakeDatabase> db_ =
      std::make_shared<testsupport::FakeDatabase>(dba::NewMemoryArchive());
  std::shared_ptr<dba::File> tempo_ = db_->OpenFile("TEMPO");
};

// On the normal path a failing removal is reported; on an error path the first error wins;
// a record already gone is no failure.
TEST_F(PrintRequestTest, GuardReportsAFailingRemovalOnlyOnTheNormalPath) {
  EXPECT_NO_THROW(TempoGuard(tempo_, "ARCHIVEBULLNOBODY").Remove());
  EXPECT_NO_THROW(TempoGuard(nullptr, "ARCHIVEBULLABC").Remove());  // no TEMPO file open
  tempo_->WriteRecord("ARCHIVEBULLABC", "K1");
  db_->FailWhen([](const Call& c) { return c.op == "delete"; });
  EXPECT_DBA_ERROR(kPrintFailed, {
    TempoGuard guard(tempo_, "ARCHIVEBULLABC");
    throw dba::Error(kPrintFailed, "print control failed");
  });
  EXPECT_DBA_ERROR(dba::kStorageFailure, TempoGuard(tempo_, "ARCHIVEBULLABC").Remove());
}

}  // namespace
}  // namespace printing
