#pragma once
// The rows of the calculation detail: one row per pay item of the current DETAILCALCUL
// record, in three groups (entered items before the contributions, contributions,
// entered items after them). A row is built whole before it reaches the lists, so an
// error while building it leaves the lists as they were: the nine columns always hold
// the same number of entries.

#include <string>

#include "state/variable.h"

namespace vantelor::detail {

// Blank entries: " " where a column has no value, "" where a rate is zero.
inline constexpr const char* kBlanc = " ";
inline constexpr const char* kVide = "";

// One entry per column, left to right, then the hidden kind code.
struct LigneRubrique {
  std::string code, libelle;
  std::string baseSal, tauxSal, montantSal;
  std::string basePat, tauxPat, montantPat;
  std::string rubAuto;
};

// Attributes of DETAILCALCUL that hold the item codes of each group.
inline constexpr int kCodesAvant = 2;
inline constexpr int kCodesCotisations = 8;
inline constexpr int kCodesApres = 17;

// Row i (from 1) of each group. Each reads its item record (RUBSAISIE or RUBCHARGE) into
// the shared record global, and may replace an empty rate by "0" in v.Enr_DetailCalcul
// (in memory only). Throws dba::Error when a read fails or a number cannot be shown.
LigneRubrique LigneAvantCotisations(Variable& v, int i);
LigneRubrique LigneCotisation(Variable& v, int i);
LigneRubrique LigneApresCotisations(Variable& v, int i);

}  // namespace vantelor::detail
