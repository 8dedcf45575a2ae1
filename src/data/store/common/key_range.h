#pragma once
// The byte range of keys that begin with a prefix: lower <= key < upper. Keys compare
// byte by byte (SQLite's BINARY collation), so this range is what an index scans.

#include <string>
#include <string_view>

namespace dba {

struct KeyRange {
  std::string lower;
  std::string upper;
  bool hasUpper = false;

  static KeyRange All() { return {}; }
  static KeyRange Prefix(std::string_view prefix) {
    KeyRange range{std::string(prefix), std::string(prefix), false};
    // The first text after every text that begins with `prefix`: drop trailing 0xFF
    // bytes and raise the last byte. A prefix of only 0xFF bytes has no upper bound.
    while (!range.upper.empty() && static_cast<unsigned char>(range.upper.back()) == 0xFF)
      range.upper.pop_back();
    if (!range.upper.empty()) {
      range.upper.back() = static_cast<char>(static_cast<unsigned char>(range.upper.back()) + 1);
      range.hasUpper = true;
    }
    return range;
  }
};

}  // namespace dba
