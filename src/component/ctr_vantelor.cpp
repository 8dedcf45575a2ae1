// Ctr_Vantelor: creation, properties, Init and termination.
#include <atomic>

#include "component/control_impl.h"
#include "data/core/error.h"
#include "help/context_ids.h"
#include "state/procedure.h"
#include "ui/desktop.h"

namespace vantelor {
namespace {

long NouvelleFenetre() {
  static std::atomic<long> next{0};
  return ++next;
}

// The archive busy with another operation is no fault of the screen: the clerk is told to
// try again, whichever handler met it (the store has already waited a few seconds).
std::string AvisErreur(const std::exception& error) {
  const auto* data = dynamic_cast<const dba::Error*>(&error);
  return data && data->code() == dba::kArchiveBusy ? dba::kArchiveBusyText : "";
}

}  // namespace

Ctr_Vantelor::Impl::Impl() : hwnd(NouvelleFenetre()) {}

// UserControl_Initialize.
Ctr_Vantelor::Ctr_Vantelor() : impl_(std::make_unique<Impl>()) {
  help::Init_Aide(impl_->hwnd);
  ui::SetNoticeOfError(AvisErreur);
}

// UserControl_Terminate.
Ctr_Vantelor::~Ctr_Vantelor() {
  try {
    help::Quitter_Aide();
  } catch (const std::exception& e) {
    // A destructor throws nothing: the host hears of it as of any error of an event.
    ui::desktop().ReportError("UserControl_Terminate", e.what());
  }
  Variable& v = impl_->v;
  Fermer_Fichiers(v);
  v.DroitsFonction.reset();
  v.DroitsUtilisateur.reset();
}

bool Ctr_Vantelor::get_W_Sortir() const { return impl_->screen.W_Sortir; }
void Ctr_Vantelor::put_W_Sortir(bool value) { impl_->screen.W_Sortir = value; }
const std::string& Ctr_Vantelor::get_W_CodeAidant() const { return impl_->screen.W_CodeAidant; }
void Ctr_Vantelor::put_W_CodeAidant(const std::string& value) {
  impl_->screen.W_CodeAidant = value;
}

void Ctr_Vantelor::put_DroitsUtilisateur(RightsRef& rights) {
  // Both are replaced together, or neither when the rights fail to answer.
  std::shared_ptr<rights::FunctionAccess> fonction;
  if (rights) fonction = rights->FunctionRights(kFonctionPalimor);
  impl_->v.DroitsUtilisateur = rights;
  impl_->v.DroitsFonction = std::move(fonction);
}

void Ctr_Vantelor::put_TheClient(ClientRef client) { impl_->v.TheClient = std::move(client); }
void Ctr_Vantelor::put_TheDatabase(DatabaseRef database) {
  impl_->v.TheDatabase = std::move(database);
}

void Ctr_Vantelor::Init() { impl_->screen.Init(); }
void Ctr_Vantelor::Recherche_PreImp() { impl_->screen.Recherche_PreImp(); }
void Ctr_Vantelor::Remplir_PeriodeAn() { impl_->screen.Remplir_PeriodeAn(); }
void Ctr_Vantelor::Verif_Zones() { impl_->screen.Verif_Zones(); }
void Ctr_Vantelor::Recherche_Bulletin(std::string& Etre, std::string* W_Couple) {
  impl_->screen.Recherche_Bulletin(Etre, W_Couple ? *W_Couple : std::string());
}
void Ctr_Vantelor::Vider_Zones() { impl_->screen.Vider_Zones(); }
void Ctr_Vantelor::Gestion_Bdv() { impl_->screen.Gestion_Bdv(); }
void Ctr_Vantelor::Rechercher() { impl_->screen.Rechercher(); }
void Ctr_Vantelor::Affiche_Bull() { impl_->screen.Affiche_Bull(); }

long Ctr_Vantelor::WindowHandle() const { return impl_->hwnd; }

}  // namespace vantelor
