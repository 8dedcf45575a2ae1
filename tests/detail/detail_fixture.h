#pragma once
// Fixtures of the detail-window tests: an in-memory archive the test writes records into
// from readable lines (one attribute a line, '|' between values), the shared state
// pointing at it, and a scripted desktop. FailingDatabase makes chosen reads fail, to
// prove that a window left half-filled by an error stays consistent.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "component/state/variable.h"
#include "support/archive_fixture.h"
#include "support/payslip_record.h"
#include "ui/test_desktop.h"

namespace detailtest {

using testsupport::Lines;
using Controls = std::vector<ui::Control*>;

// A file whose reads of the chosen keys fail as a broken store would.
class FailingFile : public dba::File {
 public:
  FailingFile(std::shared_ptr<dba::File> inner, std::set<std::string> failing)
      : inner_(std::move(inner)), failing_(std::move(failing)) {}
  const std::string& Name() const override { return inner_->Name(); }
  dba::Record ReadRecord(std::string_view key) override {
    if (failing_.count(std::string(key)))
      throw dba::Error(dba::kStorageFailure, "disk I/O error reading " + std::string(key));
    return inner_->ReadRecord(key);
  }
  dba::Record NewRecord(std::string_view key) override { return inner_->NewRecord(key); }
  void DeleteRecord(std::string_view key) override { inner_->DeleteRecord(key); }
  void WriteRecord(std::string_view key, std::string_view text) override {
    inner_->WriteRecord(key, text);
  }

 private:
  std::shared_ptr<dba::File> inner_;
  std::set<std::string> failing_;
};

// Wraps a database: reads of the keys named for a file fail; a file named in
// `missingFiles` cannot be opened.
class FailingDatabase : public dba::Database {
 public:
  explicit FailingDatabase(std::shared_ptr<dba::Database> inner) : inner_(std::move(inner)) {}
  void FailRead(const std::string& file, const std::string& key) { failing_[file].insert(key); }
  void FailOpen(const std::string& file) { missing_.insert(file); }

  std::shared_ptr<dba::File> OpenFile(std::string_view name) override {
    const std::string n(name);
    if (missing_.count(n)) throw dba::Error(dba::kFileNotFound, "cannot open file " + n);
    auto file = inner_->OpenFile(name);
    auto it = failing_.find(n);
    return it == failing_.end() ? file : std::make_shared<FailingFile>(file, it->second);
  }
  dba::DynArray ExecuteSentence(std::string_view command, std::string_view options) override {
    return inner_->ExecuteSentence(command, options);
  }

 private:
  std::shared_ptr<dba::Database> inner_;
  std::map<std::string, std::set<std::string>> failing_;
  std::set<std::string> missing_;
};

class ArchiveTest : public ::testing::Test {
 protected:
  ArchiveTest() : archive_(dba::NewMemoryArchive()) {
    failing_ = std::make_shared<FailingDatabase>(archive_);
    v_.TheDatabase = failing_;
  }

  // Writes one record from readable lines.
  void Write(std::string_view file, std::string_view key, const Lines& lines) {
    archive_->OpenFile(file)->WriteRecord(key, testsupport::RecordText(lines));
  }
  // Makes the payslip with this key and record the one the viewer shows.
  void Show(const std::string& key, const dba::DynArray& record) {
    v_.Enr_ArchiveBull = dba::Record(nullptr, key, record.Text());
  }

  ui::TestDesktop desktop_;
  ui::ScopedDesktop installed_{desktop_};
  std::shared_ptr<dba::SqliteDatabase> archive_;
  std::shared_ptr<FailingDatabase> failing_;
  vantelor::Variable v_;
};

}  // namespace detailtest
