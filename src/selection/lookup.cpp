// Caregiver and care-recipient lookup: the code checks, the name searches and the name
// choices. The two sides are twins; a Jumeau says what differs between them, and each
// procedure below is written once for both.
#include <algorithm>

#include "data/archive/archive_files.h"
#include "data/archive/civil_record.h"
#include "rights/person_access.h"
#include "selection/name_search.h"
#include "selection/selection_screen.h"
#include "state/procedure.h"
#include "text/text.h"
#include "ui/busy.h"

namespace vantelor {
namespace {

struct Jumeau {
  ui::TextBox& code;
  ui::ComboBox& nom;
  dba::DynArray& liste;
  const std::shared_ptr<dba::File>& fichierCivil;
  dba::Record& fiche;  // the shared civil record of this side
  dba::PersonKind personne;
  std::string_view index;        // archive index searched by name
  std::string_view rubriqueNom;  // its dictionary item: last and first name in capitals
  const char* inexistant;        // message for a code with no civil record
  const char* refuse;            // message for a person outside the user's rights
  bool aide;                     // the care-recipient side, where the twins differ
};

Jumeau Aidant(SelectionScreen& s) {
  Variable& v = s.var();
  return {s.Txt_CodeAidant,
          s.Cbo_NomAidant,
          s.W_ListeAidants,
          v.Fic_CivilAidant,
          v.Enr_CivilAidant,
          dba::PersonKind::kCaregiver,
          dba::files::kAidantsArchiveBull,
          dba::kNomPrenomAidantArchBull,
          "Cet aidant n'existe pas.",
          "Vous n'êtes pas autorisé à accéder à cet aidant.",
          false};
}

Jumeau Aide(SelectionScreen& s) {
  Variable& v = s.var();
  return {s.Txt_CodeAide,
          s.Cbo_NomAide,
          s.W_ListeAides,
          v.Fic_CivilAide,
          v.Enr_CivilAide,
          dba::PersonKind::kCareRecipient,
          dba::files::kAidesArchiveBull,
          dba::kNomPrenomAideArchBull,
          "Cet aidé n'existe pas.",
          "Vous n'êtes pas autorisé à accéder à cet aidé.",
          true};
}

// Reads the civil record of `code` into the side's shared record: false when there is
// none. Any other failure is raised.
bool LireFiche(const Jumeau& j, const std::string& code) {
  std::optional<dba::Record> fiche =
      FichierOuvert(j.fichierCivil, dba::CivilFile(j.personne)).Find(code);
  if (!fiche) return false;
  j.fiche = std::move(*fiche);
  return true;
}

// The code is not accepted: it is cleared (which resets the name) and takes the focus.
void Effacer(const Jumeau& j) {
  j.code.SetText("");
  j.code.SetFocus();
}

void Accepter(SelectionScreen& s, const Jumeau& j) {
  const dba::CivilView personne(j.fiche);
  const std::string nom = personne.DisplayName();
  if (j.nom.ListCount() == 0) {
    j.liste = dba::DynArray();
    j.liste.Set(1, 1, personne.Code());
    j.liste.Set(1, 2, personne.LastName());
    j.liste.Set(1, 3, personne.FirstName());
    j.nom.AddItem(nom);
  }
  j.nom.SetText(nom);
  s.Cmd_OK.SetEnabled(true);
  ui::BusyBracket busy(s);
  s.Gestion_Recherche();
  busy.End();
  j.code.SetFocus();
}

// Txt_CodeAidant_Change / Txt_CodeAide_Change.
void ControleCode(SelectionScreen& s, const Jumeau& j) {
  const std::string code = j.code.Text();
  if (text::Length(code) != 5) {
    s.Desactiver_Periode();
    j.nom.SetText("");
    s.Gestion_Recherche();
    return;
  }
  s.Desactiver_Periode();
  if ((j.aide ? text::Trim(code) : code).empty()) {
    j.nom.SetText("");
    return;
  }
  // A person is accepted only once its record and its rights were read: a failure of
  // either (other than a missing record) leaves the code unselected and goes to the host.
  bool existe = false, permis = false;
  try {
    existe = LireFiche(j, code);
    permis = existe && rights::MaySee(s.var().DroitsFonction.get(), j.personne, j.fiche);
  } catch (const dba::Error&) {
    Effacer(j);
    throw;
  }
  if (!existe) {
    ui::desktop().MessageBox(j.inexistant, ui::kExclamation, kTitreMessage);
    Effacer(j);
  } else if (!permis) {
    ui::desktop().MessageBox(j.refuse, ui::kCritical, kTitreMessage);
    Effacer(j);
  } else {
    Accepter(s, j);
  }
}

// Fills the name box from the name list, dropping the persons whose civil record is
// missing, so that item k always stands for entry k + 1.
void RemplirNoms(const Jumeau& j) {
  if (j.liste(1, 1).empty()) return;
  for (int e = 1; e <= j.liste.DCount();) {
    if (!LireFiche(j, j.liste(e, 1))) {
      j.liste.Delete(e);
      continue;
    }
    const dba::CivilView personne(j.fiche);
    j.liste.Set(e, 2, personne.LastName());
    j.liste.Set(e, 3, personne.FirstName());
    j.nom.AddItem(personne.DisplayName());
    ++e;
  }
}

// Recherche_NomAidant / Recherche_NomAide.
void RechercheNom(SelectionScreen& s, const Jumeau& j) {
  // An empty caregiver name keeps the list that the box's items stand for: a new list
  // behind the old items would make a choice pick another person.
  const bool remplir = j.aide || !j.nom.Text().empty();
  if (remplir) {
    j.liste = ChercherNoms(LaBase(s.var()), j.index, j.rubriqueNom, j.nom.Text());
    j.nom.Clear();
  }
  if (j.aide) j.code.SetText("");
  if (remplir) RemplirNoms(j);
  if (!j.aide) j.code.SetText("");
  if (j.nom.ListCount() == 1) j.code.SetText(j.liste(1, 1));
}

void ReformaterCode(const Jumeau& j) { j.code.SetText(FormatCode(j.code.Text())); }

// The handlers of one side's code box and name box.
void Relier(SelectionScreen& s, Jumeau (*side)(SelectionScreen&)) {
  const Jumeau j = side(s);
  j.code.OnKeyPress = [&s, side](int& key) {
    if (key == ui::kKeyEnter) ReformaterCode(side(s));
  };
  j.code.OnKeyUp = [&s, side](int) {
    const Jumeau j = side(s);
    if (text::Trim(j.code.Text()).empty()) j.nom.SetText("");
  };
  j.code.OnLostFocus = [&s, side] {
    const Jumeau j = side(s);
    if (!j.code.Text().empty() && text::Length(j.code.Text()) < 5) ReformaterCode(j);
    if (text::Trim(j.code.Text()).empty()) j.nom.SetText("");
  };
  j.nom.OnChange = [&s, side] {
    const Jumeau j = side(s);
    if (j.nom.Text().empty()) j.code.SetText("");
  };
  j.nom.OnKeyPress = [&s, side](int& key) {
    if (key != ui::kKeyEnter) return;
    ui::BusyBracket busy(s);
    RechercheNom(s, side(s));
    busy.End();
  };
}

}  // namespace

void SelectionScreen::WireLookup() {
  Relier(*this, Aidant);
  Relier(*this, Aide);
  Txt_CodeAidant.OnChange = [this] { Txt_CodeAidant_Change(); };
  Txt_CodeAide.OnChange = [this] { Txt_CodeAide_Change(); };
  Cbo_NomAidant.OnClick = [this] { Cbo_NomAidant_Click(); };
  Cbo_NomAide.OnClick = [this] { Cbo_NomAide_Click(); };
}

void SelectionScreen::Txt_CodeAidant_Change() { ControleCode(*this, Aidant(*this)); }
void SelectionScreen::Txt_CodeAide_Change() { ControleCode(*this, Aide(*this)); }
void SelectionScreen::Recherche_NomAidant() { RechercheNom(*this, Aidant(*this)); }
void SelectionScreen::Recherche_NomAide() { RechercheNom(*this, Aide(*this)); }

void SelectionScreen::Cbo_NomAidant_Click() {
  const int p = Cbo_NomAidant.ListIndex();
  const std::string code = p >= 0 ? W_ListeAidants(p + 1, 1) : "";
  if (code != Txt_CodeAidant.Text()) {
    Lst_Periode.Clear();
    Txt_CodeAidant.SetText(code);
  }
  if (!Cbo_NomAidant.Text().empty()) {
    Cmd_Imprimer.SetEnabled(true);
  } else {
    Txt_CodeAidant.SetText("");
  }
}

void SelectionScreen::Cbo_NomAide_Click() {
  const int p = Cbo_NomAide.ListIndex();
  // Clearing the code runs its check, which empties the name box: the name chosen is
  // taken first, or the choice would be lost whenever a care recipient was selected.
  const std::string choisi = Cbo_NomAide.Text();
  Lst_Periode.Clear();
  Txt_CodeAide.SetText("");
  if (!choisi.empty()) {
    Txt_CodeAide.SetText(p >= 0 ? W_ListeAides(p + 1, 1) : "");
    Cmd_Imprimer.SetEnabled(true);
  } else {
    Txt_CodeAide.SetText("");
  }
}

}  // namespace vantelor
