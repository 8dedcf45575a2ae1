#pragma once
// Fixtures of the detail-window tests: an in-memory archive the test writes records into
// from readable lines (one attribute a line, '|' between values), the shared state
// pointing at it through a database that fails the reads and opens a test names, and a
// scripted desktop.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>

#include "state/variable.h"
#include "support/archive_fixture.h"
#include "support/failing_database.h"
#include "support/payslip_record.h"
#include "ui/test_desktop.h"

namespace detailtest {

using testsupport::Lines;

class ArchiveTest : public ::testing::Test {
 protected:
  ArchiveTest() {
    failing_->FailWhen([this](const testsupport::Call& c) {
      return (c.op == "open" && failOpens_.count(c.file)) ||
             (c.op == "read" && failReads_.count({c.file, c.key}));
    });
    v_.TheDatabase = failing_;
  }

  void FailRead(const std::string& file, const std::string& key) { failReads_.insert({file, key}); }
  void FailOpen(const std::string& file) { failOpens_.insert(file); }
  void Write(std::string_view file, std::string_view key, const Lines& lines) {
    archive_->OpenFile(file)->WriteRecord(key, testsupport::RecordText(lines));
  }
  // Makes the payslip with this key and record the one the viewer shows.
  void Show(const std::string& key, const dba::DynArray& record) {
    v_.Enr_ArchiveBull = dba::Record(nullptr, key, record.Text());
  }

  ui::TestDesktop desktop_;
  ui::ScopedDesktop installed_{desktop_};
  std::shared_ptr<dba::SqliteDatabase> archive_ = dba::NewMemoryArchive();
  std::shared_ptr<testsupport::FailingDatabase> failing_ =
      std::make_shared<testsupport::FailingDatabase>(archive_);
  std::set<std::pair<std::string, std::string>> failReads_;
  std::set<std::string> failOpens_;
  vantelor::Variable v_;
};

}  // namespace detailtest
