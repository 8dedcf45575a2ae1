#include "data/store/common/sentence_sql.h"

#include <map>

#include "data/core/error.h"
#include "data/core/query_sentence.h"
#include "data/store/common/key_range.h"

namespace dba {

namespace {

bool NamesAttribute(const Sentence& sentence) {
  for (const auto& c : sentence.conditions)
    if (c.field.item.empty() && !c.field.IsKey()) return true;
  for (const auto& s : sentence.sorts)
    if (s.field.item.empty() && !s.field.IsKey()) return true;
  return false;
}

class QueryBuilder {
 public:
  QueryBuilder(const Sentence& sentence, const SqlDialect& dialect)
      : sentence_(sentence), dialect_(dialect) {}

  SqlQuery Build() {
    for (const auto& c : sentence_.conditions) Alias(c.field);
    for (const auto& s : sentence_.sorts) Alias(s.field);
    std::string from = " FROM ";
    if (order_.empty() || NamesAttribute(sentence_)) {
      from += QuotedIdentifier(sentence_.file) + " AS r";
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
  // only cost the database a sort step that the index order makes needless.
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
    std::string placeholder(1, dialect_.placeholder);
    placeholder += std::to_string(query_.texts.size());
    return placeholder;
  }

  std::string Expression(const SentenceField& field) {
    if (!field.item.empty()) return aliases_.at(field.item) + ".value";
    if (field.IsKey()) return key_;
    return dialect_.attribute("r.record", field.attribute);
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
    return dialect_.matches("r.record", c.field.attribute, Text(c.value), c.prefix);
  }

  const Sentence& sentence_;
  const SqlDialect& dialect_;
  std::map<std::string, std::string> aliases_;  // dictionary item → table alias
  std::vector<std::string> order_;              // dictionary items in order of mention
  std::string key_;
  std::string where_;
  std::string order_by_;
  std::vector<std::string> sorted_;
  SqlQuery query_;
};

}  // namespace

SqlQuery SentenceSql(const Sentence& sentence, const SqlDialect& dialect) {
  return QueryBuilder(sentence, dialect).Build();
}

Sentence SentenceOfCommand(std::string_view command, std::string_view options) {
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
  Sentence sentence = ParseSentence(text);
  if (!file.empty() && sentence.file != file)
    throw Error(kBadSentence, "query command names file " + file + " but its sentence another");
  return sentence;
}

DynArray KeyList(const std::vector<std::string>& keys) {
  std::string joined;
  for (const std::string& key : keys) {
    if (!joined.empty()) joined += kAttributeMark;
    joined += key;
  }
  return DynArray(std::move(joined));
}

std::string QuotedIdentifier(std::string_view identifier) {
  std::string out = "\"";
  for (char c : identifier) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

}  // namespace dba
