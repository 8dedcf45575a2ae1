#pragma once
// Query sentences, as the screens write them:
//
//   sentence  := ("SELECT" | "SSELECT") FILE clause*
//   clause    := "AVEC" field "=" "\"" value "\""    keep records whose field matches
//              | "PAR" field | "PAR-DECR" field      sort ascending / descending
//   field     := a number (an attribute; 0 = the key) | a dictionary item of FILE
//
// A value ending in "]" matches every field that begins with the text before it (so
// "]" alone matches everything); any other value must be equal. Several AVEC clauses
// must all hold. Records come sorted by the PAR fields in order, ties falling to the
// next one and at last to the key, ascending: SSELECT with no PAR sorts by key, and
// SELECT gives key order too (the store has no other natural order). An attribute
// matches when any of its values does. Keywords are read in any case. A sentence holds at
// most kMostClauses AVEC and PAR clauses (both stores run that many in one statement).
//
// ParseSentence checks the syntax only; names are resolved against the database when
// the sentence runs. Every fault throws Error(kBadSentence) naming it.

#include <string>
#include <string_view>
#include <vector>

namespace dba {

inline constexpr std::size_t kMostClauses = 256;

struct SentenceField {
  int attribute = 0;  // 0 = the key (when `item` is empty)
  std::string item;   // a dictionary item name, or empty
  bool IsKey() const { return item.empty() && attribute == 0; }
};

struct SentenceCondition {
  SentenceField field;
  std::string value;  // without the closing "]" when `prefix`
  bool prefix = false;
};

struct SentenceSort {
  SentenceField field;
  bool descending = false;
};

struct Sentence {
  bool sorted = false;  // SSELECT
  std::string file;
  std::vector<SentenceCondition> conditions;
  std::vector<SentenceSort> sorts;
};

Sentence ParseSentence(std::string_view text);

}  // namespace dba
