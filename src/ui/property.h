#pragma once
// A control property's value as automation reads and writes it: a boolean, a whole
// number or a text. Property names are those of the window designer ("Text", "Caption",
// "Enabled", "ListIndex", ...).

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace ui {

using PropertyValue = std::variant<bool, int, std::string>;
using PropertyList = std::vector<std::pair<std::string, PropertyValue>>;

// The value as `dump` writes it: true/false, decimal, or the text itself.
std::string ToText(const PropertyValue& value);

}  // namespace ui
