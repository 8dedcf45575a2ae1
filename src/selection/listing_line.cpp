#include "selection/listing_line.h"

#include "text/text.h"

namespace vantelor {

int ValeurChiffres(std::string_view chiffres) {
  if (chiffres.empty() || chiffres.size() > 9) return -1;
  int valeur = 0;
  for (char c : chiffres) {
    if (c < '0' || c > '9') return -1;
    valeur = valeur * 10 + (c - '0');
  }
  return valeur;
}

std::string BornePeriode(const ui::ComboBox& annee, const ui::ComboBox& mois) {
  return annee.List(annee.ListIndex()) + text::ZeroPadded(mois.ListIndex() + 1, 2);
}

std::string TextePeriode(const dba::ArchiveKey& cle) {
  const int annee = ValeurChiffres(cle.Year());
  const std::string mois = cle.Month();
  if (annee < 0 || mois.size() != 2) return {};
  return text::PeriodText(annee, ValeurChiffres(mois));
}

std::string LigneListe(std::string_view textePeriode, std::string_view nom) {
  return text::PadRight(textePeriode, kLargeurPeriode) + std::string(nom);
}

}  // namespace vantelor
