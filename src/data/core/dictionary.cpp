#include "data/core/dictionary.h"

#include <charconv>

#include "data/core/dynamic_array.h"
#include "data/core/error.h"
#include "text/text.h"

namespace dba {

std::string DictionaryItem::ValueFrom(std::string_view source) const {
  std::string value;
  for (std::size_t i = 0; i < attributes.size(); ++i) {
    if (i > 0) value += separator;
    value += Field(source, kAttributeMark, attributes[i]);
  }
  return upper ? text::Upper(value) : value;
}

std::string DictionaryItem::SourceKey(std::string_view key) const {
  return text::Mid(key, keyStart, keyLength);
}

std::string AttributeListText(const std::vector<int>& attributes) {
  std::string out;
  for (int a : attributes) {
    if (!out.empty()) out += ' ';
    out += std::to_string(a);
  }
  return out;
}

std::vector<int> ParseAttributeList(std::string_view text) {
  std::vector<int> out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    int n = 0;
    auto [ptr, ec] = std::from_chars(text.data() + i, text.data() + text.size(), n);
    if (ec != std::errc() || n < 1)
      throw Error(kBadArgument, "bad attribute list \"" + std::string(text) + "\"");
    out.push_back(n);
    i = static_cast<std::size_t>(ptr - text.data());
  }
  return out;
}

}  // namespace dba
