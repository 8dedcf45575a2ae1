#include "ui/utf8.h"

namespace ui {

std::string EncodeUtf8(int code_point) {
  std::string out;
  auto cp = static_cast<unsigned>(code_point);
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

namespace {

// The bytes of the character that starts at `i` (1 for a byte that starts none).
int SequenceLength(std::string_view s, std::size_t i) {
  auto c = static_cast<unsigned char>(s[i]);
  int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
  if (i + len > s.size()) return 1;
  for (int k = 1; k < len; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
  }
  return len;
}

}  // namespace

int CharacterCount(std::string_view s) {
  int count = 0;
  for (std::size_t i = 0; i < s.size(); i += SequenceLength(s, i)) ++count;
  return count;
}

std::size_t ByteOffset(std::string_view s, int index) {
  std::size_t i = 0;
  for (; i < s.size() && index > 0; --index) i += SequenceLength(s, i);
  return i;
}

std::vector<int> CodePoints(std::string_view s) {
  std::vector<int> out;
  for (std::size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    const int len = SequenceLength(s, i);
    int cp = len == 1 ? c : c & (0x7F >> len);
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(cp);
    i += len;
  }
  return out;
}

}  // namespace ui
