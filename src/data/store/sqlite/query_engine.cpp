// Runs query sentences as one SQL statement each (sentence_sql.h), with the record
// functions of sql_functions.h for attribute numbers.
#include "data/core/query_sentence.h"
#include "data/store/common/dictionary_catalog.h"
#include "data/store/common/sentence_sql.h"
#include "data/store/sqlite/dictionary_index.h"
#include "data/store/sqlite/sqlite_handle.h"
#include "data/store/sqlite/sqlite_store.h"
#include "text/text.h"

namespace dba {

namespace {

const SqlDialect kSqliteDialect = {
    '?',
    [](const std::string& record, int n) {
      return "mv_attribute(" + record + ", " + std::to_string(n) + ")";
    },
    [](const std::string& record, int n, const std::string& value, bool prefix) {
      return "mv_matches(" + record + ", " + std::to_string(n) + ", " + value + ", " +
             (prefix ? "1" : "0") + ")";
    }};

}  // namespace

std::vector<std::string> SqliteDatabase::SelectKeys(std::string_view text) {
  return SelectKeys(ParseSentence(text));
}

std::vector<std::string> SqliteDatabase::SelectKeys(const Sentence& sentence) {
  RequireFile(sentence.file);
  RequireItems(sentence, *dictionaries_);
  const SqlQuery query = SentenceSql(sentence, kSqliteDialect);
  auto statement = connection_->Cached(query.sql);
  for (std::size_t i = 0; i < query.texts.size(); ++i)
    statement->Bind(static_cast<int>(i + 1), query.texts[i]);
  std::vector<std::string> keys;
  while (statement->Step()) keys.push_back(statement->ColumnText(0));
  return keys;
}

DynArray SqliteDatabase::ExecuteSentence(std::string_view command, std::string_view options) {
  return KeyList(SelectKeys(SentenceOfCommand(command, options)));
}

}  // namespace dba
