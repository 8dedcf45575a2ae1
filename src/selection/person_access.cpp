#include "selection/person_access.h"

#include "state/procedure.h"
#include "data/civil_record.h"
#include "text/text.h"

namespace vantelor {

namespace {

constexpr int kLongueurCode = 5;

// The code the rights object judges a person by, as the code check hands it over.
std::string CodeAcces(Personne personne, const dba::DynArray& civil) {
  if (personne == Personne::Aidant) return dba::CivilAidantView(civil).AccessCode();
  return dba::CivilAideView(civil).AccessCode();
}

}  // namespace

FiltrePersonnes::FiltrePersonnes(Personne personne, std::string_view code,
                                 std::shared_ptr<dba::File> civil,
                                 std::shared_ptr<rights::FunctionAccess> droits)
    : personne_(personne),
      codeComplet_(text::Length(code) == kLongueurCode),
      civil_(std::move(civil)),
      droits_(std::move(droits)) {}

bool FiltrePersonnes::Autorise(std::string_view cleIndex) {
  if (codeComplet_) return true;
  const std::string codePersonne = text::Left(cleIndex, kLongueurCode);
  if (auto it = reponses_.find(codePersonne); it != reponses_.end()) return it->second;
  const bool reponse = Verifier(codePersonne);
  reponses_.emplace(codePersonne, reponse);
  return reponse;
}

bool FiltrePersonnes::Verifier(const std::string& codePersonne) {
  dba::Record civil;
  try {
    civil = FichierOuvert(civil_, personne_ == Personne::Aidant ? "CIVILAIDANT" : "CIVILAIDE")
                .ReadRecord(codePersonne);
  } catch (const dba::Error& e) {
    if (e.IsRecordNotFound()) return false;
    throw;
  }
  // No rights object: nobody can be let through.
  return droits_ && droits_->PersonAccess(CodeAcces(personne_, civil), 0);
}

}  // namespace vantelor
