#pragma once
// The multivalue value type: UTF-8 text whose attributes, values and subvalues are
// separated by the marks 0xFE, 0xFD and 0xFC (bytes that never occur in UTF-8).
// Attributes, values and subvalues count from 1; anything missing reads as "".
// A DynArray may carry a key, answered as attribute 0 (records read from a file do).

#include <string>
#include <string_view>

namespace dba {

inline constexpr char kAttributeMark = '\xFE';
inline constexpr char kValueMark = '\xFD';
inline constexpr char kSubvalueMark = '\xFC';

class DynArray {
 public:
  DynArray() = default;
  explicit DynArray(std::string text) : text_(std::move(text)) {}
  DynArray(std::string key, std::string text) : key_(std::move(key)), text_(std::move(text)) {}

  // Whole text (no key). SetText replaces it.
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }
  bool Empty() const { return text_.empty(); }

  // The key answered as attribute 0; "" for a plain array.
  const std::string& Key() const { return key_; }

  // Extract(-1,-1,-1): whole text; (a,-1,-1): attribute a; (a,v,-1): value v of a;
  // (a,v,s): subvalue s. Any level given as 0 or -1 means "the whole of that level".
  // Attribute 0 is the key.
  std::string Extract(int attribute, int value = -1, int subvalue = -1) const;

  // Replace the element at (a,v,s); 0 at a level means the whole of that level, -1
  // appends a new element at that level. The array grows with empty elements as needed.
  // Replace(0,0,0,"") empties the array.
  void Replace(int attribute, int value, int subvalue, std::string_view text);

  // ElementCount(-1,-1): number of attributes; (a,-1): values of attribute a;
  // (a,v): subvalues of value v. An empty text counts 0.
  int ElementCount(int attribute = -1, int value = -1) const;

  // The default member: whole text, attribute a, or value v of attribute a.
  std::string operator()(int attribute) const { return Extract(attribute); }
  std::string operator()(int attribute, int value) const { return Extract(attribute, value); }
  void Set(int attribute, std::string_view text) { Replace(attribute, 0, 0, text); }
  void Set(int attribute, int value, std::string_view text) { Replace(attribute, value, 0, text); }

  // DCount(): attribute count; DCount(a): value count of attribute a.
  int DCount() const { return ElementCount(-1, -1); }
  int DCount(int attribute) const { return ElementCount(attribute, -1); }

  // Removes attribute a; the following attributes move up. Nothing happens past the end.
  void Delete(int attribute);

  friend bool operator==(const DynArray&, const DynArray&) = default;

 private:
  std::string key_;
  std::string text_;
};

// Counts the fields of `text` separated by `mark` (0 for an empty text).
int CountFields(std::string_view text, char mark);
// Field n (from 1) of `text` separated by `mark`; "" past the end.
std::string_view Field(std::string_view text, char mark, int n);

}  // namespace dba
