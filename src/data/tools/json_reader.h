#pragma once
// A small JSON reader for the shapes JSON Lines records use: objects, arrays and
// strings (numbers, true, false and null are refused: a record holds only text).
// String bytes of 0x80 and above are taken as they stand, so text that is not UTF-8
// survives a round trip; escapes (\n, \u00e9, surrogate pairs) are decoded to UTF-8.
// Every fault throws Error(kBadArgument) saying what and at which column.

#include <string>
#include <string_view>

namespace dba::json {

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  // Skips blanks and consumes `c`, or fails saying that `c` was expected.
  void Expect(char c);
  // Skips blanks and consumes `c` when it is next.
  bool Accept(char c);
  // Skips blanks; true when the next character is `c` (nothing consumed).
  bool Peek(char c);
  std::string String();
  // Fails unless only blanks remain.
  void End();
  [[noreturn]] void Fail(const std::string& what) const;

 private:
  void SkipBlanks();
  unsigned Hex4();
  void AppendEscape(std::string& out);

  std::string_view text_;
  std::size_t pos_ = 0;
};

// `text` as a JSON string, quotes included. Bytes of 0x80 and above are written as
// they stand (see Reader); control characters are escaped.
std::string Quote(std::string_view text);

}  // namespace dba::json
