#include "selection/selection_screen.h"

#include "data/archive/archive_files.h"
#include "data/archive/archive_key.h"
#include "data/archive/civil_record.h"
#include "data/archive/index_record.h"
#include "data/core/error.h"
#include "data/core/step.h"
#include "rights/person_access.h"
#include "selection/key_list.h"
#include "selection/search_tally.h"
#include "state/procedure.h"
#include "text/text.h"
#include "ui/busy.h"

namespace vantelor {

// Gestion_Recherche is run by the person lookup after every code check; it stays first
// in this file, apart from the search itself.
void SelectionScreen::Gestion_Recherche() {
  Cmd_Recherche.SetEnabled(!Txt_CodeAidant.Text().empty() || !Txt_CodeAide.Text().empty());
}

// ---- Payslip search, OK and Sortir

namespace {

constexpr int kLongueurCode = 5;

std::string PhraseRecherche(std::string_view fichier, std::string_view code) {
  return "SELECT " + std::string(fichier) + " AVEC 0 = \"" + std::string(code) + "]\" PAR-DECR 0";
}

// Adds a newly offered year to both year boxes at its place in the list of years.
void OffrirAnnee(ui::ComboBox& debut, ui::ComboBox& fin, const BilanRecherche& bilan,
                 int position) {
  const auto& annees = bilan.Annees();
  if (position == static_cast<int>(annees.size()) - 1) {
    debut.AddItem(annees.back());
    fin.AddItem(annees.back());
    return;
  }
  // Only a search across several people finds a year newer than one already offered.
  debut.Clear();
  fin.Clear();
  for (const std::string& annee : annees) {
    debut.AddItem(annee);
    fin.AddItem(annee);
  }
}

// A search by care recipient takes every payslip; one by caregiver takes those of the
// activities ticked, and only "mandataire" ones of the care recipient when one is given.
bool BulletinAccepte(const SelectionScreen& s, bool parAide, std::string_view texte) {
  if (parAide) return true;
  const std::string& aide = s.Txt_CodeAide.Text();
  const dba::ArchiveKey cle(texte);
  if (cle.IsPrestataire()) return s.Cac_Prestataire.Value() == 1 && aide.empty();
  return s.Cac_Mandataire.Value() == 1 && (aide.empty() || cle.CareRecipientCode() == aide);
}

// The years run newest first: the default period goes from January of the year before
// the newest one up to the newest month found. Choosing the items runs the period boxes'
// own handling, which enables Lister.
void ProposerPeriode(SelectionScreen& s, int moisDernier) {
  s.Cbo_DebutPeriode.SetListIndex(0);
  s.Cbo_DebutAn.SetListIndex(s.Cbo_DebutAn.ListCount() >= 2 ? 1 : 0);
  s.Cbo_FinPeriode.SetListIndex(moisDernier - 1);
  s.Cbo_FinAn.SetListIndex(0);
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &s.Cdr_Periode, &s.Etq_DebutPeriode, &s.Cbo_DebutPeriode, &s.Cbo_DebutAn,
           &s.Etq_FinPeriode, &s.Cbo_FinPeriode, &s.Cbo_FinAn}) {
    c->SetEnabled(true);
  }
}

}  // namespace

void SelectionScreen::WireSearch() {
  Cmd_Recherche.OnClick = [this] { Cmd_Recherche_Click(); };
  Cmd_OK.OnClick = [this] { Cmd_OK_Click(); };
  Cmd_Sortir.OnClick = [this] { Cmd_Sortir_Click(); };
}

void SelectionScreen::Cmd_Recherche_Click() {
  if (Cac_Mandataire.Value() != 1 && Cac_Prestataire.Value() != 1) {
    ui::desktop().MessageBox("Vous devez choisir une activité.", ui::kInformation, "");
    return;
  }
  ui::BusyBracket busy(*this);
  Desactiver_Periode();
  Cmd_Recherche.SetEnabled(true);
  Rechercher();
  busy.End();
}

void SelectionScreen::Rechercher() {
  // A database error ends the search where it stands; the screen keeps what it got. A
  // server gone away, or an archive busy with another operation, is the exception: it
  // reaches the host, which tells the clerk, for a search that silently stops would read
  // as "no payslip".
  const auto etape = [this](const std::string& etre) {
    try {
      Recherche_Bulletin(etre);
    } catch (const dba::Error& e) {
      if (e.code() == dba::kConnectionLost || e.code() == dba::kArchiveBusy) throw;
    }
  };
  if (!Txt_CodeAidant.Text().empty()) {
    etape("AIDANT");
  } else if (!Txt_CodeAide.Text().empty()) {
    etape("AIDE");
  }
}

void SelectionScreen::Recherche_Bulletin(const std::string& Etre, const std::string& W_Couple) {
  (void)W_Couple;  // part of the public signature, never read
  W_ListeBulletins = dba::DynArray();
  if (Etre != "AIDANT" && Etre != "AIDE") {
    throw dba::Error(dba::kBadArgument,
                     "Recherche_Bulletin: unknown person kind \"" + Etre + "\" (AIDANT or AIDE)");
  }
  const bool parAide = Etre == "AIDE";
  const std::string code = parAide ? Txt_CodeAide.Text() : Txt_CodeAidant.Text();
  const std::string_view nomIndex =
      parAide ? dba::files::kAidesArchiveBull : dba::files::kAidantsArchiveBull;
  dba::File& index =
      FichierOuvert(parAide ? v_.Fic_AidesArchiveBull : v_.Fic_AidantsArchiveBull, nomIndex);
  const dba::DynArray cles =
      LaBase(v_).ExecuteSentence(dba::QueryCommand(PhraseRecherche(nomIndex, code), nomIndex));

  // A whole code went through the rights check when it was typed; a partial one reaches
  // other people, so each person its index keys name (characters 1-5) is asked about.
  const bool codeComplet = text::Length(code) == kLongueurCode;
  const dba::PersonKind personne =
      parAide ? dba::PersonKind::kCareRecipient : dba::PersonKind::kCaregiver;
  std::optional<rights::PersonCheck> personnes;
  const auto autorise = [&](std::string_view cleIndex) {
    if (codeComplet) return true;
    if (!personnes) {
      const auto& civil = parAide ? v_.Fic_CivilAide : v_.Fic_CivilAidant;
      personnes.emplace(personne, FichierOuvert(civil, dba::CivilFile(personne)),
                        v_.DroitsFonction.get());
    }
    return personnes->MaySee(text::Left(cleIndex, kLongueurCode));
  };
  BilanRecherche bilan;
  {
    ListeCles liste(W_ListeBulletins);
    PourChaqueAttribut(cles, [&](std::string_view cleIndex) {
      if (!autorise(cleIndex)) return;
      const dba::Record enregistrement = index.ReadRecord(cleIndex);
      const std::string annee = dba::IndexView(enregistrement).Year();
      for (int mois = 12; mois >= 1; --mois) {
        const std::string valeurs = enregistrement.Extract(mois);
        PourChaqueChamp(valeurs, dba::kValueMark, [&](std::string_view cle) {
          if (!BulletinAccepte(*this, parAide, cle)) return;
          if (const int position = bilan.AjouterAnnee(annee); position >= 0) {
            OffrirAnnee(Cbo_DebutAn, Cbo_FinAn, bilan, position);
          }
          if (cle.empty()) return;
          bilan.NoterPeriode(annee + text::ZeroPadded(mois, 2));
          liste.Ajouter(cle);
        });
      }
    });
  }
  if (Cbo_DebutAn.ListCount() == 0) {
    ui::desktop().MessageBox("Aucun bulletin correspondant aux critères.", ui::kExclamation,
                             kTitreMessage);
    return;
  }
  ProposerPeriode(*this, bilan.MoisDernierePeriode());
}

void SelectionScreen::Cmd_OK_Click() {
  Txt_CodeAidant.SetText("");
  Txt_CodeAide.SetText("");
  Txt_CodeAidant.SetFocus();
}

void SelectionScreen::Cmd_Sortir_Click() {
  W_ListeAidants = dba::DynArray();
  W_ListeAides = dba::DynArray();
  W_Sortir = true;
  ui::desktop().CloseHostWindow();
}

}  // namespace vantelor
