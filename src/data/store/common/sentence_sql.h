#pragma once
// Internal to the stores: a query sentence as one SQL statement, the same for both
// stores but for the few words where their SQL differs (the dialect). Key conditions
// become ranges of the file's primary key; dictionary items read the value index
// (vantelor_dictionary_values), whose (value, key) order serves a PAR on the item without
// a sort step; attribute numbers go through the store's record functions. A sentence that
// names no attribute number never touches the file's own table. Texts of the sentence are
// parameters, never part of the SQL; numbers are written in it.

#include <string>
#include <string_view>
#include <vector>

#include "data/core/dynamic_array.h"

namespace dba {

struct Sentence;

struct SqlDialect {
  // What comes before the number of a parameter (from 1): '?' for ?1, '$' for $1.
  char placeholder;
  // Attribute n of the record column `record`.
  std::string (*attribute)(const std::string& record, int n);
  // True when a value of attribute n equals the parameter (or begins with it).
  std::string (*matches)(const std::string& record, int n, const std::string& value, bool prefix);
};

struct SqlQuery {
  std::string sql;                 // selects one column, the key, in the sentence's order
  std::vector<std::string> texts;  // the parameters, in order
};

// The sentence must name a file and items that exist (the caller checks them first).
SqlQuery SentenceSql(const Sentence& sentence, const SqlDialect& dialect);

// The sentence of a query command (see Database::ExecuteSentence): its faults throw
// kBadArgument (options, what it asks for) or kBadSentence, as ExecuteSentence says.
Sentence SentenceOfCommand(std::string_view command, std::string_view options);
// The result of ExecuteSentence: one key per attribute.
DynArray KeyList(const std::vector<std::string>& keys);

// An identifier in double quotes, inner quotes doubled: the same in both stores.
std::string QuotedIdentifier(std::string_view identifier);

}  // namespace dba
