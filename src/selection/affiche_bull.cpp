#include "data/archive/archive_files.h"
#include "selection/selection_screen.h"
#include "state/procedure.h"
#include "ui/busy.h"
#include "viewer/frm_visualisation_bulletin.h"
#include "viewer/verifier_bulletin.h"

namespace vantelor {

void SelectionScreen::WireAfficheBull() {
  Lst_Periode.OnDblClick = [this] { Lst_Periode_DblClick(); };
}

void SelectionScreen::Lst_Periode_DblClick() { Affiche_Bull(); }

// The record is read and checked before it replaces the shared payslip: a listed payslip
// that is gone or damaged is reported, and the screen stays as it was, enabled.
void SelectionScreen::Affiche_Bull() {
  const int line = Lst_Periode.ListIndex();
  if (line < 0) return;
  ui::BusyBracket busy(*this);
  const std::string key = Lst_CodeArchive.List(line);
  std::optional<dba::Record> record =
      FichierOuvert(v_.Fic_ArchiveBull, dba::files::kArchiveBull).Find(key);
  const std::string probleme = record ? Verifier_Bulletin(*record) : Message_BulletinAbsent(key);
  if (!probleme.empty()) {
    busy.End();
    ui::desktop().MessageBox(probleme, ui::kExclamation, kTitreMessage);
    return;
  }
  v_.Enr_ArchiveBull = std::move(*record);
  v_.W_PreImprime = Cac_Preimp.Value() == 1;

  Frm_VisualisationBulletin viewer(v_);
  viewer.Load();
  busy.End();
  viewer.Init();
  viewer.ShowModal();
  if (Lst_Periode.Enabled()) Lst_Periode.SetFocus();
}

}  // namespace vantelor
