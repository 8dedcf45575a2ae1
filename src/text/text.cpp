#include "text/text.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace text {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string Left(std::string_view s, int n) {
  if (n <= 0) return {};
  return std::string(s.substr(0, ByteOffset(s, n)));
}

std::string Excerpt(std::string_view s, int n) {
  const std::size_t end = ByteOffset(s, n);
  if (end >= s.size()) return std::string(s);
  return std::string(s.substr(0, end)) + "… (" + std::to_string(s.size()) + " bytes)";
}

std::string Mid(std::string_view s, int start, int n) {
  if (start < 1) start = 1;
  const std::size_t begin = ByteOffset(s, start - 1);
  if (n < 0) return std::string(s.substr(begin));
  const std::string_view rest = s.substr(begin);
  return std::string(rest.substr(0, ByteOffset(rest, n)));
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
