#include "selection/search_tally.h"

#include <algorithm>
#include <functional>

#include "text/text.h"

namespace vantelor {

int BilanRecherche::AjouterAnnee(const std::string& annee) {
  // Descending order: the first year offered that is older than this one.
  auto it = std::lower_bound(annees_.begin(), annees_.end(), annee, std::greater<>());
  if (it != annees_.end() && *it == annee) return -1;
  const auto position = it - annees_.begin();
  annees_.insert(it, annee);
  return static_cast<int>(position);
}

void BilanRecherche::NoterPeriode(const std::string& periode) {
  if (derniere_.empty() || periode > derniere_) derniere_ = periode;
}

int BilanRecherche::MoisDernierePeriode() const {
  const std::optional<long long> m = text::DigitsValue(text::Mid(derniere_, 5, 2));
  return m && *m >= 1 && *m <= 12 ? static_cast<int>(*m) : 0;
}

}  // namespace vantelor
