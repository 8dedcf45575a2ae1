#include "data/tools/json_reader.h"

#include "data/core/error.h"
#include "text/text.h"

namespace dba::json {

void Reader::Fail(const std::string& what) const {
  throw Error(kBadArgument, what + " at column " + std::to_string(pos_ + 1));
}

void Reader::SkipBlanks() {
  while (pos_ < text_.size() &&
         (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' || text_[pos_] == '\n'))
    ++pos_;
}

bool Reader::Peek(char c) {
  SkipBlanks();
  return pos_ < text_.size() && text_[pos_] == c;
}

bool Reader::Accept(char c) {
  if (!Peek(c)) return false;
  ++pos_;
  return true;
}

void Reader::Expect(char c) {
  if (Accept(c)) return;
  if (pos_ >= text_.size()) Fail(std::string("expected '") + c + "' but the line ends");
  Fail(std::string("expected '") + c + "', found '" + text_[pos_] + "'");
}

void Reader::End() {
  SkipBlanks();
  if (pos_ != text_.size()) Fail("unexpected text after the record");
}

unsigned Reader::Hex4() {
  if (pos_ + 4 > text_.size()) Fail("short \\u escape");
  unsigned value = 0;
  for (int i = 0; i < 4; ++i) {
    const char c = text_[pos_++];
    value <<= 4;
    if (c >= '0' && c <= '9')
      value |= static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f')
      value |= static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
      value |= static_cast<unsigned>(c - 'A' + 10);
    else
      Fail("bad \\u escape");
  }
  return value;
}

void Reader::AppendEscape(std::string& out) {
  if (pos_ >= text_.size()) Fail("unterminated string");
  const char c = text_[pos_++];
  switch (c) {
    case '"':
    case '\\':
    case '/':
      out += c;
      return;
    case 'b':
      out += '\b';
      return;
    case 'f':
      out += '\f';
      return;
    case 'n':
      out += '\n';
      return;
    case 'r':
      out += '\r';
      return;
    case 't':
      out += '\t';
      return;
    case 'u':
      break;
    default:
      Fail(std::string("unknown escape \\") + c);
  }
  unsigned code = Hex4();
  if (code >= 0xDC00 && code <= 0xDFFF) Fail("lone low surrogate");
  if (code >= 0xD800 && code <= 0xDBFF) {
    if (text_.substr(pos_, 2) != "\\u") Fail("lone high surrogate");
    pos_ += 2;
    const unsigned low = Hex4();
    if (low < 0xDC00 || low > 0xDFFF) Fail("bad surrogate pair");
    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
  }
  out += text::EncodeUtf8(static_cast<int>(code));
}

std::string Reader::String() {
  Expect('"');
  std::string out;
  while (true) {
    if (pos_ >= text_.size()) Fail("unterminated string");
    const char c = text_[pos_++];
    if (c == '"') return out;
    if (c == '\\') {
      AppendEscape(out);
    } else if (static_cast<unsigned char>(c) < 0x20) {
      Fail("control character in a string");
    } else {
      out += c;
    }
  }
}

std::string Quote(std::string_view text) {
  static const char* const kHex = "0123456789abcdef";
  std::string out = "\"";
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20) {
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace dba::json
