#pragma once
// Ctr_Vantelor, the one public class of the component: the control a host window embeds
// to let an office user find archived payslips, look at them and print them again.
//
// The host creates the control, sets TheClient, TheDatabase and DroitsUtilisateur, may
// preset W_CodeAidant, and calls Init. From then on the control runs its own selection
// screen until the user presses "Sortir": W_Sortir becomes true and the control asks
// the desktop to close the host window that holds it. Destroying the control closes its
// help window and releases every record, file, the database and the rights objects.
//
// Everything runs on the host's user-interface thread. Members throw std::runtime_error
// (the database's or the rights' error) where the description of the member says so.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vantelor/dispatch.h"
#include "vantelor/objects.h"

namespace vantelor {

namespace detail {
struct Access;
}

class Ctr_Vantelor {
 public:
  // UserControl_Initialize: records this control's window as the owner of help calls and
  // sets the help-file name (Vantelor.HLP beside the program file). Nothing is opened.
  Ctr_Vantelor();
  // UserControl_Terminate: closes this owner's help window, releases the records, the
  // files and the database, then the function rights and the user's rights. The
  // database client stays with whoever else holds it.
  ~Ctr_Vantelor();
  Ctr_Vantelor(const Ctr_Vantelor&) = delete;
  Ctr_Vantelor& operator=(const Ctr_Vantelor&) = delete;

  // W_Sortir: false until the user leaves with "Sortir".
  bool get_W_Sortir() const;
  void put_W_Sortir(bool value);
  // W_CodeAidant: a caregiver code that Init preselects; "" (the default) for none.
  const std::string& get_W_CodeAidant() const;
  void put_W_CodeAidant(const std::string& value);
  // Keeps the user's rights and asks them at once for the rights on this component's
  // function, "PALIMOR"; an error of the rights leaves both as they were and is thrown.
  void put_DroitsUtilisateur(RightsRef& rights);
  // Kept and handed on to the print control; no check is made.
  void put_TheClient(ClientRef client);
  // The database the control reads; no check is made until Init.
  void put_TheDatabase(DatabaseRef database);

  // Opens the database files, resets the screen, preselects W_CodeAidant, reads the
  // pre-printed setting and puts the focus on the caregiver code. A file that cannot be
  // opened stops Init with the database's error (the files before it stay open).
  void Init();

  // The selection screen's own procedures, reachable by the host as well.
  void Recherche_PreImp();
  void Remplir_PeriodeAn();
  void Verif_Zones();
  // Etre: "AIDANT" or "AIDE", whose archive index is searched; W_Couple is not used.
  void Recherche_Bulletin(std::string& Etre, std::string* W_Couple = nullptr);
  void Vider_Zones();
  void Gestion_Bdv();
  void Rechercher();
  void Affiche_Bull();

  // Calls the member `id` of kind `kind` with `args` (by reference: a member may write
  // them back) and returns the property value of a get, nothing otherwise. A wrong call
  // throws DispatchError; errors of the member go through.
  Argument Invoke(std::uint32_t id, DispatchKind kind, std::vector<Argument>& args);

  // The number standing for this control's window (owner of its help calls).
  long WindowHandle() const;

  struct Impl;

 private:
  friend struct detail::Access;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vantelor
