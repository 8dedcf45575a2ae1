#pragma once
// Internal to the stores: the dictionary items a store has loaded, and the one check that a
// query sentence names only items that exist, the same on both stores.

#include <optional>
#include <string_view>
#include <vector>

#include "data/core/dictionary.h"

namespace dba {

struct Sentence;

class DictionaryCatalog {
 public:
  virtual ~DictionaryCatalog() = default;
  // Reads the items again from the store.
  virtual void Load() = 0;
  // The items of `file` as last loaded.
  std::vector<DictionaryItem> Items(std::string_view file) const;
  // The item `name` of `file` as last loaded; nothing when there is none.
  std::optional<DictionaryItem> Find(std::string_view file, std::string_view name) const;

 protected:
  // Every item, as Load last read them.
  std::vector<DictionaryItem> items_;
};

// Throws kBadSentence naming the first dictionary item of `sentence` (a condition's or a
// sort's) that `catalog` does not hold, even once loaded again: another process or
// workstation may have defined it since the last load.
void RequireItems(const Sentence& sentence, DictionaryCatalog& catalog);

}  // namespace dba
