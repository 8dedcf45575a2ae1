// Whole numbers read from text: the one reader of digits that the layers above share.
#include <charconv>

#include "text/text.h"

namespace text {

std::optional<long long> DigitsValue(std::string_view s) {
  if (s.empty() || s.front() < '0' || s.front() > '9') return std::nullopt;
  long long value = 0;
  const char* end = s.data() + s.size();
  const auto [stop, error] = std::from_chars(s.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<long long> IntegerValue(std::string_view s) {
  if (!s.starts_with('-')) return DigitsValue(s);
  const std::optional<long long> magnitude = DigitsValue(s.substr(1));
  if (!magnitude) return std::nullopt;
  return -*magnitude;
}

}  // namespace text
