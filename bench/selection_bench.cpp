// The selection screen's search and listing on a large archive: "Recherche" then "Lister"
// over the default period, on the headless desktop, for a caregiver with ten years of
// payslips and for a care recipient. Target: at most 5 ms each.
//
// The archive is the benchmarks' shared demo archive at scale 2000 (2000 caregivers, 8000
// care recipients, 2011-2020; bench_support.h). Times are judged on CPU time: the wall
// time of a shared machine also counts the waits for a core.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "bench_support.h"
#include "data/store/open_database.h"
#include "rights/rights.h"
#include "selection/selection_screen.h"
#include "state/procedure.h"
#include "ui/test_desktop.h"

namespace {

std::shared_ptr<dba::AdminDatabase> Archive() {
  static const std::shared_ptr<dba::AdminDatabase> archive =
      dba::OpenNamedDatabase(bench::PreparedDatabase(), dba::OpenMode::kExisting);
  return archive;
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
  const std::string code = bench::HeaviestPerson(*Archive(), index);
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
  state.SetLabel("target 5 ms; " + code + ", " + std::to_string(e.Cbo_DebutAn.ListCount()) +
                 " years, " + e.Cbo_DebutPeriode.Text() + " " + e.Cbo_DebutAn.Text() + " - " +
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
