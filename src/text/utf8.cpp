#include "text/text.h"

#include <unicode/utf8.h>

namespace text {

namespace {

// The code point at `i` and the byte just past it. An invalid byte is one character that
// stands for itself, whatever U8_NEXT would have swallowed with it, so that counting,
// splitting and offsets always agree.
int NextCodePoint(std::string_view s, std::size_t& i) {
  int32_t pos = static_cast<int32_t>(i);
  UChar32 c;
  U8_NEXT(s.data(), pos, static_cast<int32_t>(s.size()), c);
  if (c < 0) {
    c = static_cast<unsigned char>(s[i]);
    pos = static_cast<int32_t>(i + 1);
  }
  i = static_cast<std::size_t>(pos);
  return c;
}

}  // namespace

int Length(std::string_view s) {
  int count = 0;
  for (std::size_t i = 0; i < s.size(); NextCodePoint(s, i)) ++count;
  return count;
}

std::size_t ByteOffset(std::string_view s, int n) {
  std::size_t i = 0;
  for (int k = 0; k < n && i < s.size(); ++k) NextCodePoint(s, i);
  return i;
}

std::vector<int> CodePoints(std::string_view s) {
  std::vector<int> out;
  for (std::size_t i = 0; i < s.size();) out.push_back(NextCodePoint(s, i));
  return out;
}

std::string EncodeUtf8(int code_point) {
  const auto cp = static_cast<unsigned>(code_point);
  std::string out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
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
  for (unsigned char c : s) out += EncodeUtf8(c);
  return out;
}

}  // namespace text
