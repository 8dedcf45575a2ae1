#include "text/text.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace text {

namespace {

// Byte offset just past the next character at `i`. An invalid byte counts as one
// character (U8_NEXT then reports U_SENTINEL, which we ignore on purpose).
std::size_t NextCharacter(std::string_view s, std::size_t i) {
  int32_t pos = static_cast<int32_t>(i);
  const int32_t length = static_cast<int32_t>(s.size());
  UChar32 c;
  U8_NEXT(s.data(), pos, length, c);
  (void)c;
  return static_cast<std::size_t>(pos);
}

// Byte offset of character `n` (from 0), or s.size() when the text is shorter.
std::size_t OffsetOf(std::string_view s, int n) {
  std::size_t i = 0;
  for (int k = 0; k < n && i < s.size(); ++k) i = NextCharacter(s, i);
  return i;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

int Length(std::string_view s) {
  int count = 0;
  for (std::size_t i = 0; i < s.size(); i = NextCharacter(s, i)) ++count;
  return count;
}

std::string Left(std::string_view s, int n) {
  if (n <= 0) return {};
  return std::string(s.substr(0, OffsetOf(s, n)));
}

std::string Excerpt(std::string_view s, int n) {
  const std::size_t end = OffsetOf(s, n);
  if (end >= s.size()) return std::string(s);
  return std::string(s.substr(0, end)) + "… (" + std::to_string(s.size()) + " bytes)";
}

std::string Mid(std::string_view s, int start, int n) {
  if (start < 1) start = 1;
  const std::size_t begin = OffsetOf(s, start - 1);
  if (n < 0) return std::string(s.substr(begin));
  const std::string_view rest = s.substr(begin);
  return std::string(rest.substr(0, OffsetOf(rest, n)));
}

std::string PadRight(std::string_view s, int n) {
  std::string out(s);
  const int length = Length(s);
  if (length < n) out.append(static_cast<std::size_t>(n - length), ' ');
  return out;
}

std::string Upper(std::string_view s) {
  icu::UnicodeString u =
      icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
  u.toUpper(icu::Locale::getFrench());
  std::string out;
  u.toUTF8String(out);
  return out;
}

std::string Trim(std::string_view s) {
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  return std::string(s.substr(begin, end - begin));
}

bool IsValidUtf8(std::string_view s) {
  int32_t pos = 0;
  const int32_t length = static_cast<int32_t>(s.size());
  while (pos < length) {
    UChar32 c;
    U8_NEXT(s.data(), pos, length, c);
    if (c < 0) return false;
  }
  return true;
}

std::string Latin1ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() * 2);
  for (unsigned char c : s) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::string ZeroPadded(long long n, int width) {
  const bool negative = n < 0;
  std::string digits =
      std::to_string(negative ? -(n + 1) + 1ULL : static_cast<unsigned long long>(n));
  const int pad = width - static_cast<int>(digits.size()) - (negative ? 1 : 0);
  std::string out(negative ? 1 : 0, '-');
  out.append(static_cast<std::size_t>(pad > 0 ? pad : 0), '0');
  out += digits;
  return out;
}

}  // namespace text
