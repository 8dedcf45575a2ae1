#include "vantelor-gallery/gallery.h"

#include <string>

#include "text/text.h"

namespace ui {
namespace {

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

bool IsDigit(int key) { return key >= '0' && key <= '9'; }

}  // namespace

GalleryDialog::GalleryDialog() : Form("Frm_GalerieDialogue", "Dialogue") {
  Move(0, 0, 4200, 1800);
  Lbl_Consigne.Move(120, 120, 3960, 255);
  Txt_Note.Move(120, 480, 3960, 315);
  Cmd_Retour.Move(2880, 1080, 1200, 375);
  OnLoad = [this] { W_Fermeture = false; };
  OnUnload = [this](bool& cancel) { cancel = !W_Fermeture; };
  Cmd_Retour.OnClick = [this] {
    W_Fermeture = true;
    Unload();
  };
}

GalleryForm::GalleryForm() : Form("Frm_Galerie", "Galerie des contrôles") {
  Layout();
  WireEntry();
  WireLists();
  WireButtons();
}

GalleryForm::~GalleryForm() = default;

void GalleryForm::Layout() {
  Move(0, 0, 6000, 4500);
  SetHelpContextID(1);
  Fra_Saisie.Move(120, 60, 2880, 2100);
  for (Control* c :
       std::initializer_list<Control*>{&Lbl_Code, &Txt_Code, &Cbo_Nom, &Cbo_Mois, &Chk_Actif}) {
    c->SetContainer(&Fra_Saisie);
  }
  Lbl_Code.Move(120, 300, 600, 255);
  Txt_Code.Move(840, 270, 900, 315);
  Txt_Code.SetMaxLength(5);
  Txt_Code.SetHelpContextID(10);
  Cbo_Nom.Move(120, 720, 2640, 315);
  Cbo_Mois.Move(120, 1140, 2640, 315);
  Chk_Actif.Move(120, 1620, 2640, 255);
  Lst_Lignes.Move(3120, 120, 2520, 3150);
  Lst_Lignes.SetFont(kFixedFont);
  Lst_Lignes.SetHelpContextID(20);
  Bdv_Lignes.Move(5640, 120, 255, 3150);
  Lbl_Etat.Move(120, 2280, 2880, 255);
  Lbl_Etat.SetFont({"MS Sans Serif", 8.25, true});
  Cmd_Message.Move(120, 3720, 1200, 375);
  Cmd_Fenetre.Move(1440, 3720, 1200, 375);
  Cmd_Fermer.Move(4680, 3720, 1200, 375);
  Mnu_Aide.AddEntry(Mnu_Sommaire);
  Mnu_Aide.AddEntry(Mnu_Effacer);
}

void GalleryForm::WireEntry() {
  // A code box as the screens have them: digits only, Enter pads to five digits.
  Txt_Code.OnKeyPress = [this](int& key) {
    if (key == kKeyEnter && !Txt_Code.Text().empty()) {
      Txt_Code.SetText(std::string(5 - std::min<std::size_t>(5, Txt_Code.Text().size()), '0') +
                       Txt_Code.Text());
    } else if (!IsDigit(key) && key != kKeyBackspace && key != kKeyDeleteChar) {
      key = 0;
    }
  };
  Txt_Code.OnChange = [this] { ShowState("Code : " + Txt_Code.Text()); };
  for (const char* name : {"DUPONT Jean", "MARTIN Paul", "ROBERT Anne"}) Cbo_Nom.AddItem(name);
  Cbo_Nom.OnClick = [this] {
    if (Cbo_Nom.ListIndex() >= 0)
      Txt_Code.SetText("0000" + std::to_string(Cbo_Nom.ListIndex() + 1));
  };
  for (int m = 1; m <= 12; ++m) Cbo_Mois.AddItem(::text::MonthName(m));
  Cbo_Mois.OnClick = [this] { ShowState("Mois : " + Cbo_Mois.Text()); };
  Chk_Actif.SetValue(1);
  Chk_Actif.OnClick = [this] { Lst_Lignes.SetEnabled(Chk_Actif.Value() == 1); };
}

void GalleryForm::WireLists() {
  for (int i = 1; i <= 30; ++i) Lst_Lignes.AddItem("Ligne " + TwoDigits(i));
  Bdv_Lignes.SetMax(Lst_Lignes.ListCount() - 1);
  // The list and the bar follow each other; each raises its event only on a real change,
  // which ends the exchange.
  Lst_Lignes.OnClick = [this] { Bdv_Lignes.SetValue(Lst_Lignes.ListIndex()); };
  Bdv_Lignes.OnChange = [this] { Lst_Lignes.SetListIndex(Bdv_Lignes.Value()); };
  Bdv_Lignes.OnScroll = [this] { ShowState("Défilement : " + std::to_string(Bdv_Lignes.Value())); };
  Lst_Lignes.OnDblClick = [this] {
    desktop().MessageBox(Lst_Lignes.List(Lst_Lignes.ListIndex()), kInformation, "Galerie");
  };
}

void GalleryForm::WireButtons() {
  Cmd_Message.OnClick = [this] {
    const int answer = desktop().MessageBox("Continuer ?", kQuestionYesNo, "Galerie");
    ShowState(answer == kAnswerYes ? "Réponse : oui" : "Réponse : non");
  };
  Cmd_Fenetre.OnClick = [this] {
    dialog_ = std::make_unique<GalleryDialog>();
    dialog_->ShowModal();
    ShowState("Note : " + dialog_->Txt_Note.Text());
  };
  Cmd_Fermer.OnClick = [this] { Unload(); };
  auto popup = [this](Control& over) {
    return [this, &over](int button, int, int x, int y) {
      if (button != 2) return;
      Mnu_Aide.SetEnabled(true);
      desktop().PopupMenu(Mnu_Aide, over, x, y);
    };
  };
  OnMouseDown = popup(*this);
  Fra_Saisie.OnMouseDown = popup(Fra_Saisie);
  Mnu_Sommaire.OnClick = [] { desktop().Help(0, HelpFile(), kHelpFinder, 0); };
  Mnu_Effacer.OnClick = [this] { Txt_Code.SetText(""); };
}

}  // namespace ui
