#include "data/core/dynamic_array.h"

#include <algorithm>

namespace dba {

int CountFields(std::string_view text, char mark) {
  if (text.empty()) return 0;
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), mark));
}

namespace {

// Byte range [begin, end) of field n (from 1) in text; npos begin when missing.
struct Span {
  std::size_t begin = std::string_view::npos;
  std::size_t end = std::string_view::npos;
  bool found() const { return begin != std::string_view::npos; }
};

Span FindField(std::string_view text, char mark, int n) {
  if (n < 1) return {};
  std::size_t begin = 0;
  for (int i = 1; i < n; ++i) {
    std::size_t next = text.find(mark, begin);
    if (next == std::string_view::npos) return {};
    begin = next + 1;
  }
  std::size_t end = text.find(mark, begin);
  return {begin, end == std::string_view::npos ? text.size() : end};
}

// Replaces field n of text (n = -1 appends), padding with marks as needed.
std::string ReplaceField(std::string_view text, char mark, int n, std::string_view with) {
  int count = CountFields(text, mark);
  if (n < 0) n = count + 1;
  std::string out(text);
  if (n > count) {
    // Empty text holds one empty field once anything is written into it.
    int have = std::max(count, 1);
    if (count == 0 && n == 1) return std::string(with);
    out.append(static_cast<std::size_t>(n - have), mark);
    out.append(with);
    return out;
  }
  Span s = FindField(text, mark, n);
  out.replace(s.begin, s.end - s.begin, with);
  return out;
}

}  // namespace

std::string_view Field(std::string_view text, char mark, int n) {
  Span s = FindField(text, mark, n);
  if (!s.found()) return {};
  return text.substr(s.begin, s.end - s.begin);
}

std::string DynArray::Extract(int attribute, int value, int subvalue) const {
  if (attribute == 0) return key_;
  if (attribute < 0) return text_;
  std::string_view a = Field(text_, kAttributeMark, attribute);
  if (value <= 0) return std::string(a);
  std::string_view v = Field(a, kValueMark, value);
  if (subvalue <= 0) return std::string(v);
  return std::string(Field(v, kSubvalueMark, subvalue));
}

void DynArray::Replace(int attribute, int value, int subvalue, std::string_view text) {
  if (attribute == 0 && value <= 0 && subvalue <= 0) {
    text_ = std::string(text);
    return;
  }
  if (attribute == 0) return;  // the key is not part of the text
  int a = attribute < 0 ? CountFields(text_, kAttributeMark) + 1 : attribute;
  std::string attr(Field(text_, kAttributeMark, a));
  if (value == 0) {
    attr = std::string(text);
  } else {
    int v = value < 0 ? CountFields(attr, kValueMark) + 1 : value;
    if (subvalue == 0) {
      attr = ReplaceField(attr, kValueMark, v, text);
    } else {
      std::string val(Field(attr, kValueMark, v));
      val = ReplaceField(val, kSubvalueMark, subvalue, text);
      attr = ReplaceField(attr, kValueMark, v, val);
    }
  }
  text_ = ReplaceField(text_, kAttributeMark, a, attr);
}

int DynArray::ElementCount(int attribute, int value) const {
  if (attribute <= 0) return CountFields(text_, kAttributeMark);
  std::string_view a = Field(text_, kAttributeMark, attribute);
  if (value <= 0) return CountFields(a, kValueMark);
  return CountFields(Field(a, kValueMark, value), kSubvalueMark);
}

void DynArray::Delete(int attribute) {
  if (attribute < 1) return;
  Span s = FindField(text_, kAttributeMark, attribute);
  if (!s.found()) return;
  if (s.end < text_.size()) {
    text_.erase(s.begin, s.end - s.begin + 1);  // the field and the mark after it
  } else if (s.begin > 0) {
    text_.erase(s.begin - 1);  // the last field and the mark before it
  } else {
    text_.clear();
  }
}

}  // namespace dba
