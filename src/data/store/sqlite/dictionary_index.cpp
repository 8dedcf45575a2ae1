#include "data/store/sqlite/dictionary_index.h"

#include "data/core/error.h"
#include "data/store/common/key_range.h"
#include "data/store/sqlite/sqlite_handle.h"

namespace dba {

using sqlite::Quoted;

DictionaryIndex::DictionaryIndex(sqlite::Connection& connection) : connection_(connection) {}

void DictionaryIndex::CreateTables(sqlite::Connection& connection) {
  connection.Execute(
      "CREATE TABLE IF NOT EXISTS vantelor_dictionary("
      " file TEXT NOT NULL, item TEXT NOT NULL, source_file TEXT NOT NULL DEFAULT '',"
      " key_start INTEGER NOT NULL DEFAULT 1, key_length INTEGER NOT NULL DEFAULT -1,"
      " attributes TEXT NOT NULL, separator TEXT NOT NULL DEFAULT ' ',"
      " upper INTEGER NOT NULL DEFAULT 0, PRIMARY KEY(file, item)) WITHOUT ROWID;"
      "CREATE TABLE IF NOT EXISTS vantelor_dictionary_values("
      " file TEXT NOT NULL, item TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL,"
      " PRIMARY KEY(file, item, key)) WITHOUT ROWID;"
      "CREATE INDEX IF NOT EXISTS vantelor_dictionary_by_value"
      " ON vantelor_dictionary_values(file, item, value, key);");
}

void DictionaryIndex::Load() {
  items_.clear();
  sqlite::Statement s(connection_.Handle(),
                      "SELECT file, item, source_file, key_start, key_length, attributes,"
                      " separator, upper FROM vantelor_dictionary ORDER BY file, item");
  while (s.Step()) {
    DictionaryItem item;
    item.file = s.ColumnText(0);
    item.name = s.ColumnText(1);
    item.sourceFile = s.ColumnText(2);
    item.keyStart = static_cast<int>(s.ColumnInt(3));
    item.keyLength = static_cast<int>(s.ColumnInt(4));
    item.attributes = ParseAttributeList(s.ColumnView(5));
    item.separator = s.ColumnText(6);
    item.upper = s.ColumnInt(7) != 0;
    items_.push_back(std::move(item));
  }
}

void DictionaryIndex::Define(const DictionaryItem& item) {
  if (item.name.empty() || item.attributes.empty())
    throw Error(kBadArgument, "dictionary item of " + item.file + " needs a name and attributes");
  auto s = connection_.Cached(
      "INSERT OR REPLACE INTO vantelor_dictionary(file, item, source_file, key_start,"
      " key_length, attributes, separator, upper) VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
  s->Bind(1, item.file).Bind(2, item.name).Bind(3, item.sourceFile).Bind(4, item.keyStart);
  s->Bind(5, item.keyLength).Bind(6, AttributeListText(item.attributes));
  s->Bind(7, item.separator).Bind(8, item.upper ? 1LL : 0LL).Run();
  Load();
  IndexAll(item);
}

std::string DictionaryIndex::SourceText(const DictionaryItem& item, std::string_view key) {
  auto s = connection_.Cached("SELECT record FROM " + Quoted(item.sourceFile) + " WHERE key = ?");
  s->Bind(1, item.SourceKey(key));
  return s->Step() ? s->ColumnText(0) : std::string();
}

void DictionaryIndex::Put(const DictionaryItem& item, std::string_view key,
                          std::string_view value) {
  auto s = connection_.Cached(
      "INSERT OR REPLACE INTO vantelor_dictionary_values(file, item, key, value)"
      " VALUES(?, ?, ?, ?)");
  s->Bind(1, item.file).Bind(2, item.name).Bind(3, key).Bind(4, value).Run();
}

void DictionaryIndex::RecordChanged(std::string_view file, std::string_view key,
                                    const std::optional<std::string_view>& text) {
  for (const DictionaryItem& item : items_) {
    // An erased record's own rows go below, with every item of the record.
    if (item.file == file && text)
      Put(item, key, item.ValueFrom(item.sourceFile.empty() ? *text : SourceText(item, key)));
    if (!item.sourceFile.empty() && item.sourceFile == file)
      IndexDependents(item, key, item.ValueFrom(text ? *text : std::string_view()));
  }
  if (!text) {
    auto s =
        connection_.Cached("DELETE FROM vantelor_dictionary_values WHERE file = ? AND key = ?");
    s->Bind(1, file).Bind(2, key).Run();
  }
}

// Rewrites the value of every record of the item's file that reads `sourceKey`.
// When the slice starts at character 1 those records share the key prefix, a range scan.
void DictionaryIndex::IndexDependents(const DictionaryItem& item, std::string_view sourceKey,
                                      std::string_view value) {
  const KeyRange range = item.keyStart == 1 ? KeyRange::Prefix(sourceKey) : KeyRange::All();
  std::string sql = "SELECT key FROM " + Quoted(item.file) + " WHERE key >= ?";
  if (range.hasUpper) sql += " AND key < ?";
  std::vector<std::string> keys;
  {
    auto s = connection_.Cached(sql);
    s->Bind(1, range.lower);
    if (range.hasUpper) s->Bind(2, range.upper);
    while (s->Step())
      if (item.SourceKey(s->ColumnView(0)) == sourceKey) keys.push_back(s->ColumnText(0));
  }
  for (const std::string& key : keys) Put(item, key, value);
}

void DictionaryIndex::IndexAll(const DictionaryItem& item) {
  {
    auto s =
        connection_.Cached("DELETE FROM vantelor_dictionary_values WHERE file = ? AND item = ?");
    s->Bind(1, item.file).Bind(2, item.name).Run();
  }
  std::vector<std::pair<std::string, std::string>> rows;
  {
    auto s = connection_.Cached("SELECT key, record FROM " + Quoted(item.file));
    while (s->Step()) rows.emplace_back(s->ColumnText(0), s->ColumnText(1));
  }
  for (const auto& [key, text] : rows)
    Put(item, key, item.ValueFrom(item.sourceFile.empty() ? text : SourceText(item, key)));
}

void DictionaryIndex::FileCleared(std::string_view file) {
  connection_.Cached("DELETE FROM vantelor_dictionary_values WHERE file = ?")->Bind(1, file).Run();
  for (const DictionaryItem& item : items_)
    if (item.sourceFile == file) IndexAll(item);
}

void DictionaryIndex::ReindexAll() {
  Load();
  for (const DictionaryItem& item : items_) IndexAll(item);
}

}  // namespace dba
