#pragma once
// Code points in and out of UTF-8, for the toolkit's keyboard path (a key is a code point;
// a typed text is split into keys). Internal to src/ui.

#include <string>
#include <string_view>
#include <vector>

namespace ui {

std::string EncodeUtf8(int code_point);
// Splits UTF-8 text into code points (an invalid byte stands for itself).
std::vector<int> CodePoints(std::string_view s);
// Characters as CodePoints counts them, and the byte where character `index` starts (the
// size of `s` past its end).
int CharacterCount(std::string_view s);
std::size_t ByteOffset(std::string_view s, int index);

}  // namespace ui
