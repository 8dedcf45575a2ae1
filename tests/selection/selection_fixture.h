#pragma once
// The selection screen over a small in-memory archive, seen through a FakeDatabase so that
// a test can make any call fail, with the test desktop installed and the files open, as
// Init leaves them. The user's rights let the access code "ACC" through and note every
// question asked.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/archive/archive_files.h"
#include "data/tools/new_archive.h"
#include "rights/rights.h"
#include "selection/selection_screen.h"
#include "state/procedure.h"
#include "support/fake_database.h"
#include "ui/test_desktop.h"

namespace vantelor::testing {

using Cles = std::vector<std::string>;
using testsupport::Call;

class DroitsDeTest : public rights::FunctionAccess {
 public:
  Cles questions;
  bool PersonAccess(const std::string& accessCode, int) override {
    questions.push_back(accessCode);
    return accessCode == "ACC";
  }
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

// One screen over its own database, with caregiver 00012, care recipients 00345 and
// 00346, and association A01, all allowed. Tables make one scene per row.
class Scene {
 public:
  Scene() {
    v.TheDatabase = db;
    v.DroitsFonction = droits;
    Ouvrir_Fichiers(v);
    ecran.Desactiver_Periode();  // as Init leaves the screen
    Aidant("00012", "DUPONT Marie");
    Aide("00345", "MARTIN Paul");
    Aide("00346", "BERNARD Luc");
    Put(dba::files::kAssociation, "A01", "ASSOCIATION DU VAL");
  }

  // Civil records: title, "LAST First", and the access code where the rights check reads
  // it (a care recipient's is the first 3 characters of attribute 40).
  void Aidant(const std::string& code, const std::string& nom, const std::string& acces = "ACC") {
    Civil(dba::files::kCivilAidant, code, "Mme", nom, 31, acces);
  }
  void Aide(const std::string& code, const std::string& nom, const std::string& acces = "ACC") {
    Civil(dba::files::kCivilAide, code, "M.", nom, 40, acces);
  }
  void Put(std::string_view file, const std::string& key, const std::string& text) {
    testsupport::Put(*db, file, key, text);
  }
  // Files each key in both archive indexes, in the order given within a month.
  void Bulletins(const Cles& cles) {
    for (const std::string& cle : cles) {
      Indexer(dba::files::kAidantsArchiveBull, cle.substr(0, 5) + cle.substr(8, 4), cle);
      if (cle.size() != 17) {
        Indexer(dba::files::kAidesArchiveBull, cle.substr(14, 5) + cle.substr(8, 4), cle);
      }
    }
  }
  // A caregiver code typed, then Recherche.
  void Rechercher(const std::string& aidant) {
    ecran.Txt_CodeAidant.UserType(aidant);
    ecran.Cmd_Recherche.UserClick();
  }
  // Lister over the period proposed.
  void Lister() { ecran.Cmd_Lister.UserClick(); }
  Cles ClesTrouvees() const {
    Cles cles;
    for (int i = 1; i <= ecran.W_ListeBulletins.DCount(); ++i)
      cles.push_back(ecran.W_ListeBulletins(i));
    return cles;
  }

  ui::TestDesktop desktop;
  ui::ScopedDesktop installe{desktop};
  std::shared_ptr<testsupport::FakeDatabase> db =
      std::make_shared<testsupport::FakeDatabase>(dba::NewMemoryArchive());
  std::shared_ptr<DroitsDeTest> droits = std::make_shared<DroitsDeTest>();
  Variable v;
  SelectionScreen ecran{v};

 private:
  void Civil(std::string_view fichier, const std::string& code, const std::string& titre,
             const std::string& nom, int attribut, const std::string& acces) {
    dba::DynArray rec;
    rec.Set(1, titre);
    rec.Set(2, nom.substr(0, nom.find(' ')));
    rec.Set(3, nom.substr(nom.find(' ') + 1));
    rec.Set(attribut, acces);
    Put(fichier, code, rec.Text());
  }
  void Indexer(std::string_view fichier, const std::string& cle, const std::string& valeur) {
    dba::DynArray rec(testsupport::Stored(*db, fichier, cle));
    if (rec.Text() == "<none>") rec = dba::DynArray();
    rec.Replace(std::stoi(valeur.substr(12, 2)), -1, 0, valeur);
    Put(fichier, cle, rec.Text());
  }
};

}  // namespace vantelor::testing
