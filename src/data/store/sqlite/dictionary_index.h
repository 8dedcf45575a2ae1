#pragma once
// Internal to the store: the dictionary table and the index of dictionary values
// (vantelor_dictionary_values: file, item, key, value), kept true inside the write
// transaction of every record the values depend on.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/core/dictionary.h"
#include "data/store/common/dictionary_catalog.h"

namespace dba {

namespace sqlite {
class Connection;
}

class DictionaryIndex : public DictionaryCatalog {
 public:
  explicit DictionaryIndex(sqlite::Connection& connection);

  static void CreateTables(sqlite::Connection& connection);
  void Load() override;

  // Stores the item and indexes every record of its file (inside the caller's transaction).
  void Define(const DictionaryItem& item);

  // After `key` of `file` was written with `text` (or erased, text nullopt).
  void RecordChanged(std::string_view file, std::string_view key,
                     const std::optional<std::string_view>& text);
  // After every record of `file` was removed.
  void FileCleared(std::string_view file);
  void ReindexAll();

 private:
  void IndexAll(const DictionaryItem& item);
  void IndexDependents(const DictionaryItem& item, std::string_view sourceKey,
                       std::string_view value);
  std::string SourceText(const DictionaryItem& item, std::string_view key);
  void Put(const DictionaryItem& item, std::string_view key, std::string_view value);

  sqlite::Connection& connection_;
};

}  // namespace dba
