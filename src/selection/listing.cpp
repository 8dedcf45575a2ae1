#include "selection/selection_screen.h"

#include "data/archive/archive_files.h"
#include "data/archive/civil_record.h"
#include "data/archive/employer_records.h"
#include "data/core/step.h"
#include "selection/key_list.h"
#include "selection/listing_line.h"
#include "state/procedure.h"
#include "ui/busy.h"

namespace vantelor {

namespace {

// The error rule of a listing: until the first caregiver or care-recipient lookup of a
// click, an error ends the click and reaches the host; from that lookup on, a failing
// step is skipped and the next one runs.
class EtapesListe {
 public:
  void IgnorerDesormais() { ignorer_ = true; }

  // Runs one step; returns 0, or the code of the dba::Error skipped.
  template <typename Etape>
  std::uint32_t Executer(Etape&& etape) {
    if (ignorer_) return dba::RunStep(std::forward<Etape>(etape));
    etape();
    return 0;
  }

 private:
  bool ignorer_ = false;
};

// The other party of a payslip: the association of a "prestataire" key; otherwise the
// care recipient when a caregiver is fixed, the caregiver when a care recipient is. A read
// that fails for another reason than a missing record, once errors are skipped, leaves
// the name blank rather than showing the record read before it.
std::string AutrePartie(Variable& v, bool parAidant, const dba::ArchiveKey& cle,
                        EtapesListe& etapes) {
  std::string nom;
  if (cle.IsPrestataire()) {
    etapes.Executer([&] {
      v.Enr_Association = FichierOuvert(v.Fic_Association, dba::files::kAssociation)
                              .ReadRecord(cle.AssociationCode());
      nom = dba::AssociationView(v.Enr_Association).Name();
    });
    return nom;
  }
  etapes.IgnorerDesormais();
  dba::Record& civil = parAidant ? v.Enr_CivilAide : v.Enr_CivilAidant;
  const std::uint32_t statut = etapes.Executer([&] {
    civil = parAidant ? FichierOuvert(v.Fic_CivilAide, dba::files::kCivilAide)
                            .ReadRecord(cle.CareRecipientCode())
                      : FichierOuvert(v.Fic_CivilAidant, dba::files::kCivilAidant)
                            .ReadRecord(cle.CaregiverCode());
    nom = dba::CivilView(civil).ListingName();
  });
  if (statut == dba::kRecordNotFound) nom = parAidant ? kAideSupprime : kAidantSupprime;
  return nom;
}

}  // namespace

void SelectionScreen::WireListing() {
  Cmd_Lister.OnClick = [this] { Cmd_Lister_Click(); };
}

void SelectionScreen::Cmd_Lister_Click() {
  ui::BusyBracket busy(*this);
  Verif_Zones();
  if (W_Erreur) {
    busy.End();
    return;
  }
  const std::string debut = BornePeriode(Cbo_DebutAn, Cbo_DebutPeriode);
  const std::string fin = BornePeriode(Cbo_FinAn, Cbo_FinPeriode);
  const bool parAidant = !Txt_CodeAidant.Text().empty();
  Etq_Employeur.SetCaption(parAidant ? "Employeur" : "Employé");
  Lst_CodeArchive.Clear();
  Lst_Periode.Clear();

  EtapesListe etapes;
  PourChaqueAttribut(W_ListeBulletins, [&](std::string_view texte) {
    const dba::ArchiveKey cle(texte);
    const std::string periode = cle.Period();
    if (periode < debut || periode > fin) return;
    // The key and its line go in together, so that the two lists stay line for line
    // even when an error ends the click half-way.
    const std::string ligne = LigneListe(cle.PeriodText(), AutrePartie(v_, parAidant, cle, etapes));
    Lst_CodeArchive.AddItem(cle.Text());
    Lst_Periode.AddItem(ligne);
  });
  Cmd_Imprimer.SetEnabled(true);
  Lst_Periode.SetEnabled(true);
  Cdr_Select.SetEnabled(true);
  busy.End();
}

}  // namespace vantelor
