// Query sentences on the server: one SQL statement each (sentence_sql.h), with the record
// functions of schema.h for attribute numbers; the keys it returns prepare the read-ahead.
#include "data/core/query_sentence.h"
#include "data/store/common/dictionary_catalog.h"
#include "data/store/common/sentence_sql.h"
#include "data/store/postgres/connection.h"
#include "data/store/postgres/dictionary_values.h"
#include "data/store/postgres/postgres_store.h"
#include "data/store/postgres/read_ahead.h"
#include "text/text.h"

namespace dba {

namespace {

const SqlDialect kPostgresDialect = {
    '$',
    [](const std::string& record, int n) {
      return "vantelor_attribute(" + record + ", " + std::to_string(n) + ")";
    },
    [](const std::string& record, int n, const std::string& value, bool prefix) {
      return "vantelor_matches(" + record + ", " + std::to_string(n) + ", " + value + ", " +
             (prefix ? "true" : "false") + ")";
    }};

}  // namespace

std::vector<std::string> PostgresDatabase::SelectKeys(std::string_view text) {
  return SelectKeys(ParseSentence(text));
}

std::vector<std::string> PostgresDatabase::SelectKeys(const Sentence& sentence) {
  RequireFile(sentence.file);
  RequireItems(sentence, *dictionaries_);
  const SqlQuery query = SentenceSql(sentence, kPostgresDialect);
  pg::Params params;
  for (const std::string& text : query.texts) params.Bytes(text);
  const pg::Result rows = connection_->Run(query.sql, params, true);
  std::vector<std::string> keys(static_cast<std::size_t>(rows.Rows()));
  for (int i = 0; i < rows.Rows(); ++i) keys[i] = rows.Text(i, 0);
  std::vector<DictionaryItem> items;
  const auto note = [&](const SentenceField& field) {
    if (!field.item.empty()) items.push_back(*dictionaries_->Find(sentence.file, field.item));
  };
  for (const auto& c : sentence.conditions) note(c.field);
  for (const auto& s : sentence.sorts) note(s.field);
  if (connection_->Depth() == 0 && readAheadOn_)
    readAhead_->SentenceRan(sentence.file, keys, items);
  return keys;
}

DynArray PostgresDatabase::ExecuteSentence(std::string_view command, std::string_view options) {
  return KeyList(SelectKeys(SentenceOfCommand(command, options)));
}

}  // namespace dba
