#pragma once
// A selection screen over a small in-memory archive, for the search and listing tests:
// people and payslips are written with domain verbs, the user's actions go through the
// controls, and the test desktop answers and records the message boxes.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/archive_files.h"
#include "data/sqlite_store.h"
#include "rights/rights.h"
#include "selection/selection_screen.h"
#include "state/procedure.h"
#include "ui/test_desktop.h"

namespace vantelor::testing {

using Cles = std::vector<std::string>;

// Rights that let the access code "ACC" through and record the questions asked.
class DroitsDeTest : public rights::FunctionAccess {
 public:
  std::vector<std::string> questions;
  bool PersonAccess(const std::string& accessCode, int mode) override {
    EXPECT_EQ(mode, 0);
    questions.push_back(accessCode);
    return accessCode == "ACC";
  }
};

// A file whose reads of the keys listed fail as a broken store would.
class FichierEnPanne : public dba::File {
 public:
  FichierEnPanne(std::shared_ptr<dba::File> inner, std::set<std::string> enPanne)
      : inner_(std::move(inner)), enPanne_(std::move(enPanne)) {}
  const std::string& Name() const override { return inner_->Name(); }
  dba::Record ReadRecord(std::string_view key) override {
    if (enPanne_.count(std::string(key))) throw dba::Error(dba::kStorageFailure, "disk I/O error");
    return inner_->ReadRecord(key);
  }
  dba::Record NewRecord(std::string_view key) override { return inner_->NewRecord(key); }
  void DeleteRecord(std::string_view key) override { inner_->DeleteRecord(key); }
  void WriteRecord(std::string_view key, std::string_view text) override {
    inner_->WriteRecord(key, text);
  }

 private:
  std::shared_ptr<dba::File> inner_;
  std::set<std::string> enPanne_;
};

// Archive keys as the payroll builds them: caregiver, contract, year, month, then the
// association (a "prestataire" key of 17 characters) or the care recipient.
inline std::string Prestataire(const std::string& aidant, int an, int mois,
                               const std::string& association = "A01") {
  return aidant + "001" + std::to_string(an * 100 + mois) + association;
}
inline std::string Mandataire(const std::string& aidant, int an, int mois,
                              const std::string& aide) {
  return aidant + "002" + std::to_string(an * 100 + mois) + aide;
}

// One screen over its own database, with a caregiver, two care recipients and an
// association the rights allow. Tables make one scene per row.
class Scene {
 public:
  Scene() : db(dba::NewMemoryArchive()) {
    v.TheDatabase = db;
    v.DroitsFonction = droits;
    Ouvrir_Fichiers(v);
    ecran_ = std::make_unique<SelectionScreen>(v);
    ecran_->Desactiver_Periode();  // as Init leaves the screen
    Aidant("00012", "DUPONT", "Marie");
    Aide("00345", "MARTIN", "Paul");
    Aide("00346", "BERNARD", "Luc");
    dba::DynArray association;
    association.Set(1, "ASSOCIATION DU VAL");
    db->Write("ASSOCIATION", "A01", association.Text());
  }

  // Civil records: title, last name, first name, access code where the rights check reads it.
  void Aidant(const std::string& code, const std::string& nom, const std::string& prenom,
              const std::string& acces = "ACC") {
    Civil("CIVILAIDANT", code, {"Mme", nom, prenom}, 31, acces);
  }
  void Aide(const std::string& code, const std::string& nom, const std::string& prenom,
            const std::string& acces = "ACC") {
    Civil("CIVILAIDE", code, {"M.", nom, prenom}, 40, acces);
  }
  // Files each key in both archive indexes, in the order given within a month.
  void Bulletins(const Cles& cles) {
    for (const std::string& cle : cles) {
      Indexer("AIDANTSARCHIVEBULL", cle.substr(0, 5) + cle.substr(8, 4), cle);
      if (cle.size() != 17) Indexer("AIDESARCHIVEBULL", cle.substr(14, 5) + cle.substr(8, 4), cle);
    }
  }

  void Activites(bool mandataire, bool prestataire) {
    if ((ecran_->Cac_Mandataire.Value() == 1) != mandataire) ecran_->Cac_Mandataire.UserClick();
    if ((ecran_->Cac_Prestataire.Value() == 1) != prestataire) ecran_->Cac_Prestataire.UserClick();
  }
  // A code typed in each box ("" = none), then Recherche.
  void Rechercher(const std::string& aidant, const std::string& aide = "") {
    if (!aidant.empty()) ecran_->Txt_CodeAidant.UserType(aidant);
    if (!aide.empty()) ecran_->Txt_CodeAide.UserType(aide);
    ASSERT_TRUE(ecran_->Cmd_Recherche.AcceptsInput());
    ecran_->Cmd_Recherche.UserClick();
  }
  // Months 1-12 and years as the boxes offer them, then Lister.
  void Lister(int moisDebut, const std::string& anDebut, int moisFin, const std::string& anFin) {
    ecran_->Cbo_DebutPeriode.UserChoose(moisDebut - 1);
    ecran_->Cbo_DebutAn.UserChoose(IndexAnnee(ecran_->Cbo_DebutAn, anDebut));
    ecran_->Cbo_FinPeriode.UserChoose(moisFin - 1);
    ecran_->Cbo_FinAn.UserChoose(IndexAnnee(ecran_->Cbo_FinAn, anFin));
    Lister();
  }
  void Lister() {
    ASSERT_TRUE(ecran_->Cmd_Lister.AcceptsInput());
    ecran_->Cmd_Lister.UserClick();
  }

  // The period chosen, as the four boxes show it: "Janvier 2003 - Mars 2004".
  std::string Periode() const {
    const SelectionScreen& e = *ecran_;
    return e.Cbo_DebutPeriode.Text() + " " + e.Cbo_DebutAn.Text() + " - " +
           e.Cbo_FinPeriode.Text() + " " + e.Cbo_FinAn.Text();
  }
  Cles ClesTrouvees() const {
    Cles cles;
    for (int i = 1; i <= ecran_->W_ListeBulletins.DCount(); ++i) {
      cles.push_back(ecran_->W_ListeBulletins(i));
    }
    return cles;
  }
  SelectionScreen& ecran() { return *ecran_; }

  std::shared_ptr<dba::SqliteDatabase> db;
  std::shared_ptr<DroitsDeTest> droits = std::make_shared<DroitsDeTest>();
  Variable v;
  ui::TestDesktop desktop;
  ui::ScopedDesktop installe{desktop};

 private:
  std::unique_ptr<SelectionScreen> ecran_;

  void Civil(std::string_view fichier, const std::string& code, const Cles& noms, int attribut,
             const std::string& acces) {
    dba::DynArray rec;
    for (int i = 0; i < 3; ++i) rec.Set(i + 1, noms[i]);
    rec.Set(attribut, acces);
    db->Write(fichier, code, rec.Text());
  }
  void Indexer(std::string_view fichier, const std::string& cle, const std::string& valeur) {
    std::string texte;
    dba::DynArray rec;
    if (db->ReadText(fichier, cle, texte)) rec.SetText(texte);
    rec.Replace(std::stoi(valeur.substr(12, 2)), -1, 0, valeur);
    db->Write(fichier, cle, rec.Text());
  }
  static int IndexAnnee(const ui::ComboBox& box, const std::string& an) {
    const auto& items = box.Items();
    const auto it = std::find(items.begin(), items.end(), an);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
  }
};

}  // namespace vantelor::testing
