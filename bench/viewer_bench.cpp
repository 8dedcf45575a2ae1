// Loading and filling the viewer for a payslip of 60 body lines, on the headless desktop:
// construction, layout, the header, the seven columns and the footer. Target: ≤ 1 ms.

#include <benchmark/benchmark.h>

#include "state/variable.h"
#include "support/payslip_record.h"
#include "viewer/frm_visualisation_bulletin.h"
#include "viewer/verifier_bulletin.h"

namespace {

// 60 body lines with every section: contributions, totals, net section with income tax,
// payment detail.
testsupport::Lines SixtyLines() {
  testsupport::Lines lines = {"Salaire de base|8667||||75836|", "%",
                              "<bold>COTISATIONS SOCIALES||||||"};
  for (int i = 1; lines.size() < 50; ++i)
    lines.push_back("<decal>Cotisation " + std::to_string(i) + "|83420|" +
                    std::to_string(100 * i) + "|" + std::to_string(83 * i) + "|750||-" +
                    std::to_string(62 * i));
  lines.push_back("TOTAL DES COTISATIONS|||33781||83420|-17931");
  lines.push_back("SALAIRE TOTAL NET|65489");
  lines.push_back("Impôt sur le revenu|Base|Taux|Montant");
  lines.push_back("Impôt sur le revenu prélevé à la source|65489|1250|819");
  lines.push_back("NET A PAYER|12345678");
  lines.push_back("*");
  lines.push_back("DETAIL DES PAIEMENTS||||||");
  lines.push_back("Virement du 05/04/2003|||||66989|");
  lines.push_back("MONTANT NET SOCIAL|65489");
  lines.push_back("Acompte|10000");
  return lines;
}

void BM_LoadViewer60Lines(benchmark::State& state) {
  vantelor::Variable v;
  const dba::DynArray record = testsupport::PayslipRecord(SixtyLines());
  v.Enr_ArchiveBull = dba::Record(nullptr, "0001200120030300101", record.Text());
  for (auto _ : state) {
    vantelor::Frm_VisualisationBulletin viewer(v);
    viewer.Load();
    viewer.Init();
    benchmark::DoNotOptimize(viewer.Lst_ADeduire.ListCount());
  }
}
BENCHMARK(BM_LoadViewer60Lines)->Unit(benchmark::kMicrosecond);

// The check the selection screen makes before it opens the viewer.
void BM_CheckPayslip60Lines(benchmark::State& state) {
  const dba::DynArray record = testsupport::PayslipRecord(SixtyLines());
  for (auto _ : state) benchmark::DoNotOptimize(vantelor::Verifier_Bulletin(record));
}
BENCHMARK(BM_CheckPayslip60Lines)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
