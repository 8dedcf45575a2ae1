#pragma once
// Internal to the server store: the dictionary items (vantelor_dictionary) and the index
// of their values (vantelor_dictionary_values), kept true inside the write transaction of
// every record the values depend on, by the same rules as the SQLite file's index: an
// item's value is DictionaryItem::ValueFrom of the record it reads, "" read from a missing
// source record. Values are computed here and written in bulk.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/core/dictionary.h"
#include "data/store/common/dictionary_catalog.h"
#include "data/store/postgres/connection.h"

namespace dba::pg {

class DictionaryValues : public DictionaryCatalog {
 public:
  explicit DictionaryValues(Connection& connection) : connection_(connection) {}

  // The statement that reads the items, for a caller that sends it with others; Loaded
  // takes its result.
  static Statement LoadStatement();
  void Loaded(const Result& items);
  void Load() override;

  // True when a record of `file` is indexed by an item or read by one.
  bool Involves(std::string_view file) const;

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
                       const std::string& value);
  // The values of `keys` (records of the item's file, whose texts are `texts` when the
  // item reads the record itself).
  std::vector<std::string> ValuesOf(const DictionaryItem& item,
                                    const std::vector<std::string>& keys,
                                    const std::vector<std::string>& texts);
  void Put(const DictionaryItem& item, const std::vector<std::string>& keys,
           const std::vector<std::string>& values);

  Connection& connection_;
};

}  // namespace dba::pg
