#include "data/store/common/dictionary_catalog.h"

#include "data/core/error.h"
#include "data/core/query_sentence.h"
#include "text/text.h"

namespace dba {

std::vector<DictionaryItem> DictionaryCatalog::Items(std::string_view file) const {
  std::vector<DictionaryItem> out;
  for (const DictionaryItem& item : items_)
    if (item.file == file) out.push_back(item);
  return out;
}

std::optional<DictionaryItem> DictionaryCatalog::Find(std::string_view file,
                                                      std::string_view name) const {
  for (const DictionaryItem& item : items_)
    if (item.file == file && item.name == name) return item;
  return std::nullopt;
}

void RequireItems(const Sentence& sentence, DictionaryCatalog& catalog) {
  const auto check = [&](const SentenceField& field) {
    if (field.item.empty() || catalog.Find(sentence.file, field.item)) return;
    catalog.Load();
    if (!catalog.Find(sentence.file, field.item))
      throw Error(kBadSentence, "unknown dictionary item " + text::Excerpt(field.item, 100) +
                                    " of file " + sentence.file);
  };
  for (const auto& c : sentence.conditions) check(c.field);
  for (const auto& s : sentence.sorts) check(s.field);
}

}  // namespace dba
