#pragma once
// The database library as the screens use it: a client opens a database, a database
// opens files and runs query sentences, a file handle reads, creates and deletes
// records, and a record writes itself back with DBWrite.
// Every method may throw dba::Error; ReadRecord and DeleteRecord of a missing key
// throw it with code kRecordNotFound. Code that asks whether a record is there calls
// Find, which answers with an empty optional instead.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/core/dynamic_array.h"
#include "data/core/error.h"

namespace dba {

class File;

// A record read from (or made for) a file: a DynArray whose attribute 0 is its key,
// which remembers its file so that DBWrite puts it back under its key.
class Record : public DynArray {
 public:
  Record() = default;
  Record(std::shared_ptr<File> file, std::string key, std::string text)
      : DynArray(std::move(key), std::move(text)), file_(std::move(file)) {}

  // Writes the record under its key (creating or replacing it), in one transaction.
  // Throws kBadArgument when the record belongs to no file.
  void DBWrite() const;

 private:
  std::shared_ptr<File> file_;
};

class File : public std::enable_shared_from_this<File> {
 public:
  virtual ~File() = default;
  virtual const std::string& Name() const = 0;
  // The record stored under `key`; kRecordNotFound when there is none.
  virtual Record ReadRecord(std::string_view key) = 0;
  // The record stored under `key`, or nothing when there is none; any other failure
  // throws as ReadRecord does. The default asks ReadRecord; stores answer directly.
  virtual std::optional<Record> Find(std::string_view key);
  // A new, empty record for `key`, not yet written (no read is made).
  virtual Record NewRecord(std::string_view key) = 0;
  // Removes the record; kRecordNotFound when there is none.
  virtual void DeleteRecord(std::string_view key) = 0;
  // Stores `text` under `key`, replacing any record there. An empty key is kBadArgument.
  virtual void WriteRecord(std::string_view key, std::string_view text) = 0;
  // Says that the records of `keys` are about to be read, one by one and in that order, so
  // that a store may fetch them ahead in a few round trips (the server store does; the
  // SQLite file has nothing to save). Reads answer exactly as they would without it. The
  // default does nothing.
  virtual void Prefetch(const std::vector<std::string>& keys);
};

class Database {
 public:
  virtual ~Database() = default;
  // A handle on the named file; kFileNotFound when the database has no such file.
  virtual std::shared_ptr<File> OpenFile(std::string_view name) = 0;
  // Runs a query command: a DynArray text with attribute 1 the sentence, attribute 2
  // the file name and attribute 3 "0" (return keys). The result holds one key per
  // attribute, in the order the sentence asks for. A malformed sentence, an unknown
  // file or dictionary item throws kBadSentence / kFileNotFound; nothing partial.
  virtual DynArray ExecuteSentence(std::string_view command, std::string_view options = "") = 0;
};

// Opens databases by path. The screens only hand it on to the print control.
class Client {
 public:
  virtual ~Client() = default;
  virtual std::shared_ptr<Database> OpenDatabase(const std::string& path) = 0;
};

// Builds the query command that ExecuteSentence takes from a sentence and its file.
std::string QueryCommand(std::string_view sentence, std::string_view file);

}  // namespace dba
