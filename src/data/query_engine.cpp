// Runs query sentences as one SQL statement each. Key conditions become key ranges of
// the file's primary key, dictionary items join their value index, and attribute
// numbers go through the record functions of sql_functions.h.
#include <map>

#include "data/dictionary_index.h"
#include "data/key_range.h"
#include "data/query_sentence.h"
#include "data/sqlite_handle.h"
#include "data/sqlite_store.h"

namespace dba {

namespace {

struct SqlQuery {
  std::string sql;
  std::vector<std::string> texts;  // bound in order; numbers are written in the SQL
};

class QueryBuilder {
 public:
  QueryBuilder(const Sentence& sentence, const DictionaryIndex& dictionaries)
      : sentence_(sentence), dictionaries_(dictionaries) {}

  SqlQuery Build() {
    // The first dictionary item named gives the key column: ordering on its index
    // (value, key) then needs no sort step.
    for (const auto& c : sentence_.conditions) Alias(c.field);
    for (const auto& s : sentence_.sorts) Alias(s.field);
    key_ = first_.empty() ? "r.key" : first_ + ".key";
    std::string where;
    for (const auto& c : sentence_.conditions)
      where += (where.empty() ? " WHERE " : " AND ") + Condition(c);
    std::string order;
    for (const auto& s : sentence_.sorts)
      order += (order.empty() ? " ORDER BY " : ", ") + Expression(s.field) +
               (s.descending ? " DESC" : "");
    order += (order.empty() ? " ORDER BY " : ", ") + key_;
    query_.sql = "SELECT " + key_ + " FROM " + sqlite::Quoted(sentence_.file) + " AS r" + joins_ +
                 where + order;
    return query_;
  }

 private:
  void Alias(const SentenceField& field) {
    if (field.item.empty() || aliases_.count(field.item)) return;
    if (!dictionaries_.Find(sentence_.file, field.item))
      throw Error(kBadSentence,
                  "unknown dictionary item " + field.item + " of file " + sentence_.file);
    const std::string alias = "d" + std::to_string(aliases_.size());
    if (aliases_.empty()) first_ = alias;
    aliases_[field.item] = alias;
    joins_ += " JOIN vantelor_dictionary_values AS " + alias + " ON " + alias +
              ".file = " + Text(sentence_.file) + " AND " + alias + ".item = " + Text(field.item) +
              " AND " + alias + ".key = r.key";
  }

  std::string Text(std::string_view text) {
    query_.texts.emplace_back(text);
    return "?" + std::to_string(query_.texts.size());
  }

  std::string Expression(const SentenceField& field) {
    if (!field.item.empty()) return aliases_.at(field.item) + ".value";
    if (field.IsKey()) return key_;
    return "mv_attribute(r.record, " + std::to_string(field.attribute) + ")";
  }

  std::string Condition(const SentenceCondition& c) {
    if (!c.field.item.empty() || c.field.IsKey()) {
      const std::string column = Expression(c.field);
      if (!c.prefix) return column + " = " + Text(c.value);
      const KeyRange range = KeyRange::Prefix(c.value);
      std::string sql = column + " >= " + Text(range.lower);
      if (range.hasUpper) sql += " AND " + column + " < " + Text(range.upper);
      return sql;
    }
    return "mv_matches(r.record, " + std::to_string(c.field.attribute) + ", " + Text(c.value) +
           ", " + (c.prefix ? "1" : "0") + ")";
  }

  const Sentence& sentence_;
  const DictionaryIndex& dictionaries_;
  std::map<std::string, std::string> aliases_;  // dictionary item → table alias
  std::string first_;
  std::string joins_;
  std::string key_;
  SqlQuery query_;
};

}  // namespace

std::vector<std::string> SqliteDatabase::SelectKeys(std::string_view text) {
  const Sentence sentence = ParseSentence(text);
  RequireFile(sentence.file);
  dictionaries_->Load();  // items may have been defined by another process
  const SqlQuery query = QueryBuilder(sentence, *dictionaries_).Build();
  auto statement = connection_->Cached(query.sql);
  for (std::size_t i = 0; i < query.texts.size(); ++i)
    statement->Bind(static_cast<int>(i + 1), query.texts[i]);
  std::vector<std::string> keys;
  while (statement->Step()) keys.push_back(statement->ColumnText(0));
  return keys;
}

DynArray SqliteDatabase::ExecuteSentence(std::string_view command, std::string_view options) {
  if (!options.empty())
    throw Error(kBadArgument, "unknown query options \"" + std::string(options) + "\"");
  const DynArray query{std::string(command)};
  const std::string sentence = query(1);
  const std::string file = query(2);
  const std::string what = query(3);
  if (sentence.empty()) throw Error(kBadSentence, "empty query sentence");
  if (!what.empty() && what != "0")
    throw Error(kBadArgument,
                "query command asks for \"" + what + "\"; only \"0\" (keys) is known");
  if (!file.empty() && ParseSentence(sentence).file != file)
    throw Error(kBadSentence, "query command names file " + file + " but its sentence another");
  const std::vector<std::string> keys = SelectKeys(sentence);
  DynArray result;
  std::string joined;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (i > 0) joined += kAttributeMark;
    joined += keys[i];
  }
  result.SetText(std::move(joined));
  return result;
}

}  // namespace dba
