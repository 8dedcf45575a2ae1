#include "detail/detail_rows.h"

#include "detail/amounts.h"

namespace vantelor::detail {

namespace {

// Money in hundredths and rates of entered items in ten-thousandths; every number of the
// detail window is signed.
std::string Argent(std::string_view stored) { return Montant(stored, 100, 6, 2, true); }
std::string TauxSaisi(std::string_view stored) { return Montant(stored, 10000, 4, 4, true); }

// A rate that must be shown beside a base: an empty value is first made "0" in the
// record held in memory, and a zero rate shows as "".
std::string TauxOuVide(dba::Record& d, int attribute, int i, int divisor, int decimals) {
  if (d(attribute, i).empty()) d.Set(attribute, i, "0");
  const std::string taux = d(attribute, i);
  return EstZero(taux) ? kVide : Montant(taux, divisor, 4, decimals, true);
}

// Code and label of an entered item, read from RUBSAISIE; its kind code goes to the
// hidden column.
LigneRubrique Saisie(Variable& v, const std::string& code) {
  v.Enr_RubSaisie = v.Fic_RubSaisie->ReadRecord(code);
  LigneRubrique ligne;
  ligne.code = code;
  ligne.libelle = v.Enr_RubSaisie(1);
  ligne.basePat = ligne.tauxPat = ligne.montantPat = kBlanc;
  ligne.rubAuto = v.Enr_RubSaisie(4);
  return ligne;
}

}  // namespace

LigneRubrique LigneAvantCotisations(Variable& v, int i) {
  const dba::Record& d = v.Enr_DetailCalcul;
  LigneRubrique ligne = Saisie(v, d(kCodesAvant, i));
  if (!d(3, i).empty()) {
    ligne.baseSal = Argent(d(3, i));
    ligne.tauxSal = d(4, i).empty() ? kBlanc : TauxSaisi(d(4, i));
  } else {
    ligne.baseSal = ligne.tauxSal = kBlanc;
  }
  ligne.montantSal = Argent(d(5, i));
  return ligne;
}

LigneRubrique LigneCotisation(Variable& v, int i) {
  dba::Record& d = v.Enr_DetailCalcul;
  LigneRubrique ligne;
  ligne.code = d(kCodesCotisations, i);
  v.Enr_RubCharge = v.Fic_RubCharge->ReadRecord(ligne.code);
  ligne.libelle = v.Enr_RubCharge(1);
  if (!d(9, i).empty()) {
    ligne.baseSal = Argent(d(9, i));
    ligne.tauxSal = TauxOuVide(d, 10, i, 1000, 4);
  } else {
    ligne.baseSal = ligne.tauxSal = kBlanc;
  }
  ligne.montantSal = d(11, i).empty() ? kBlanc : Argent(d(11, i));
  if (!d(12, i).empty()) {
    ligne.basePat = Argent(d(12, i));
    ligne.tauxPat = TauxOuVide(d, 13, i, 1000, 3);
  } else {
    ligne.basePat = ligne.tauxPat = kBlanc;
  }
  ligne.montantPat = d(14, i).empty() ? kBlanc : Argent(d(14, i));
  ligne.rubAuto = "2";
  return ligne;
}

// A base of "0" counts as no base here.
LigneRubrique LigneApresCotisations(Variable& v, int i) {
  dba::Record& d = v.Enr_DetailCalcul;
  LigneRubrique ligne = Saisie(v, d(kCodesApres, i));
  const std::string base = d(18, i);
  if (!base.empty() && base != "0") {
    ligne.baseSal = Argent(base);
    ligne.tauxSal = TauxOuVide(d, 19, i, 10000, 4);
  } else {
    ligne.baseSal = ligne.tauxSal = kBlanc;
  }
  ligne.montantSal = Argent(d(20, i));
  return ligne;
}

}  // namespace vantelor::detail
