#pragma once
// A selection screen over a small in-memory archive, for the search and listing tests:
// people, associations and payslips are written with domain verbs, the user's actions go
// through the controls, and the test desktop answers and records the message boxes.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "component/state/procedure.h"
#include "data/archive_files.h"
#include "data/sqlite_store.h"
#include "rights/rights.h"
#include "selection/selection_screen.h"
#include "ui/test_desktop.h"

namespace vantelor::testing {

// Rights that let through the access codes listed, and count the questions asked.
class DroitsDeTest : public rights::FunctionAccess {
 public:
  std::set<std::string> autorises;
  std::vector<std::string> questions;
  bool PersonAccess(const std::string& accessCode, int mode) override {
    EXPECT_EQ(mode, 0);
    questions.push_back(accessCode);
    return autorises.count(accessCode) > 0;
  }
};

// A file whose reads of the keys listed fail as a broken store would.
class FichierEnPanne : public dba::File {
 public:
  FichierEnPanne(std::shared_ptr<dba::File> inner, std::set<std::string> enPanne)
      : inner_(std::move(inner)), enPanne_(std::move(enPanne)) {}
  const std::string& Name() const override { return inner_->Name(); }
  dba::Record ReadRecord(std::string_view key) override {
    if (enPanne_.count(std::string(key))) {
      throw dba::Error(dba::kStorageFailure, "disk I/O error reading " + std::string(key));
    }
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
inline std::string AnMois(int an, int mois) {
  return std::to_string(an) + (mois < 10 ? "0" : "") + std::to_string(mois);
}
inline std::string Prestataire(const std::string& aidant, int an, int mois,
                               const std::string& association = "A01") {
  return aidant + "001" + AnMois(an, mois) + association;
}
inline std::string Mandataire(const std::string& aidant, int an, int mois,
                              const std::string& aide) {
  return aidant + "002" + AnMois(an, mois) + aide;
}

// One screen over its own database and test desktop. Tables make one scene per row.
class Scene {
 public:
  Scene() : db(dba::NewMemoryArchive()) {
    v.TheDatabase = db;
    v.DroitsFonction = droits;
    Ouvrir_Fichiers(v);
    ecran_ = std::make_unique<SelectionScreen>(v);
    // What Init does to the screen before the user comes in.
    ecran_->Desactiver_Periode();
    ecran_->Cmd_Imprimer.SetEnabled(false);
  }

  // Data. Civil records carry the title, last name and first name in attributes 1-3 and
  // the access code where the rights check reads it (31, or 40 for a care recipient).
  void Aidant(const std::string& code, const std::string& nom, const std::string& prenom,
              const std::string& acces = "ACC") {
    Ecrire("CIVILAIDANT", code, Civil("Mme", nom, prenom, 31, acces));
  }
  void Aide(const std::string& code, const std::string& nom, const std::string& prenom,
            const std::string& acces = "ACC") {
    Ecrire("CIVILAIDE", code, Civil("M.", nom, prenom, 40, acces));
  }
  void Association(const std::string& code, const std::string& nom) {
    dba::DynArray rec;
    rec.Set(1, nom);
    Ecrire("ASSOCIATION", code, rec);
  }
  // Files each key in both archive indexes (by caregiver, and by care recipient for a
  // "mandataire" key), in the order given within a month.
  void Bulletins(const std::vector<std::string>& cles) {
    for (const std::string& cle : cles) {
      const std::string an = cle.substr(8, 4);
      const int mois = std::stoi(cle.substr(12, 2));
      Indexer("AIDANTSARCHIVEBULL", cle.substr(0, 5) + an, mois, cle);
      if (cle.size() != 17) Indexer("AIDESARCHIVEBULL", cle.substr(14, 5) + an, mois, cle);
    }
  }
  void Ecrire(std::string_view fichier, const std::string& cle, const dba::DynArray& rec) {
    db->Write(fichier, cle, rec.Text());
  }
  // Every access code the test allows.
  void Autoriser(std::initializer_list<std::string> codes) {
    droits->autorises.insert(codes.begin(), codes.end());
  }

  // The user's actions.
  void Activites(bool mandataire, bool prestataire) {
    if ((ecran_->Cac_Mandataire.Value() == 1) != mandataire) ecran_->Cac_Mandataire.UserClick();
    if ((ecran_->Cac_Prestataire.Value() == 1) != prestataire) {
      ecran_->Cac_Prestataire.UserClick();
    }
  }
  void TaperAidant(const std::string& code) { ecran_->Txt_CodeAidant.UserType(code); }
  void TaperAide(const std::string& code) { ecran_->Txt_CodeAide.UserType(code); }
  void Rechercher() {
    ASSERT_TRUE(ecran_->Cmd_Recherche.AcceptsInput());
    ecran_->Cmd_Recherche.UserClick();
  }
  // Months 1-12 and years as the boxes offer them.
  void ChoisirPeriode(int moisDebut, const std::string& anDebut, int moisFin,
                      const std::string& anFin) {
    ecran_->Cbo_DebutPeriode.UserChoose(moisDebut - 1);
    ecran_->Cbo_DebutAn.UserChoose(IndexAnnee(ecran_->Cbo_DebutAn, anDebut));
    ecran_->Cbo_FinPeriode.UserChoose(moisFin - 1);
    ecran_->Cbo_FinAn.UserChoose(IndexAnnee(ecran_->Cbo_FinAn, anFin));
  }
  void Lister() {
    ASSERT_TRUE(ecran_->Cmd_Lister.AcceptsInput());
    ecran_->Cmd_Lister.UserClick();
  }

  // What the screen shows.
  std::vector<std::string> Annees() const { return ecran_->Cbo_DebutAn.Items(); }
  // The period chosen, as the four boxes show it: "Janvier 2003 - Mars 2004".
  std::string Periode() const {
    const SelectionScreen& e = *ecran_;
    return e.Cbo_DebutPeriode.Text() + " " + e.Cbo_DebutAn.Text() + " - " +
           e.Cbo_FinPeriode.Text() + " " + e.Cbo_FinAn.Text();
  }
  std::vector<std::string> ClesTrouvees() const {
    std::vector<std::string> cles;
    for (int i = 1; i <= ecran_->W_ListeBulletins.DCount(); ++i) {
      cles.push_back(ecran_->W_ListeBulletins(i));
    }
    return cles;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> textes;
    for (const ui::MessageRecord& m : desktop.Messages()) textes.push_back(m.text);
    return textes;
  }
  SelectionScreen& ecran() { return *ecran_; }

  std::shared_ptr<dba::SqliteDatabase> db;
  std::shared_ptr<DroitsDeTest> droits = std::make_shared<DroitsDeTest>();
  Variable v;
  ui::TestDesktop desktop;
  ui::ScopedDesktop installe{desktop};

 private:
  std::unique_ptr<SelectionScreen> ecran_;

  static dba::DynArray Civil(const std::string& titre, const std::string& nom,
                             const std::string& prenom, int attributAcces,
                             const std::string& acces) {
    dba::DynArray rec;
    rec.Set(1, titre);
    rec.Set(2, nom);
    rec.Set(3, prenom);
    rec.Set(attributAcces, acces);
    return rec;
  }
  void Indexer(std::string_view fichier, const std::string& cle, int mois,
               const std::string& valeur) {
    std::string texte;
    dba::DynArray rec;
    if (db->ReadText(fichier, cle, texte)) rec.SetText(texte);
    rec.Replace(mois, -1, 0, valeur);
    Ecrire(fichier, cle, rec);
  }
  static int IndexAnnee(const ui::ComboBox& box, const std::string& an) {
    const auto& items = box.Items();
    const auto it = std::find(items.begin(), items.end(), an);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
  }
};

}  // namespace vantelor::testing
