#include "data/core/query_sentence.h"

#include <algorithm>

#include "data/core/error.h"
#include "text/text.h"

namespace dba {

namespace {

struct Token {
  enum Kind { kWord, kQuoted, kEquals } kind;
  std::string text;
};

// A sentence may be of any length; its faults quote its beginning.
constexpr int kQuotedLength = 200;

[[noreturn]] void Bad(std::string_view sentence, const std::string& what) {
  throw Error(kBadSentence, "bad query sentence \"" + text::Excerpt(sentence, kQuotedLength) +
                                "\": " + text::Excerpt(what, kQuotedLength));
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<Token> Tokenize(std::string_view s) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < s.size()) {
    if (IsBlank(s[i])) {
      ++i;
    } else if (s[i] == '=') {
      tokens.push_back({Token::kEquals, "="});
      ++i;
    } else if (s[i] == '"') {
      const std::size_t end = s.find('"', i + 1);
      if (end == std::string_view::npos) Bad(s, "unterminated quote");
      tokens.push_back({Token::kQuoted, std::string(s.substr(i + 1, end - i - 1))});
      i = end + 1;
    } else {
      std::size_t end = i;
      while (end < s.size() && !IsBlank(s[end]) && s[end] != '=' && s[end] != '"') ++end;
      tokens.push_back({Token::kWord, std::string(s.substr(i, end - i))});
      i = end;
    }
  }
  return tokens;
}

std::string UpperAscii(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  return s;
}

class Parser {
 public:
  explicit Parser(std::string_view sentence) : sentence_(sentence), tokens_(Tokenize(sentence)) {}

  Sentence Parse() {
    Sentence out;
    const std::string verb = UpperAscii(Word("SELECT or SSELECT"));
    if (verb != "SELECT" && verb != "SSELECT") Bad(sentence_, "unknown verb " + verb);
    out.sorted = verb == "SSELECT";
    out.file = Word("a file name");
    while (next_ < tokens_.size()) {
      const std::string keyword = UpperAscii(Word("AVEC, PAR or PAR-DECR"));
      if (keyword == "AVEC") {
        out.conditions.push_back(Condition());
      } else if (keyword == "PAR" || keyword == "PAR-DECR") {
        out.sorts.push_back({Field(), keyword == "PAR-DECR"});
      } else {
        Bad(sentence_, "unexpected word " + keyword);
      }
      if (out.conditions.size() + out.sorts.size() > kMostClauses)
        Bad(sentence_, "more than " + std::to_string(kMostClauses) + " AVEC and PAR clauses");
    }
    return out;
  }

 private:
  const Token* Next() { return next_ < tokens_.size() ? &tokens_[next_++] : nullptr; }

  std::string Word(const std::string& expected) {
    const Token* t = Next();
    if (!t) Bad(sentence_, "missing " + expected);
    if (t->kind != Token::kWord) Bad(sentence_, "expected " + expected + ", found " + t->text);
    return t->text;
  }

  SentenceField Field() {
    const std::string word = Word("a field");
    SentenceField field;
    if (std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      const std::optional<long long> number = text::DigitsValue(word);
      if (!number || *number > 100000) Bad(sentence_, "attribute number " + word + " out of range");
      field.attribute = static_cast<int>(*number);
    } else {
      const std::string upper = UpperAscii(word);
      if (upper == "AVEC" || upper == "PAR" || upper == "PAR-DECR")
        Bad(sentence_, "missing field before " + word);
      field.item = word;
    }
    return field;
  }

  SentenceCondition Condition() {
    SentenceCondition condition;
    condition.field = Field();
    const Token* equals = Next();
    if (!equals || equals->kind != Token::kEquals) Bad(sentence_, "missing = after the field");
    const Token* value = Next();
    if (!value || value->kind != Token::kQuoted)
      Bad(sentence_, "the value must stand between double quotes");
    condition.value = value->text;
    if (!condition.value.empty() && condition.value.back() == ']') {
      condition.prefix = true;
      condition.value.pop_back();
    }
    return condition;
  }

  std::string_view sentence_;
  std::vector<Token> tokens_;
  std::size_t next_ = 0;
};

}  // namespace

Sentence ParseSentence(std::string_view text) { return Parser(text).Parse(); }

}  // namespace dba
