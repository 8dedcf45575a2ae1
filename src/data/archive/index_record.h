#pragma once
// AIDANTSARCHIVEBULL and AIDESARCHIVEBULL: one record per person and year, keyed by the
// 5-character person code followed by the 4-digit year; attribute m (1 = January ..
// 12 = December) lists the archive keys of that month, one a value.

#include <string>
#include <string_view>
#include <vector>

#include "data/core/dynamic_array.h"

namespace dba {

class IndexView {
 public:
  static constexpr int kMonths = 12;

  explicit IndexView(const DynArray& record) : r_(record) {}

  std::string PersonCode() const;  // key characters 1-5
  std::string Year() const;        // key characters 6-9
  // The archive keys of month 1..12 (empty outside that range).
  std::vector<std::string> MonthKeys(int month) const;

 private:
  const DynArray& r_;
};

// The key of the index record of a person and year: "00012" + "2003".
std::string IndexKey(std::string_view personCode, int year);

}  // namespace dba
