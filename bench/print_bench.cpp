// Printing speed: demo payslips drawn as the printed form into one PDF, through the print
// control as the screens call it. Target: 1,000 payslips in one PDF at 200 payslips a
// second or more on one core, and memory that does not grow with the batch (pages are
// written as they are drawn). The counter peak_rss_MB is the process's peak resident
// memory after each batch size, smallest batch first: it must stay flat.
#include <QGuiApplication>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>

#include "data/archive/archive_files.h"
#include "data/core/admin_database.h"
#include "data/tools/demo/demo_archive.h"
#include "data/tools/new_archive.h"
#include "printing/pdf/pdf_print_control.h"

namespace {

namespace fs = std::filesystem;

// The demo archive at a benchmark scale, made once; its payslip keys in key order.
struct DemoArchive {
  std::shared_ptr<dba::AdminDatabase> db = dba::NewMemoryArchive();
  std::vector<std::string> keys;
  DemoArchive() {
    dba::demo::SeedDemoArchive(*db, {.scale = 20, .seed = 7});
    db->ForEachRecord("ARCHIVEBULL",
                      [&](std::string_view key, std::string_view) { keys.emplace_back(key); });
  }
};

DemoArchive& Archive() {
  static DemoArchive archive;
  return archive;
}

double PeakRssMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

void BM_PrintDemoPayslips(benchmark::State& state) {
  DemoArchive& archive = Archive();
  const int count = static_cast<int>(state.range(0));
  dba::DynArray list;
  for (int i = 0; i < count; ++i) {
    list.Set(i + 1, archive.keys[i % archive.keys.size()]);  // larger batches go round again
  }
  printing::pdf::PrintSettings settings;
  settings.outputFile = fs::temp_directory_path() / "vantelor-print-bench.pdf";
  printing::pdf::PdfPrintControl control(settings);
  std::vector<printing::Variant> db = {
      printing::Variant(std::shared_ptr<dba::Database>(archive.db))};
  control.Invoke(printing::kDispDatabase, db);
  for (auto _ : state) {
    std::int16_t status = 0;
    std::vector<printing::Variant> args = {
        printing::Variant::ByRef(list), printing::Variant(false), printing::Variant("BENCH"),
        printing::Variant::ByRef(status), printing::Variant(false)};
    control.Invoke(printing::kDispEditionBulletins, args);
    if (status != printing::kStatusPrinted) state.SkipWithError("nothing printed");
  }
  state.SetItemsProcessed(state.iterations() * count);
  state.counters["pages"] = control.LastPageCount();
  state.counters["pdf_MB"] = fs::file_size(settings.outputFile) / (1024.0 * 1024.0);
  state.counters["distinct_payslips"] = static_cast<double>(archive.keys.size());
  state.counters["peak_rss_MB"] = PeakRssMegabytes();
  fs::remove(settings.outputFile);
}
BENCHMARK(BM_PrintDemoPayslips)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();  // payslips a second of CPU: the machine may be shared

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  Archive();  // seeded before any timing
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
