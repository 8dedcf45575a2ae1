#pragma once
// The pieces of a line of the payslip listing: the period bounds chosen on the screen,
// the period of an archive key in words, the line itself.

#include <string>
#include <string_view>

#include "data/archive_key.h"
#include "ui/controls.h"

namespace vantelor {

inline constexpr const char* kAideSupprime = "     AIDE SUPPRIME";
inline constexpr const char* kAidantSupprime = "     AIDANT SUPPRIME";
// Width of the period column, in characters.
inline constexpr int kLargeurPeriode = 17;

// The value of a text made only of ASCII digits; -1 for any other text (the empty one too).
int ValeurChiffres(std::string_view chiffres);

// A period bound "YYYYMM": the year item chosen in `annee`, then the position of the month
// chosen in `mois` plus one, on two digits (Janvier = 01).
std::string BornePeriode(const ui::ComboBox& annee, const ui::ComboBox& mois);

// The pay period of an archive key in words, in capitals: "FÉVRIER 2003" for a key of
// year 2003 and month 02; "" when its characters name no month of a year.
std::string TextePeriode(const dba::ArchiveKey& cle);

// The period text padded with blanks to the column's width, then the name.
std::string LigneListe(std::string_view textePeriode, std::string_view nom);

}  // namespace vantelor
