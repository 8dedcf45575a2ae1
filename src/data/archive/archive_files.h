#pragma once
// The files of the payslip archive and the dictionary items its sentences use.

#include <array>
#include <string_view>

namespace dba {

namespace files {
inline constexpr std::string_view kArchiveBull = "ARCHIVEBULL";
inline constexpr std::string_view kCivilAidant = "CIVILAIDANT";
inline constexpr std::string_view kCivilAide = "CIVILAIDE";
inline constexpr std::string_view kContrat = "CONTRAT";
inline constexpr std::string_view kAssociation = "ASSOCIATION";
inline constexpr std::string_view kTempo = "TEMPO";
inline constexpr std::string_view kAidantsArchiveBull = "AIDANTSARCHIVEBULL";
inline constexpr std::string_view kAidesArchiveBull = "AIDESARCHIVEBULL";
inline constexpr std::string_view kPeriodesPaie = "PERIODESPAIE";
inline constexpr std::string_view kDetailCalcul = "DETAILCALCUL";
inline constexpr std::string_view kRubSaisie = "RUBSAISIE";
inline constexpr std::string_view kRubCharge = "RUBCHARGE";
inline constexpr std::string_view kDroits = "DROITS";
// The print log: one record per print request (printing/print_log.h).
inline constexpr std::string_view kImpressions = "IMPRESSIONS";

inline constexpr std::array<std::string_view, 14> kAll = {
    kArchiveBull, kCivilAidant,        kCivilAide,        kContrat,      kAssociation,
    kTempo,       kAidantsArchiveBull, kAidesArchiveBull, kPeriodesPaie, kDetailCalcul,
    kRubSaisie,   kRubCharge,          kDroits,           kImpressions};
}  // namespace files

// Dictionary items: the person's last name, one blank, first name, in capitals, read
// from the civil record keyed by characters 1-5 of the index key.
inline constexpr std::string_view kNomPrenomAidantArchBull = "NomPrenomAidantArchBull";
inline constexpr std::string_view kNomPrenomAideArchBull = "NomPrenomAideArchBull";

}  // namespace dba
