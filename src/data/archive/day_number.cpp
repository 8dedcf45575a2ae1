// The conversion object's dates: day numbers count days from 31 December 1967 (day 0).
#include <optional>

#include "data/archive/conversion.h"
#include "data/core/error.h"
#include "text/text.h"

namespace dba {

namespace {

struct CivilDate {
  int year;
  int month;
  int day;
};

// Days since 1 January 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
long DaysFromCivil(CivilDate d) {
  const long y = d.year - (d.month <= 2 ? 1 : 0);
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long mp = (d.month + 9) % 12;
  const long doy = (153 * mp + 2) / 5 + d.day - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

const long kEpoch = DaysFromCivil({1967, 12, 31});

bool IsValid(CivilDate d) {
  if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1) return false;
  return CivilFromDays(DaysFromCivil(d)).day == d.day;
}

// A day, month or year: a whole number, refused beyond any date's (an int cast of a larger
// one could wrap round into a valid date).
std::optional<int> DatePart(std::string_view s) {
  const std::optional<long long> n = text::IntegerValue(s);
  if (!n || *n < -99999 || *n > 99999) return std::nullopt;
  return static_cast<int>(*n);
}

// "dd/mm/yyyy"
std::optional<CivilDate> ParseSlashed(std::string_view s) {
  const std::size_t first = s.find('/');
  const std::size_t second = s.find('/', first == std::string_view::npos ? 0 : first + 1);
  if (first == std::string_view::npos || second == std::string_view::npos) return std::nullopt;
  const auto day = DatePart(s.substr(0, first));
  const auto month = DatePart(s.substr(first + 1, second - first - 1));
  const auto year = DatePart(s.substr(second + 1));
  if (!day || !month || !year) return std::nullopt;
  return CivilDate{*year, *month, *day};
}

// "01 Mars 2003": day, French month name, year, separated by blanks.
std::optional<CivilDate> ParseWithMonthName(std::string_view s) {
  const std::size_t first = s.find(' ');
  const std::size_t last = s.rfind(' ');
  if (first == std::string_view::npos || first == last) return std::nullopt;
  const auto day = DatePart(s.substr(0, first));
  const int month = text::MonthNumber(s.substr(first + 1, last - first - 1));
  const auto year = DatePart(s.substr(last + 1));
  if (!day || month == 0 || !year) return std::nullopt;
  return CivilDate{*year, month, *day};
}

}  // namespace

std::string Conversion::DateToText(std::string_view dayNumber) const {
  const std::optional<long long> days = text::IntegerValue(text::Trim(dayNumber));
  if (!days || *days < -700000 || *days > 3000000) return {};
  const CivilDate d = CivilFromDays(*days + kEpoch);
  if (!IsValid(d)) return {};
  const std::string year = text::ZeroPadded(d.year, 4);
  return text::ZeroPadded(d.day, 2) + "/" + text::ZeroPadded(d.month, 2) + "/" + year;
}

std::string Conversion::DateToDayNumber(std::string_view input) const {
  const std::string s = text::Trim(input);
  std::optional<CivilDate> date =
      s.find('/') != std::string::npos ? ParseSlashed(s) : ParseWithMonthName(s);
  if (!date || !IsValid(*date))
    throw Error(kBadNumber, "not a date: \"" + std::string(input) + "\"");
  return std::to_string(DaysFromCivil(*date) - kEpoch);
}

}  // namespace dba
