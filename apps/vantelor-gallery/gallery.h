#pragma once
// The gallery: one control of each kind, wired so that every event shows on the window,
// and a modal dialog that closes only through its Retour button. It exercises the Qt
// rendering and the automation, and can be opened by hand (apps/vantelor-gallery).

#include <memory>

#include "ui/controls.h"
#include "ui/form.h"

namespace ui {

class GalleryDialog : public Form {
 public:
  GalleryDialog();
  bool W_Fermeture = false;
  Label Lbl_Consigne{*this, "Lbl_Consigne", "Cette fenêtre ne se ferme que par Retour."};
  TextBox Txt_Note{*this, "Txt_Note"};
  CommandButton Cmd_Retour{*this, "Cmd_Retour", "Retour"};
};

class GalleryForm : public Form {
 public:
  GalleryForm();
  ~GalleryForm() override;

  Frame Fra_Saisie{*this, "Fra_Saisie", "Saisie"};
  Label Lbl_Code{*this, "Lbl_Code", "Code"};
  TextBox Txt_Code{*this, "Txt_Code"};
  ComboBox Cbo_Nom{*this, "Cbo_Nom"};
  ComboBox Cbo_Mois{*this, "Cbo_Mois", ComboBox::Style::DropDownList};
  CheckBox Chk_Actif{*this, "Chk_Actif", "Liste active"};
  ListBox Lst_Lignes{*this, "Lst_Lignes"};
  VScrollBar Bdv_Lignes{*this, "Bdv_Lignes"};
  Line Lin_Separation{*this, "Lin_Separation", 120, 3540, 5880, 3540};
  Label Lbl_Etat{*this, "Lbl_Etat", "Prêt"};
  CommandButton Cmd_Message{*this, "Cmd_Message", "Message"};
  CommandButton Cmd_Fenetre{*this, "Cmd_Fenetre", "Fenêtre"};
  CommandButton Cmd_Fermer{*this, "Cmd_Fermer", "Fermer"};
  Menu Mnu_Aide{*this, "Mnu_Aide", "Aide"};
  Menu Mnu_Sommaire{*this, "Mnu_Sommaire", "Sommaire"};
  Menu Mnu_Effacer{*this, "Mnu_Effacer", "Effacer le code"};

  // The dialog of the last Cmd_Fenetre (kept so that tests can look at it).
  GalleryDialog* Dialog() const { return dialog_.get(); }

 private:
  void Layout();
  void WireEntry();
  void WireLists();
  void WireButtons();
  void ShowState(std::string state) { Lbl_Etat.SetCaption(std::move(state)); }
  std::unique_ptr<GalleryDialog> dialog_;
};

}  // namespace ui
