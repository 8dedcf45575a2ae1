// Runs query sentences as one SQL statement each. Key conditions become key ranges of
// the file's primary key; dictionary items read their value index, whose (value, key)
// order serves a PAR on the item without a sort step; attribute numbers go through the
// record functions of sql_functions.h. A sentence that names no attribute number never
// touches the file's own table.
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

bool NamesAttribute(const Sentence& sentence) {
  for (const auto& c : sentence.conditions)
    if (c.field.item.empty() && !c.field.IsKey()) return true;
  for (const auto& s : sentence.sorts)
    if (s.field.item.empty() && !s.field.IsKey()) return true;
  return false;
}

class QueryBuilder {
 public:
  explicit QueryBuilder(const Sentence& sentence) : sentence_(sentence) {}

  SqlQuery Build() {
    for (const auto& c : sentence_.conditions) Alias(c.field);
    for (const auto& s : sentence_.sorts) Alias(s.field);
    std::string from = " FROM ";
    if (order_.empty() || NamesAttribute(sentence_)) {
      from += sqlite::Quoted(sentence_.file) + " AS r";
      key_ = "r.key";
      for (const std::string& item : order_) from += " JOIN " + ValuesOf(item, "r.key");
    } else {
      from += "vantelor_dictionary_values AS " + aliases_[order_[0]];
      key_ = aliases_[order_[0]] + ".key";
      for (std::size_t i = 1; i < order_.size(); ++i) from += " JOIN " + ValuesOf(order_[i], key_);
      AddWhere(ItemIs(order_[0]));
    }
    for (const auto& c : sentence_.conditions) AddWhere(Condition(c));
    for (const auto& s : sentence_.sorts) AddOrder(Expression(s.field), s.descending);
    AddOrder(key_, false);  // ties fall to the key at last
    query_.sql = "SELECT " + key_ + from + where_ + order_by_;
    return query_;
  }

 private:
  void Alias(const SentenceField& field) {
    if (field.item.empty() || aliases_.count(field.item)) return;
    std::string alias = "d";
    alias += std::to_string(order_.size());
    aliases_[field.item] = alias;
    order_.push_back(field.item);
  }

  std::string ItemIs(const std::string& item) {
    const std::string& alias = aliases_[item];
    return alias + ".file = " + Text(sentence_.file) + " AND " + alias + ".item = " + Text(item);
  }

  std::string ValuesOf(const std::string& item, const std::string& key) {
    const std::string& alias = aliases_[item];
    return "vantelor_dictionary_values AS " + alias + " ON " + ItemIs(item) + " AND " + alias +
           ".key = " + key;
  }

  // A field sorted on twice sorts nothing the second time; writing it twice would
  // only cost SQLite a sort step that the index order makes needless.
  void AddOrder(const std::string& expression, bool descending) {
    for (const std::string& done : sorted_)
      if (done == expression) return;
    sorted_.push_back(expression);
    order_by_ += (order_by_.empty() ? " ORDER BY " : ", ") + expression;
    if (descending) order_by_ += " DESC";
  }

  void AddWhere(const std::string& condition) {
    where_ += (where_.empty() ? " WHERE " : " AND ") + condition;
  }

  std::string Text(std::string_view text) {
    query_.texts.emplace_back(text);
    std::string placeholder = "?";
    placeholder += std::to_string(query_.texts.size());
    return placeholder;
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
  std::map<std::string, std::string> aliases_;  // dictionary item → table alias
  std::vector<std::string> order_;              // dictionary items in order of mention
  std::string key_;
  std::string where_;
  std::string order_by_;
  std::vector<std::string> sorted_;
  SqlQuery query_;
};

}  // namespace

void SqliteDatabase::RequireItems(const Sentence& sentence) {
  const auto check = [&](const SentenceField& field) {
    if (field.item.empty() || dictionaries_->Find(sentence.file, field.item)) return;
    dictionaries_->Load();  // it may have been defined by another process since
    if (!dictionaries_->Find(sentence.file, field.item))
      throw Error(kBadSentence,
                  "unknown dictionary item " + field.item + " of file " + sentence.file);
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
  const SqlQuery query = QueryBuilder(sentence).Build();
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
  const std::string text = query(1);
  const std::string file = query(2);
  const std::string what = query(3);
  if (text.empty()) throw Error(kBadSentence, "empty query sentence");
  if (!what.empty() && what != "0")
    throw Error(kBadArgument,
                "query command asks for \"" + what + "\"; only \"0\" (keys) is known");
  const Sentence sentence = ParseSentence(text);
  if (!file.empty() && sentence.file != file)
    throw Error(kBadSentence, "query command names file " + file + " but its sentence another");
  std::string joined;
  for (const std::string& key : SelectKeys(sentence)) {
    if (!joined.empty()) joined += kAttributeMark;
    joined += key;
  }
  return DynArray(std::move(joined));
}

}  // namespace dba
