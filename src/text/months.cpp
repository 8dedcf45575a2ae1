// French month names, as the month boxes of the screens hold them.
#include <unicode/coll.h>

#include <array>
#include <memory>

#include "text/text.h"

namespace text {

namespace {

constexpr std::array<const char*, 12> kMonths = {"Janvier",   "Février", "Mars",     "Avril",
                                                 "Mai",       "Juin",    "Juillet",  "Août",
                                                 "Septembre", "Octobre", "Novembre", "Décembre"};

// Primary strength ignores case and accents: "FEVRIER" and "février" equal "Février".
const icu::Collator* PrimaryCollator() {
  static const std::unique_ptr<icu::Collator> collator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> c(
        icu::Collator::createInstance(icu::Locale::getFrench(), status));
    if (U_FAILURE(status)) return std::unique_ptr<icu::Collator>();
    c->setStrength(icu::Collator::PRIMARY);
    return c;
  }();
  return collator.get();
}

}  // namespace

std::string MonthName(int month) {
  if (month < 1 || month > 12) return {};
  return kMonths[static_cast<std::size_t>(month - 1)];
}

int MonthNumber(std::string_view name) {
  const std::string trimmed = Trim(name);
  if (trimmed.empty()) return 0;
  const icu::Collator* collator = PrimaryCollator();
  for (int m = 1; m <= 12; ++m) {
    const char* candidate = kMonths[static_cast<std::size_t>(m - 1)];
    if (collator) {
      UErrorCode status = U_ZERO_ERROR;
      if (collator->compareUTF8(trimmed, candidate, status) == UCOL_EQUAL && U_SUCCESS(status))
        return m;
    } else if (Upper(trimmed) == Upper(candidate)) {
      return m;
    }
  }
  return 0;
}

std::string PeriodText(int year, int month) {
  const std::string name = MonthName(month);
  if (name.empty()) return {};
  return Upper(name) + " " + std::to_string(year);
}

}  // namespace text
