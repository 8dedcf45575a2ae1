#include "data/archive/index_record.h"

#include "text/text.h"

namespace dba {

std::string IndexView::PersonCode() const { return text::Mid(r_(0), 1, 5); }
std::string IndexView::Year() const { return text::Mid(r_(0), 6, 4); }

std::vector<std::string> IndexView::MonthKeys(int month) const {
  std::vector<std::string> keys;
  if (month < 1 || month > kMonths) return keys;
  const int count = r_.DCount(month);
  for (int v = 1; v <= count; ++v) {
    std::string key = r_(month, v);
    if (!key.empty()) keys.push_back(std::move(key));
  }
  return keys;
}

std::string IndexKey(std::string_view personCode, int year) {
  return std::string(personCode) + std::to_string(year);
}

}  // namespace dba
