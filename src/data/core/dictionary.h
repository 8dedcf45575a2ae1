#pragma once
// Dictionary items: named fields that query sentences may use beside attribute numbers.
// They are data in the database (table vantelor_dictionary), not names in C++. An item
// joins some attributes of a record, either of the record itself or of a record of
// another file whose key is a slice of this record's key, and may put the result in
// capitals. Its value for every record of its file is kept in an index table, rewritten
// in the same transaction as any record it depends on, so that a search or a sort on
// the item is a range scan of that index.

#include <string>
#include <string_view>
#include <vector>

namespace dba {

struct DictionaryItem {
  std::string file;  // the file whose sentences may name the item
  std::string name;
  // Where the value is read: the record itself when empty; otherwise the record of
  // this file whose key is `keyLength` characters of this record's key from
  // `keyStart` (from 1; keyLength -1 = to the end). No such record gives "".
  std::string sourceFile;
  int keyStart = 1;
  int keyLength = -1;
  std::vector<int> attributes;  // joined in this order with `separator`
  std::string separator = " ";
  bool upper = false;

  // The item's value from the record it reads (`source` is that record's text).
  std::string ValueFrom(std::string_view source) const;
  // The key of the source record for a record of the item's file.
  std::string SourceKey(std::string_view key) const;
  friend bool operator==(const DictionaryItem&, const DictionaryItem&) = default;
};

// "2 3" ⇄ {2, 3}: the attribute list as the dictionary table stores it.
std::string AttributeListText(const std::vector<int>& attributes);
std::vector<int> ParseAttributeList(std::string_view text);

}  // namespace dba
