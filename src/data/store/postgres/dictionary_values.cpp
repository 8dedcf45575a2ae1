#include "data/store/postgres/dictionary_values.h"

#include <map>

#include "data/core/error.h"
#include "data/store/common/key_range.h"
#include "data/store/common/sentence_sql.h"
#include "data/store/postgres/pages.h"

namespace dba::pg {

namespace {

constexpr const char* kPutSql =
    "INSERT INTO vantelor_dictionary_values(file, item, key, value)"
    " SELECT $1::text, $2::bytea, k, v FROM unnest($3::bytea[], $4::bytea[]) AS u(k, v)"
    " ON CONFLICT (file, item, key) DO UPDATE SET value = EXCLUDED.value";

}  // namespace

Statement DictionaryValues::LoadStatement() {
  return {
      "SELECT file, item, source_file, key_start, key_length, attributes, separator, upper"
      " FROM vantelor_dictionary ORDER BY file COLLATE \"C\", item"};
}

void DictionaryValues::Loaded(const Result& rows) {
  items_.clear();
  for (int i = 0; i < rows.Rows(); ++i) {
    DictionaryItem item;
    item.file = rows.Text(i, 0);
    item.name = rows.Text(i, 1);
    item.sourceFile = rows.Text(i, 2);
    item.keyStart = static_cast<int>(rows.Number(i, 3));
    item.keyLength = static_cast<int>(rows.Number(i, 4));
    item.attributes = ParseAttributeList(rows.Bytes(i, 5));
    item.separator = rows.Text(i, 6);
    item.upper = rows.Number(i, 7) != 0;
    items_.push_back(std::move(item));
  }
}

void DictionaryValues::Load() {
  const Statement load = LoadStatement();
  Loaded(connection_.Run(load.sql, {}, true));
}

bool DictionaryValues::Involves(std::string_view file) const {
  for (const DictionaryItem& item : items_)
    if (item.file == file || item.sourceFile == file) return true;
  return false;
}

void DictionaryValues::Define(const DictionaryItem& item) {
  if (item.name.empty() || item.attributes.empty())
    throw Error(kBadArgument, "dictionary item of " + item.file + " needs a name and attributes");
  connection_.Run(
      "INSERT INTO vantelor_dictionary(file, item, source_file, key_start, key_length,"
      " attributes, separator, upper) VALUES($1::text, $2::bytea, $3::text, $4::integer,"
      " $5::integer, $6::text, $7::bytea, $8::boolean) ON CONFLICT (file, item) DO UPDATE SET"
      " source_file = EXCLUDED.source_file, key_start = EXCLUDED.key_start,"
      " key_length = EXCLUDED.key_length, attributes = EXCLUDED.attributes,"
      " separator = EXCLUDED.separator, upper = EXCLUDED.upper",
      Params()
          .Bytes(item.file)
          .Bytes(item.name)
          .Bytes(item.sourceFile)
          .Number(item.keyStart)
          .Number(item.keyLength)
          .Bytes(AttributeListText(item.attributes))
          .Bytes(item.separator)
          .Bytes(item.upper ? "t" : "f"));
  Load();
  IndexAll(item);
}

std::vector<std::string> DictionaryValues::ValuesOf(const DictionaryItem& item,
                                                    const std::vector<std::string>& keys,
                                                    const std::vector<std::string>& texts) {
  std::vector<std::string> values;
  if (item.sourceFile.empty()) {
    for (const std::string& text : texts) values.push_back(item.ValueFrom(text));
    return values;
  }
  std::vector<std::string> sourceKeys;
  for (const std::string& key : keys) sourceKeys.push_back(item.SourceKey(key));
  std::map<std::string, std::string> sources;
  for (Row& row : ReadMany(connection_, item.sourceFile, sourceKeys))
    sources.emplace(std::move(row.key), std::move(row.record));
  for (const std::string& sourceKey : sourceKeys) {
    const auto found = sources.find(sourceKey);
    values.push_back(item.ValueFrom(found == sources.end() ? std::string() : found->second));
  }
  return values;
}

void DictionaryValues::Put(const DictionaryItem& item, const std::vector<std::string>& keys,
                           const std::vector<std::string>& values) {
  if (keys.empty()) return;
  connection_.Run(kPutSql,
                  Params().Bytes(item.file).Bytes(item.name).ByteArray(keys).ByteArray(values));
}

void DictionaryValues::RecordChanged(std::string_view file, std::string_view key,
                                     const std::optional<std::string_view>& text) {
  const std::vector<std::string> keys{std::string(key)};
  for (const DictionaryItem& item : items_) {
    // An erased record's own rows go below, with every item of the record.
    if (item.file == file && text) Put(item, keys, ValuesOf(item, keys, {std::string(*text)}));
    if (!item.sourceFile.empty() && item.sourceFile == file)
      IndexDependents(item, key, item.ValueFrom(text ? *text : std::string_view()));
  }
  if (!text && !Items(file).empty())
    connection_.Run("DELETE FROM vantelor_dictionary_values WHERE file = $1::text AND key = $2",
                    Params().Bytes(file).Bytes(key));
}

// Rewrites the value of every record of the item's file that reads `sourceKey`. When the
// slice starts at character 1 those records share the key prefix, a range scan.
void DictionaryValues::IndexDependents(const DictionaryItem& item, std::string_view sourceKey,
                                       const std::string& value) {
  const KeyRange range = item.keyStart == 1 ? KeyRange::Prefix(sourceKey) : KeyRange::All();
  std::string sql = "SELECT key FROM " + QuotedIdentifier(item.file) + " WHERE key >= $1";
  Params params;
  params.Bytes(range.lower);
  if (range.hasUpper) {
    sql += " AND key < $2";
    params.Bytes(range.upper);
  }
  const Result found = connection_.Run(sql, params);
  std::vector<std::string> keys;
  for (int i = 0; i < found.Rows(); ++i)
    if (item.SourceKey(found.Bytes(i, 0)) == sourceKey) keys.push_back(found.Text(i, 0));
  Put(item, keys, std::vector<std::string>(keys.size(), value));
}

void DictionaryValues::IndexAll(const DictionaryItem& item) {
  connection_.Run("DELETE FROM vantelor_dictionary_values WHERE file = $1::text AND item = $2",
                  Params().Bytes(item.file).Bytes(item.name));
  ForEachPage(connection_, item.file, item.sourceFile.empty(), [&](const std::vector<Row>& rows) {
    std::vector<std::string> keys, texts;
    for (const Row& row : rows) {
      keys.push_back(row.key);
      texts.push_back(row.record);
    }
    Put(item, keys, ValuesOf(item, keys, texts));
  });
}

void DictionaryValues::FileCleared(std::string_view file) {
  connection_.Run("DELETE FROM vantelor_dictionary_values WHERE file = $1::text",
                  Params().Bytes(file));
  for (const DictionaryItem& item : items_)
    if (item.sourceFile == file) IndexAll(item);
}

void DictionaryValues::ReindexAll() {
  Load();
  for (const DictionaryItem& item : items_) IndexAll(item);
}

}  // namespace dba::pg
