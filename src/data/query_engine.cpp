// Runs query sentences as one SQL statement each (sentence_sql.h), with the record
// functions of sql_functions.h for attribute numbers.
#include "data/dictionary_index.h"
#include "data/query_sentence.h"
#include "data/sentence_sql.h"
#include "data/sqlite_handle.h"
#include "data/sqlite_store.h"
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

void SqliteDatabase::RequireItems(const Sentence& sentence) {
  const auto check = [&](const SentenceField& field) {
    if (field.item.empty() || dictionaries_->Find(sentence.file, field.item)) return;
    dictionaries_->Load();  // it may have been defined by another process since
    if (!dictionaries_->Find(sentence.file, field.item))
      throw Error(kBadSentence, "unknown dictionary item " + text::Excerpt(field.item, 100) +
                                    " of file " + sentence.file);
  };
  for (const auto& c : sentence.conditions) check(c.field);
  for (const auto& s : sentence.sorts) check(s.field);
}

std::vector<std::string> SqliteDatabase::SelectKeys(std::string_view text) {
  return SelectKeys(ParseSentence(text));
}

std::vector<std::string> SqliteDatabase::SelectKeys(const Sentence& sentence) {
  RequireFile(sentence.file);
  RequireItems(sentence);
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
