// Activity and period criteria: the activity boxes, the period boxes and their key
// filter, the reset of the period area, the pre-printed setting, Verif_Zones and the
// help pop-up menu.
#include <initializer_list>

#include "data/archive/archive_files.h"
#include "data/archive/conversion.h"
#include "data/core/step.h"
#include "help/context_ids.h"
#include "selection/selection_screen.h"
#include "state/procedure.h"
#include "text/text.h"

namespace vantelor {
namespace {

constexpr int kBoutonDroit = 2;

}  // namespace

void SelectionScreen::WireCriteria() {
  Cac_Mandataire.OnClick = [this] { Cac_Activite_Click(); };
  Cac_Prestataire.OnClick = [this] { Cac_Activite_Click(); };
  for (ui::ComboBox* box : {&Cbo_DebutPeriode, &Cbo_DebutAn, &Cbo_FinPeriode, &Cbo_FinAn}) {
    // Filled only by choosing from the list: every key but Backspace is discarded.
    box->OnKeyPress = [](int& key) {
      if (key != ui::kKeyBackspace) key = 0;
    };
    box->OnChange = [this] { Gestion_Lister(); };
    box->OnClick = [this] { Gestion_Lister(); };
  }
  for (ui::Control* c :
       std::initializer_list<ui::Control*>{&Cdr_Periode, &Cdr_Select, &Cdr_Selection, this}) {
    c->OnMouseDown = [this, c](int button, int, int x, int y) {
      Afficher_MenuAide(*c, button, x, y);
    };
  }
  Mnu_Sommaire.OnClick = [] { help::Afficher_Sommaire(); };
}

// Cac_Mandataire_Click and Cac_Prestataire_Click: both look only at Cac_Mandataire and
// redo the lookup of the person shown for the new activity choice.
void SelectionScreen::Cac_Activite_Click() {
  const bool mandataire = Cac_Mandataire.Value() == 1;
  if (!Txt_CodeAide.Text().empty()) {
    const std::string saved = Txt_CodeAide.Text();
    Activer_Aide(mandataire);
    if (Txt_CodeAide.Enabled()) {
      Txt_CodeAide.SetText(saved);
      Txt_CodeAide_Change();
    }
  } else {
    const std::string saved = Txt_CodeAidant.Text();
    Activer_Aide(mandataire);
    Txt_CodeAidant.SetText(saved);
    Txt_CodeAidant_Change();
  }
}

void SelectionScreen::Activer_Aide(bool flag) {
  if (!flag) {
    Txt_CodeAide.SetText("");
    Cbo_NomAide.Clear();
    Cbo_NomAide.SetText("");
  }
  Etq_Aide.SetEnabled(flag);
  Txt_CodeAide.SetEnabled(flag);
  Cbo_NomAide.SetEnabled(flag);
}

void SelectionScreen::Gestion_Lister() {
  Cmd_Lister.SetEnabled(Cbo_DebutPeriode.ListIndex() != -1 && Cbo_FinPeriode.ListIndex() != -1 &&
                        Cbo_DebutAn.ListCount() > 0 && Cbo_FinAn.ListCount() > 0 &&
                        Cbo_DebutAn.ListIndex() != -1 && Cbo_FinAn.ListIndex() != -1);
}

void SelectionScreen::Desactiver_Periode() {
  Cmd_Imprimer.SetEnabled(false);
  Lst_CodeArchive.Clear();
  Lst_Periode.Clear();
  Lst_Periode.SetEnabled(false);
  Cdr_Periode.SetEnabled(false);
  Etq_DebutPeriode.SetEnabled(false);
  Cbo_DebutPeriode.SetListIndex(-1);
  Cbo_DebutPeriode.SetEnabled(false);
  // Emptying a year box empties its text as well as its list.
  Cbo_DebutAn.Clear();
  Cbo_DebutAn.SetText("");
  Cbo_DebutAn.SetEnabled(false);
  Etq_FinPeriode.SetEnabled(false);
  Cbo_FinPeriode.SetListIndex(-1);
  Cbo_FinPeriode.SetEnabled(false);
  Cbo_FinAn.Clear();
  Cbo_FinAn.SetText("");
  Cbo_FinAn.SetEnabled(false);
  Cmd_Lister.SetEnabled(false);
  Cdr_Select.SetEnabled(false);
  Cmd_Recherche.SetEnabled(false);
}

void SelectionScreen::Recherche_PreImp() {
  const std::string_view fichier = dba::files::kAssociation;
  const std::string phrase = "SSELECT " + std::string(fichier) + " AVEC 49 = \"1\"";
  const dba::DynArray result = LaBase(v_).ExecuteSentence(dba::QueryCommand(phrase, fichier), "");
  if (!result.Text().empty()) Cac_Preimp.SetValue(1);
}

// Asked for by the host's interface; the screen keeps nothing for them to do.
void SelectionScreen::Remplir_PeriodeAn() {}
void SelectionScreen::Vider_Zones() {}
void SelectionScreen::Gestion_Bdv() {}

void SelectionScreen::Verif_Zones() {
  W_Erreur = false;
  const bool moisDebut = !Cbo_DebutPeriode.Text().empty();
  const bool anDebut = !Cbo_DebutAn.Text().empty();
  const bool moisFin = !Cbo_FinPeriode.Text().empty();
  const bool anFin = !Cbo_FinAn.Text().empty();
  const struct {
    bool fails;
    const char* message;
    ui::Control& focus;
  } checks[] = {
      {!moisDebut && anDebut, "Le mois de début de période est obligatoire.", Cbo_DebutPeriode},
      {moisDebut && !anDebut, "L'année de début de période est obligatoire.", Cbo_DebutAn},
      {!moisFin && anFin, "Le mois de fin de période est obligatoire.", Cbo_FinPeriode},
      {moisFin && !anFin, "L'année de fin de période est obligatoire.", Cbo_FinAn},
      {!moisDebut && moisFin, "Le mois de début de période est obligatoire.", Cbo_FinPeriode},
      {!anDebut && anFin, "L'année de début de période est obligatoire.", Cbo_FinPeriode},
  };
  for (const auto& check : checks) {
    if (!check.fails) continue;
    ui::desktop().MessageBox(check.message, ui::kExclamation, kTitreMessage);
    check.focus.SetFocus();
    W_Erreur = true;
    return;
  }

  // A conversion that fails leaves its bound at 0, as the period check ignores its own
  // errors and goes on.
  std::string fin, debut;
  const dba::Conversion& conversion = dba::TheConversion();
  dba::RunStep([&] {
    fin = conversion.DateToDayNumber("01 " + Cbo_FinPeriode.Text() + " " + Cbo_FinAn.Text());
  });
  dba::RunStep([&] {
    debut = conversion.DateToDayNumber("01 " + Cbo_DebutPeriode.Text() + " " + Cbo_DebutAn.Text());
  });
  if (text::IntegerValue(fin).value_or(0) < text::IntegerValue(debut).value_or(0)) {
    ui::desktop().MessageBox(
        "La période de fin doit être supérieure ou égale à la période de début.", ui::kExclamation,
        kTitreMessage);
    Cbo_FinPeriode.SetFocus();
    W_Erreur = true;
  }
}

// Cdr_Periode_MouseDown, Cdr_Select_MouseDown, Cdr_Selection_MouseDown and
// UserControl_MouseDown: the right button pops the help menu up where it was pressed.
void SelectionScreen::Afficher_MenuAide(ui::Control& over, int button, int x, int y) {
  if (button != kBoutonDroit) return;
  Mnu_Aide.SetEnabled(true);
  Mnu_Sommaire.SetEnabled(true);
  ui::desktop().PopupMenu(Mnu_Aide, over, x, y);
}

}  // namespace vantelor
