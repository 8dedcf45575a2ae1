#pragma once
// The pieces of a line of the payslip listing: the period bounds chosen on the screen,
// the period of an archive key in words, the other party's name, the line itself.

#include <string>
#include <string_view>

#include "data/dynamic_array.h"
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

// The pay period of an archive key in words, in capitals: "FÉVRIER 2003" for a key whose
// characters 9-12 are 2003 and 13-14 are 02; "" when they name no month of a year.
std::string TextePeriode(std::string_view cleArchive);

// Attributes 1, 2 and 3 of a civil record, one blank between each.
std::string NomComplet(const dba::DynArray& civil);

// The period text padded with blanks to the column's width, then the name.
std::string LigneListe(std::string_view textePeriode, std::string_view nom);

}  // namespace vantelor
