#include "selection/listing_line.h"

#include "text/text.h"

namespace vantelor {

std::string BornePeriode(const ui::ComboBox& annee, const ui::ComboBox& mois) {
  return annee.List(annee.ListIndex()) + text::ZeroPadded(mois.ListIndex() + 1, 2);
}

std::string LigneListe(std::string_view textePeriode, std::string_view nom) {
  return text::PadRight(textePeriode, kLargeurPeriode) + std::string(nom);
}

}  // namespace vantelor
