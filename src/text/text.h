#pragma once
// UTF-8 text helpers. Where the screens count characters they mean Unicode characters,
// not bytes: "FÉVRIER 2003" is 12 characters. Case mapping and month names go through ICU.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// Number of Unicode characters (code points) in `s`. Invalid bytes count one each.
int Length(std::string_view s);
// The byte where character `n` (from 0) starts; the size of `s` past its end.
std::size_t ByteOffset(std::string_view s, int n);
// The code points of `s`, split as Length counts them: an invalid byte stands for itself
// (so a stray ISO-8859-1 "é" still reads as "é").
std::vector<int> CodePoints(std::string_view s);
// One code point in UTF-8.
std::string EncodeUtf8(int code_point);
// The first `n` characters of `s` (all of it when shorter).
std::string Left(std::string_view s, int n);
// For messages that quote a text of any length: `s` when it has at most `n` characters,
// else its first `n` and "… (N bytes)" saying how long it was.
std::string Excerpt(std::string_view s, int n);
// `n` characters from character `start` (counted from 1), as Mid$ does; n < 0 = to the end.
std::string Mid(std::string_view s, int start, int n = -1);
// `s` padded with blanks on the right to `n` characters (unchanged when longer).
std::string PadRight(std::string_view s, int n);
// Upper case, French rules ("é" gives "É").
std::string Upper(std::string_view s);
// Blanks removed at both ends.
std::string Trim(std::string_view s);
// True when `s` is well-formed UTF-8.
bool IsValidUtf8(std::string_view s);
// ISO-8859-1 bytes to UTF-8.
std::string Latin1ToUtf8(std::string_view s);
// `n` in decimal, left-padded with zeros to `width` digits, as the number format "00000"
// writes it: (12, 5) → "00012"; a longer number is kept whole; a negative one keeps its
// '-' in front ("-0012" for (-12, 5)).
std::string ZeroPadded(long long n, int width);
// The value of a text made only of ASCII digits ("0042" → 42); nullopt for any other text
// (empty, blanks, a sign, other characters) and for one too large for a long long.
std::optional<long long> DigitsValue(std::string_view s);
// The same, with an optional '-' in front ("-5" → -5).
std::optional<long long> IntegerValue(std::string_view s);

// French month name as the month boxes hold it: 1 → "Janvier" … 12 → "Décembre";
// "" outside 1..12.
std::string MonthName(int month);
// The month (1..12) of a French month name, in any case and with or without accents
// ("Février", "FEVRIER", "février"); 0 when it is none.
int MonthNumber(std::string_view name);
// "mmmm yyyy" in capitals for a period: (2003, 2) → "FÉVRIER 2003".
std::string PeriodText(int year, int month);

}  // namespace text
