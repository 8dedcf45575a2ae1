#pragma once
// Record texts from readable lists, for fixtures and generators:
//   RecordText({{"Mme"}, {"DUPONT"}, {"Marie"}})            three attributes
//   RecordText({{"Salaire de base", "8667", "", "", "8750", "75836", ""}, {"#6"}})

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "data/core/dynamic_array.h"

namespace dba {

template <typename Attributes>
std::string RecordTextOf(const Attributes& attributes) {
  std::string text;
  bool firstAttribute = true;
  for (const auto& values : attributes) {
    if (!firstAttribute) text += kAttributeMark;
    firstAttribute = false;
    bool firstValue = true;
    for (const auto& value : values) {
      if (!firstValue) text += kValueMark;
      firstValue = false;
      text += value;
    }
  }
  return text;
}

inline std::string RecordText(
    std::initializer_list<std::initializer_list<std::string_view>> attributes) {
  return RecordTextOf(attributes);
}

}  // namespace dba
