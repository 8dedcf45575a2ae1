#include "detail/frm_complement.h"

#include "help/context_ids.h"

namespace vantelor {

namespace {
constexpr int kBoutonDroit = 2;
}  // namespace

Frm_Complement::Frm_Complement(Variable& v) : ui::Form("Frm_Complement", "Compléments"), v_(v) {
  Mnu_Aide.AddEntry(Mnu_Sommaire);
  Layout();
  Wire();
}

Frm_Complement::~Frm_Complement() = default;

void Frm_Complement::Wire() {
  OnLoad = [this] { Form_Load(); };
  OnUnload = [this](bool& cancel) { Form_Unload(cancel); };
  OnMouseDown = [this](int b, int s, int x, int y) { Form_MouseDown(b, s, x, y); };
  for (ui::Frame* cadre : {&Cdr_EnteteBulletin, &Cdr_Cadre1, &Cdr_Cadre2, &Cdr_Cadre3, &Cdr_Cadre4,
                           &Cdr_ConvCol, &Cdr_PiedBulletin, &Frame1}) {
    cadre->OnMouseDown = [this, cadre](int b, int s, int x, int y) {
      Cadre_MouseDown(*cadre, b, s, x, y);
    };
  }
  Cmd_Retour.OnClick = [this] { Cmd_Retour_Click(); };
  Mnu_Sommaire.OnClick = [this] { Mnu_Sommaire_Click(); };
}

void Frm_Complement::Form_Load() { W_Fermeture = false; }

void Frm_Complement::Cmd_Retour_Click() {
  W_Fermeture = true;
  Unload();
}

// Retour is the only way out: the close box and every other request are refused.
void Frm_Complement::Form_Unload(bool& Cancel) {
  if (!W_Fermeture) Cancel = true;
}

void Frm_Complement::Form_MouseDown(int Button, int, int x, int y) {
  Afficher_MenuAide(*this, Button, x, y);
}

void Frm_Complement::Cadre_MouseDown(ui::Frame& Cadre, int Button, int, int x, int y) {
  Afficher_MenuAide(Cadre, Button, x, y);
}

void Frm_Complement::Afficher_MenuAide(ui::Control& over, int Button, int x, int y) {
  if (Button != kBoutonDroit) return;
  Mnu_Aide.SetEnabled(true);
  Mnu_Sommaire.SetEnabled(true);
  ui::desktop().PopupMenu(Mnu_Aide, over, x, y);
}

void Frm_Complement::Mnu_Sommaire_Click() { help::Afficher_Sommaire(); }

}  // namespace vantelor
