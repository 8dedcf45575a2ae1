#include "selection/selection_screen.h"

#include <initializer_list>

#include "state/procedure.h"
#include "text/text.h"

namespace vantelor {
namespace {

// Help context of the selection screen's own topic in Vantelor.HLP.
constexpr int kAideSelection = 10;

using Controles = std::initializer_list<ui::Control*>;

// Where one control sits: twips, relative to its frame when it has one.
struct Place {
  ui::Control& control;
  ui::Control* frame;
  int left, top, width, height;
};

}  // namespace

SelectionScreen::SelectionScreen(Variable& v) : ui::UserControl("Ctr_Vantelor"), v_(v) {
  Mnu_Aide.AddEntry(Mnu_Sommaire);
  Disposer();
  WireCriteria();
  WireLookup();
  WireSearch();
  WireListing();
  WireAfficheBull();
  WireBatchPrint();
}

SelectionScreen::~SelectionScreen() = default;

void SelectionScreen::Init() {
  Ouvrir_Fichiers(v_);
  Desactiver_Periode();
  Cmd_Imprimer.SetEnabled(false);
  W_ListeAidants = dba::DynArray();
  W_ListeAides = dba::DynArray();
  if (!W_CodeAidant.empty()) {
    Txt_CodeAidant.SetText(W_CodeAidant);
    Cbo_NomAidant.SetFocus();
  }
  Recherche_PreImp();
  if (Txt_CodeAidant.Enabled()) Txt_CodeAidant.SetFocus();
}

// The window as it was designed: geometry, fonts, tab order, help contexts and the
// initial state of the boxes. Set before the events are wired, so nothing runs.
void SelectionScreen::Disposer() {
  Move(0, 0, 9600, 6600);
  const std::initializer_list<Place> places = {
      {Cdr_Selection, nullptr, 120, 60, 2520, 1140},
      {Cac_Prestataire, &Cdr_Selection, 180, 330, 2100, 255},
      {Cac_Mandataire, &Cdr_Selection, 180, 690, 2100, 255},
      {Cdr_Individu, nullptr, 2760, 60, 6720, 1140},
      {Etq_Select, &Cdr_Individu, 180, 345, 720, 240},
      {Txt_CodeAidant, &Cdr_Individu, 960, 300, 840, 315},
      {Cbo_NomAidant, &Cdr_Individu, 1920, 300, 4620, 315},
      {Etq_Aide, &Cdr_Individu, 180, 735, 720, 240},
      {Txt_CodeAide, &Cdr_Individu, 960, 690, 840, 315},
      {Cbo_NomAide, &Cdr_Individu, 1920, 690, 4620, 315},
      {Cmd_Recherche, nullptr, 8040, 1380, 1440, 345},
      {Cdr_Periode, nullptr, 120, 1320, 7800, 780},
      {Etq_DebutPeriode, &Cdr_Periode, 180, 330, 300, 240},
      {Cbo_DebutPeriode, &Cdr_Periode, 540, 300, 1740, 315},
      {Cbo_DebutAn, &Cdr_Periode, 2370, 300, 1050, 315},
      {Etq_FinPeriode, &Cdr_Periode, 3900, 330, 300, 240},
      {Cbo_FinPeriode, &Cdr_Periode, 4260, 300, 1740, 315},
      {Cbo_FinAn, &Cdr_Periode, 6090, 300, 1050, 315},
      {Cmd_Lister, nullptr, 8040, 1770, 1440, 345},
      {Cdr_Select, nullptr, 120, 2220, 7800, 3780},
      {Etq_Periode, &Cdr_Select, 180, 285, 1500, 240},
      // Over the second column of Lst_Periode: 17 fixed-pitch characters in.
      {Etq_Employeur, &Cdr_Select, 1905, 285, 3000, 240},
      {Lst_Periode, &Cdr_Select, 180, 540, 7440, 3090},
      {Lst_CodeArchive, &Cdr_Select, 180, 540, 7440, 3090},
      {Cmd_Imprimer, nullptr, 8040, 2340, 1440, 345},
      {Cac_Preimp, nullptr, 180, 6135, 3300, 255},
      {Cmd_OK, nullptr, 8040, 5610, 1440, 345},
      {Cmd_Sortir, nullptr, 8040, 6060, 1440, 345},
  };
  int tab = 0;
  for (const Place& p : places) {
    p.control.SetContainer(p.frame);
    p.control.Move(p.left, p.top, p.width, p.height);
    p.control.SetTabIndex(tab++);
  }

  for (ui::Control* c :
       Controles{&Cbo_DebutPeriode, &Cbo_DebutAn, &Cbo_FinPeriode, &Cbo_FinAn, &Lst_Periode}) {
    c->SetFont(ui::kFixedFont);
  }
  for (ui::Control* c :
       Controles{&Txt_CodeAidant, &Cbo_NomAidant, &Txt_CodeAide, &Cbo_NomAide, &Cmd_Recherche,
                 &Cdr_Selection, &Cdr_Periode, &Cbo_DebutPeriode, &Cbo_DebutAn, &Cbo_FinPeriode,
                 &Cbo_FinAn, &Cmd_Lister, &Cdr_Select, &Lst_Periode, &Cmd_OK, &Cmd_Sortir}) {
    c->SetHelpContextID(kAideSelection);
  }

  // Screen readers: the code and name boxes of a person, and the month and year boxes of a
  // bound, stand after one label; each is named by that label and what it holds.
  for (auto [box, name] : {std::pair<ui::Control*, const char*>{&Txt_CodeAidant, "Aidant : code"},
                           {&Cbo_NomAidant, "Aidant : nom"},
                           {&Txt_CodeAide, "Aidé : code"},
                           {&Cbo_NomAide, "Aidé : nom"},
                           {&Cbo_DebutPeriode, "De : mois"},
                           {&Cbo_DebutAn, "De : année"},
                           {&Cbo_FinPeriode, "A : mois"},
                           {&Cbo_FinAn, "A : année"}}) {
    box->SetAccessibleName(name);
  }
  Txt_CodeAidant.SetMaxLength(5);
  Txt_CodeAide.SetMaxLength(5);
  for (int month = 1; month <= 12; ++month) {
    Cbo_DebutPeriode.AddItem(text::MonthName(month));
    Cbo_FinPeriode.AddItem(text::MonthName(month));
  }
  Lst_CodeArchive.SetVisible(false);
  // The help menu is enabled when it pops up; it is never shown in a menu bar.
  Mnu_Aide.SetEnabled(false);
  Mnu_Sommaire.SetEnabled(false);
  // Both activities are wanted most of the time; the user unticks the one not wanted.
  Cac_Prestataire.SetValue(1);
  Cac_Mandataire.SetValue(1);
}

}  // namespace vantelor
