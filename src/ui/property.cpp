#include "ui/property.h"

namespace ui {

std::string ToText(const PropertyValue& value) {
  if (const bool* b = std::get_if<bool>(&value)) return *b ? "true" : "false";
  if (const int* i = std::get_if<int>(&value)) return std::to_string(*i);
  return std::get<std::string>(value);
}

}  // namespace ui
