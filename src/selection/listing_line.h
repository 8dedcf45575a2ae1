#pragma once
// The pieces of a line of the payslip listing: the period bounds chosen on the screen and
// the line itself (its period is dba::ArchiveKey::PeriodText).

#include <string>
#include <string_view>

#include "data/archive/archive_key.h"
#include "ui/controls.h"

namespace vantelor {

inline constexpr const char* kAideSupprime = "     AIDE SUPPRIME";
inline constexpr const char* kAidantSupprime = "     AIDANT SUPPRIME";
// Width of the period column, in characters.
inline constexpr int kLargeurPeriode = 17;

// A period bound "YYYYMM": the year item chosen in `annee`, then the position of the month
// chosen in `mois` plus one, on two digits (Janvier = 01).
std::string BornePeriode(const ui::ComboBox& annee, const ui::ComboBox& mois);

// The period text padded with blanks to the column's width, then the name.
std::string LigneListe(std::string_view textePeriode, std::string_view nom);

}  // namespace vantelor
