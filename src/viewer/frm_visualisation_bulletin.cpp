#include "viewer/frm_visualisation_bulletin.h"

#include "help/context_ids.h"

namespace vantelor {

namespace {
constexpr int kRightButton = 2;
}  // namespace

// The title carries blanks after its text, as the form was designed: 60 characters in all.
Frm_VisualisationBulletin::Frm_VisualisationBulletin(Variable& v)
    : ui::Form("Frm_VisualisationBulletin",
               "BULLETIN DE PAIE :                                          "),
      v_(v) {
  Mnu_Aide.AddEntry(Mnu_Sommaire);
  Layout();
  WireWindow();
  WireScrolling();
  WireDetailButtons();
  WireReprint();
}

Frm_VisualisationBulletin::~Frm_VisualisationBulletin() = default;

void Frm_VisualisationBulletin::WireWindow() {
  OnLoad = [this] { Form_Load(); };
  OnUnload = [this](bool& cancel) { Form_Unload(cancel); };
  OnMouseDown = [this](int b, int s, int x, int y) { Form_MouseDown(b, s, x, y); };
  Cdr_Cadre1.OnMouseDown = [this](int b, int s, int x, int y) { Cdr_Cadre1_MouseDown(b, s, x, y); };
  Cdr_Cadre4.OnMouseDown = [this](int b, int s, int x, int y) { Cdr_Cadre4_MouseDown(b, s, x, y); };
  Cdr_ConvCol.OnMouseDown = [this](int b, int s, int x, int y) {
    Cdr_ConvCol_MouseDown(b, s, x, y);
  };
  Cmd_Retour.OnClick = [this] { Cmd_Retour_Click(); };
  Mnu_Sommaire.OnClick = [this] { Mnu_Sommaire_Click(); };
}

// Bdv_Detail starts one below its final minimum: raising the minimum to 0 afterwards
// moves the value and so raises Change, which selects row 0 in all seven lists.
void Frm_VisualisationBulletin::Form_Load() {
  Bdv_Detail.SetMin(-1);
  Bdv_Detail.SetValue(-1);
  Remplir_Bulletin();
  Bdv_Detail.SetMin(0);
  W_Fermeture = false;
}

void Frm_VisualisationBulletin::Init() {
  for (ui::CommandButton* button : {&Cmd_Edition, &Cmd_Detail, &Cmd_DetailBS, &Cmd_Retour})
    button->SetEnabled(true);
}

void Frm_VisualisationBulletin::Cmd_Retour_Click() {
  W_Fermeture = true;
  Unload();
}

// Only Retour closes the window: the close box and every other request are refused.
void Frm_VisualisationBulletin::Form_Unload(bool& Cancel) {
  if (!W_Fermeture) Cancel = true;
}

void Frm_VisualisationBulletin::Form_MouseDown(int Button, int, int x, int y) {
  Afficher_MenuAide(*this, Button, x, y);
}

void Frm_VisualisationBulletin::Cdr_Cadre1_MouseDown(int Button, int, int x, int y) {
  Afficher_MenuAide(Cdr_Cadre1, Button, x, y);
}

void Frm_VisualisationBulletin::Cdr_Cadre4_MouseDown(int Button, int, int x, int y) {
  Afficher_MenuAide(Cdr_Cadre4, Button, x, y);
}

void Frm_VisualisationBulletin::Cdr_ConvCol_MouseDown(int Button, int, int x, int y) {
  Afficher_MenuAide(Cdr_ConvCol, Button, x, y);
}

void Frm_VisualisationBulletin::Afficher_MenuAide(ui::Control& over, int Button, int x, int y) {
  if (Button != kRightButton) return;
  Mnu_Aide.SetEnabled(true);
  Mnu_Sommaire.SetEnabled(true);
  ui::desktop().PopupMenu(Mnu_Aide, over, x, y);
}

void Frm_VisualisationBulletin::Mnu_Sommaire_Click() { help::Afficher_Sommaire(); }

}  // namespace vantelor
