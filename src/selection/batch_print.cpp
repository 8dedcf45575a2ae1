// Imprimer: every payslip of the listing printed again in one request, after one
// confirmation naming the persons and the period.

#include "data/archive/archive_files.h"
#include "printing/print_request.h"
#include "selection/selection_screen.h"
#include "state/procedure.h"
#include "text/text.h"
#include "ui/busy.h"

namespace vantelor {
namespace {

// "de <caregiver>", "pour <care recipient>", both, or "" when neither name box holds text.
std::string PhrasePersonnes(const std::string& aidant, const std::string& aide) {
  if (!aidant.empty() && !aide.empty()) return "de " + aidant + " pour " + aide;
  if (!aidant.empty()) return "de " + aidant;
  if (!aide.empty()) return "pour " + aide;
  return "";
}

// The same-month form ends on the year, with no question mark.
std::string PhraseConfirmation(const std::string& personnes, const std::string& m1,
                               const std::string& y1, const std::string& m2,
                               const std::string& y2) {
  const std::string debut = "Confirmez-vous l'édition de tous les bulletins " + personnes;
  if (m2 == m1 && y1 == y2) return debut + ", sur le mois de " + m1 + " " + y1;
  return debut + ", de " + m1 + " " + y1 + " à " + m2 + " " + y2 + " ?";
}

}  // namespace

void SelectionScreen::WireBatchPrint() {
  // The print log names whose rights applied, as the rights object knows it now.
  Ctr_Ostrel.SetRightsUser(
      [this] { return v_.DroitsUtilisateur ? v_.DroitsUtilisateur->UserName() : std::string(); });
  Cmd_Imprimer.OnClick = [this] { Cmd_Imprimer_Click(); };
}

void SelectionScreen::Cmd_Imprimer_Click() {
  const std::string personnes = PhrasePersonnes(Cbo_NomAidant.Text(), Cbo_NomAide.Text());
  if (personnes.empty()) {
    ui::desktop().MessageBox("Veuillez sélectionner au moins un aidant ou un aidé.",
                             ui::kInformation, kTitreMessage);
    return;
  }
  ui::BusyBracket busy(*this);
  FichierOuvert(v_.Fic_Tempo, dba::files::kTempo);  // an error naming it, not a crash
  // From here the request record goes on every path: an error of the database or of the
  // print control still reaches the host, but no longer leaves the record behind.
  printing::PrintRequest demande(v_.Fic_Tempo, text::Upper(Lire_NomUtilisateur()),
                                 Lst_CodeArchive.Items(), v_.Enr_Tempo);
  v_.W_StatutImpression = 0;
  const std::string question =
      PhraseConfirmation(personnes, Cbo_DebutPeriode.Text(), Cbo_DebutAn.Text(),
                         Cbo_FinPeriode.Text(), Cbo_FinAn.Text());
  busy.End();

  if (ui::desktop().MessageBox(question, ui::kQuestionYesNo, kTitreMessage) == ui::kAnswerYes) {
    demande.Print(Ctr_Ostrel, v_.TheDatabase, v_.TheClient, true, v_.W_StatutImpression,
                  Cac_Preimp.Value() == 1);
  }
  ui::desktop().DoEvents();
  demande.Finish();
}

}  // namespace vantelor
