#include "data/tools/demo/pay_items.h"

#include <set>

namespace dba::demo {

const std::vector<Charge>& ChargesOf(int year) {
  static const std::vector<Charge> early = {
      {"MAL", "Maladie, maternité, invalidité, décès", 12800, 750, false, false},
      {"VPL", "Vieillesse plafonnée", 8200, 6550, false, false},
      {"VDP", "Vieillesse déplafonnée", 1600, 100, false, false},
      {"AF", "Allocations familiales", 5400, 0, false, false},
      {"AT", "Accident du travail", 2900, 0, false, false},
      {"CHO", "Assurance chômage", 4000, 2400, false, false},
      {"IRC", "Retraite complémentaire IRCEM", 4575, 3075, false, false},
      {"PRV", "Prévoyance IRCEM", 1020, 1020, false, false},
      {"CSGD", "<decal>CSG déductible", 0, 5100, true, false},
      {"CSGN", "<decal>CSG non déductible + CRDS", 0, 2900, true, true},
  };
  static const std::vector<Charge> late = {
      {"MAL", "Sécurité sociale maladie", 7000, 0, false, false},
      {"VPL", "Sécurité sociale vieillesse plafonnée", 8550, 6900, false, false},
      {"VDP", "Sécurité sociale vieillesse déplafonnée", 1900, 400, false, false},
      {"AF", "Allocations familiales", 3450, 0, false, false},
      {"AT", "Accident du travail", 3100, 0, false, false},
      {"CHO", "Assurance chômage", 4050, 0, false, false},
      {"ARR", "Retraite complémentaire AGIRC-ARRCO T1", 4720, 3150, false, false},
      {"CEG", "Contribution d'équilibre général T1", 1290, 860, false, false},
      {"CSGD", "<decal>CSG déductible de l'impôt sur le revenu", 0, 6800, true, false},
      {"CSGN", "<decal>CSG/CRDS non déductible", 0, 2900, true, true},
  };
  return year < 2010 ? early : late;
}

const std::vector<ItemLabel>& EnteredItems() {
  static const std::vector<ItemLabel> items = {
      {"SB", "Salaire de base", "1"},          {"HRS", "Heures d'intervention", "1"},
      {"CP", "Indemnité congés payés", "1"},   {"DIM", "Majoration dimanche et jours fériés", "2"},
      {"NUIT", "Heures de nuit", "2"},         {"TRA", "Indemnité de transport", "3"},
      {"KM", "Indemnités kilométriques", "3"},
  };
  return items;
}

std::vector<ItemLabel> ChargeItems() {
  std::vector<ItemLabel> out;
  std::set<std::string> seen;
  for (int year : {2000, 2019})
    for (const Charge& c : ChargesOf(year)) {
      if (!seen.insert(c.code).second) continue;
      std::string label = c.label;
      if (label.rfind("<decal>", 0) == 0) label = label.substr(7);
      out.push_back({c.code, label, ""});
    }
  return out;
}

}  // namespace dba::demo
