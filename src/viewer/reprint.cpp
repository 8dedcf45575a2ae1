// Edition: the payslip shown printed again. Every step runs with errors ignored, as the
// viewer's print request is meant to: a failing step is skipped and the next one runs.

#include "data/archive/archive_files.h"
#include "data/archive/request_records.h"
#include "data/core/step.h"
#include "printing/print_request.h"
#include "state/procedure.h"
#include "text/text.h"
#include "ui/busy.h"
#include "viewer/frm_visualisation_bulletin.h"

namespace vantelor {

void Frm_VisualisationBulletin::WireReprint() {
  // The print log names whose rights applied, as the rights object knows it now.
  Ctr_Ostrel.SetRightsUser(
      [this] { return v_.DroitsUtilisateur ? v_.DroitsUtilisateur->UserName() : std::string(); });
  Cmd_Edition.OnClick = [this] { Cmd_Edition_Click(); };
}

void Frm_VisualisationBulletin::Cmd_Edition_Click() {
  ui::BusyBracket busy(*this);
  dba::DynArray liste(v_.Enr_ArchiveBull.Key());
  const std::string utilisateur = text::Upper(Lire_NomUtilisateur());
  const std::string cle = dba::TempoKey(utilisateur);

  // A TEMPO file that Init could not open makes each step that needs it fail, as a read
  // error would.
  const auto tempoFile = [this]() -> dba::File& {
    return FichierOuvert(v_.Fic_Tempo, dba::files::kTempo);
  };
  // Reuse a request record left behind by an earlier print of this user, emptied first.
  // A read that fails otherwise than "not found" also starts a new record: writing back
  // whatever the shared variable held before would put another record's text under
  // this key.
  const std::uint32_t lecture = dba::RunStep([&] { v_.Enr_Tempo = tempoFile().ReadRecord(cle); });
  if (lecture != 0) {
    v_.Enr_Tempo = dba::Record();
    dba::RunStep([&] { v_.Enr_Tempo = tempoFile().NewRecord(cle); });
  } else {
    v_.Enr_Tempo.Set(1, "");
  }
  printing::TempoGuard tempo(v_.Fic_Tempo, cle);
  dba::RunStep([&] {
    v_.Enr_Tempo.Set(1, liste.Text());
    v_.Enr_Tempo.DBWrite();
  });
  v_.Enr_Tempo = dba::Record();
  busy.End();

  v_.W_StatutImpression = 0;
  dba::RunStep([&] { Ctr_Ostrel.SetDatabase(v_.TheDatabase); });
  dba::RunStep([&] { Ctr_Ostrel.SetClient(v_.TheClient); });
  dba::RunStep([&] {
    Ctr_Ostrel.EditionBulletins(liste, true, utilisateur, v_.W_StatutImpression, v_.W_PreImprime);
  });
  dba::RunStep([&] { tempo.Remove(); });
}

}  // namespace vantelor
