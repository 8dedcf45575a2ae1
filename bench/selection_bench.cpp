// The selection screen's search and listing on a large archive: "Recherche" then "Lister"
// over the default period, on the headless desktop, for a caregiver with ten years of
// payslips and for a care recipient. Target: at most 5 ms each.
//
// The archive is the demo generator's at scale 2000 (2000 caregivers, 8000 care
// recipients, 2011-2020), made once and kept in VANTELOR_BENCH_DB (default
// selection_bench_2000.db in the working directory) for the following runs.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "component/state/procedure.h"
#include "data/archive_files.h"
#include "data/demo/demo_archive.h"
#include "data/sqlite_store.h"
#include "rights/rights.h"
#include "selection/selection_screen.h"
#include "ui/test_desktop.h"

namespace {

constexpr int kScale = 2000;

std::string CheminArchive() {
  const char* chemin = std::getenv("VANTELOR_BENCH_DB");
  return chemin && *chemin ? chemin : "selection_bench_2000.db";
}

std::shared_ptr<dba::SqliteDatabase> Archive() {
  static const std::shared_ptr<dba::SqliteDatabase> archive = [] {
    const std::string chemin = CheminArchive();
    if (std::filesystem::exists(chemin)) {
      return dba::OpenSqliteDatabase(chemin, dba::OpenMode::kExisting);
    }
    // Built aside and renamed, so that an interrupted run leaves no half-made archive.
    const std::string provisoire = chemin + ".building";
    std::filesystem::remove(provisoire);
    {
      auto db = dba::OpenSqliteDatabase(provisoire);
      dba::CreateArchiveFiles(*db);
      dba::demo::SeedDemoArchive(*db, {kScale, 1});
    }
    for (const char* suffixe : {"-wal", "-shm"}) std::filesystem::remove(provisoire + suffixe);
    std::filesystem::rename(provisoire, chemin);
    return dba::OpenSqliteDatabase(chemin, dba::OpenMode::kExisting);
  }();
  return archive;
}

// The person of an archive index with the most years of payslips (the first such code).
std::string PersonneLaPlusAncienne(dba::SqliteDatabase& db, const std::string& index) {
  std::map<std::string, int> annees;
  for (const std::string& cle : db.SelectKeys("SSELECT " + index)) ++annees[cle.substr(0, 5)];
  std::string meilleure;
  int plus = 0;
  for (const auto& [code, n] : annees) {
    if (n > plus) meilleure = code, plus = n;
  }
  return meilleure;
}

// A user who may see everyone.
class ToutVoir : public rights::FunctionAccess {
 public:
  bool PersonAccess(const std::string&, int) override { return true; }
};

// One selection screen over the archive, as Init leaves it.
struct Poste {
  Poste() {
    v.TheDatabase = Archive();
    v.DroitsFonction = std::make_shared<ToutVoir>();
    vantelor::Ouvrir_Fichiers(v);
    ecran = std::make_unique<vantelor::SelectionScreen>(v);
    ecran->Desactiver_Periode();
  }
  ui::TestDesktop desktop;
  ui::ScopedDesktop installe{desktop};
  vantelor::Variable v;
  std::unique_ptr<vantelor::SelectionScreen> ecran;
};

void RechercheEtListe(benchmark::State& state, bool parAide) {
  Poste poste;
  vantelor::SelectionScreen& e = *poste.ecran;
  const std::string index = parAide ? "AIDESARCHIVEBULL" : "AIDANTSARCHIVEBULL";
  const std::string code = PersonneLaPlusAncienne(*Archive(), index);
  (parAide ? e.Txt_CodeAide : e.Txt_CodeAidant).SetText(code);
  for (auto _ : state) {
    e.Cmd_Recherche.UserClick();
    e.Cmd_Lister.UserClick();
  }
  if (e.Lst_Periode.ListCount() == 0 || !poste.desktop.Messages().empty() ||
      !poste.desktop.Errors().empty()) {
    state.SkipWithError(("nothing listed for " + code).c_str());
    return;
  }
  state.SetLabel(code + ", " + std::to_string(e.Cbo_DebutAn.ListCount()) + " years, " +
                 e.Cbo_DebutPeriode.Text() + " " + e.Cbo_DebutAn.Text() + " - " +
                 e.Cbo_FinPeriode.Text() + " " + e.Cbo_FinAn.Text());
  state.counters["payslips"] = e.W_ListeBulletins.DCount();
  state.counters["lines"] = e.Lst_Periode.ListCount();
}

void BM_RechercheListe_Aidant(benchmark::State& state) { RechercheEtListe(state, false); }
void BM_RechercheListe_Aide(benchmark::State& state) { RechercheEtListe(state, true); }

BENCHMARK(BM_RechercheListe_Aidant)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RechercheListe_Aide)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
