#include "data/core/admin_database.h"

#include <algorithm>

#include "text/text.h"

namespace dba {

namespace {

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return out;
}

// 63 bytes is the longest identifier the server keeps; the store's own tables start with
// "vantelor_" and SQLite's with "sqlite_".
bool IsValidFileName(std::string_view name) {
  if (name.empty() || name.size() > 63) return false;
  const std::string lower = LowerAscii(name);
  if (lower.rfind("vantelor_", 0) == 0 || lower.rfind("sqlite_", 0) == 0) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-';
  });
}

}  // namespace

void AdminDatabase::Prefetch(std::string_view, const std::vector<std::string>&) {}

void AdminDatabase::RequireFile(std::string_view name) {
  if (!HasFile(name)) throw Error(kFileNotFound, "no file named " + text::Excerpt(name, 100));
}

void CheckWrittenKey(std::string_view file, std::string_view key) {
  if (key.empty())
    throw Error(kBadArgument, "cannot write to " + std::string(file) + ": empty key");
  if (key.find_first_of("\xFE\xFD\xFC") != std::string_view::npos)
    throw Error(kBadArgument, "cannot write to " + std::string(file) + ": key holds a mark");
}

void CheckNewFileName(std::string_view name, const std::vector<std::string>& existing) {
  if (!IsValidFileName(name))
    throw Error(kBadArgument, "\"" + std::string(name) + "\" is not a valid file name");
  const std::string lower = LowerAscii(name);
  for (const std::string& file : existing)
    if (file != name && LowerAscii(file) == lower)
      throw Error(kBadArgument, "cannot create file " + std::string(name) + ": file " + file +
                                    " differs from it only by letter case");
}

Transaction::Transaction(AdminDatabase& database) : database_(database) {
  database_.BeginTransaction();
}

Transaction::~Transaction() {
  if (!done_) database_.RollbackTransaction();
}

void Transaction::Commit() {
  if (done_) return;
  database_.CommitTransaction();
  done_ = true;
}

}  // namespace dba
