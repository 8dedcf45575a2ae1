#pragma once
// Fixtures of the detail-window tests: an in-memory archive the test writes records into
// from readable lines (one attribute a line, '|' between values), seen by the shared
// state through a FakeDatabase, and a scripted desktop.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/core/admin_database.h"
#include "data/tools/new_archive.h"
#include "state/variable.h"
#include "support/archive_fixture.h"
#include "support/fake_database.h"
#include "support/payslip_record.h"
#include "ui/test_desktop.h"

namespace detailtest {

using testsupport::Call;
using testsupport::Lines;

class ArchiveTest : public ::testing::Test {
 protected:
  ArchiveTest() { v_.TheDatabase = db_; }

  void Write(std::string_view file, std::string_view key, const Lines& lines) {
    testsupport::Put(*archive_, file, key, testsupport::RecordText(lines));
  }
  // Makes the payslip with this key and record the one the viewer shows.
  void Show(const std::string& key, const dba::DynArray& record) {
    v_.Enr_ArchiveBull = dba::Record(nullptr, key, record.Text());
  }
  void FailReads(std::vector<std::string> keys) {
    db_->FailWhen([keys](const Call& c) {
      return c.op == "read" && std::find(keys.begin(), keys.end(), c.key) != keys.end();
    });
  }

  ui::TestDesktop desktop_;
  ui::ScopedDesktop installed_{desktop_};
  std::shared_ptr<dba::AdminDatabase> archive_ = dba::NewMemoryArchive();
  std::shared_ptr<testsupport::FakeDatabase> db_ =
      std::make_shared<testsupport::FakeDatabase>(archive_);
  vantelor::Variable v_;
};

}  // namespace detailtest
