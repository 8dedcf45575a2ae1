// The data layer against its targets, each beside raw SQLite reading the same rows:
// ReadRecord of a payslip, the caregiver-code sentence of the payslip search, and the
// name search for a 1-letter and a 3-letter prefix.
#include <sqlite3.h>

#include "bench_support.h"
#include "data/archive/archive_files.h"
#include "data/core/database.h"
#include "data/store/common/key_range.h"
#include "data/store/sqlite/sqlite_handle.h"
#include "data/store/sqlite/sqlite_store.h"

namespace {

std::shared_ptr<dba::SqliteDatabase> store;
std::unique_ptr<dba::sqlite::Connection> raw;
std::vector<std::string> payslipKeys;

std::string Code(std::size_t i) {
  std::string code = std::to_string(1 + i % bench::kScale);
  return std::string(5 - code.size(), '0') + code;
}

void ReadRecordStore(benchmark::State& state) {
  auto file = store->OpenFile("ARCHIVEBULL");
  std::size_t i = 0;
  for (auto _ : state) {
    dba::Record r = file->ReadRecord(payslipKeys[i++ % payslipKeys.size()]);
    benchmark::DoNotOptimize(r.Text().data());
  }
}

void ReadRecordRaw(benchmark::State& state) {
  dba::sqlite::Statement s(raw->Handle(), "SELECT record FROM ARCHIVEBULL WHERE key = ?");
  std::size_t i = 0;
  for (auto _ : state) {
    s.Bind(1, payslipKeys[i++ % payslipKeys.size()]);
    if (!s.Step()) state.SkipWithError("missing key");
    std::string text = s.ColumnText(0);
    benchmark::DoNotOptimize(text.data());
    s.Reset();
  }
}

void CaregiverCodeStore(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string sentence =
        "SELECT AIDANTSARCHIVEBULL AVEC 0 = \"" + Code(i++ * 7) + "]\" PAR-DECR 0";
    dba::DynArray keys = store->ExecuteSentence(dba::QueryCommand(sentence, "AIDANTSARCHIVEBULL"));
    benchmark::DoNotOptimize(keys.Text().data());
  }
}

void CaregiverCodeRaw(benchmark::State& state) {
  dba::sqlite::Statement s(raw->Handle(),
                           "SELECT key FROM AIDANTSARCHIVEBULL WHERE key >= ? AND key < ? "
                           "ORDER BY key DESC");
  std::size_t i = 0;
  for (auto _ : state) {
    const dba::KeyRange range = dba::KeyRange::Prefix(Code(i++ * 7));
    s.Bind(1, range.lower).Bind(2, range.upper);
    std::vector<std::string> keys;
    while (s.Step()) keys.push_back(s.ColumnText(0));
    benchmark::DoNotOptimize(keys.data());
    s.Reset();
  }
}

void NameSearchStore(benchmark::State& state, const std::string& prefix) {
  const std::string sentence = "SSELECT AIDANTSARCHIVEBULL AVEC NomPrenomAidantArchBull = \"" +
                               prefix + "]\" PAR NomPrenomAidantArchBull PAR 0";
  std::size_t found = 0;
  for (auto _ : state) {
    dba::DynArray keys = store->ExecuteSentence(dba::QueryCommand(sentence, "AIDANTSARCHIVEBULL"));
    found = static_cast<std::size_t>(keys.DCount());
  }
  state.counters["keys"] = static_cast<double>(found);
}

void NameSearchRaw(benchmark::State& state, const std::string& prefix) {
  dba::sqlite::Statement s(raw->Handle(),
                           "SELECT key FROM vantelor_dictionary_values WHERE file = "
                           "'AIDANTSARCHIVEBULL' AND item = 'NomPrenomAidantArchBull' AND value "
                           ">= ? AND value < ? ORDER BY value, key");
  const dba::KeyRange range = dba::KeyRange::Prefix(prefix);
  std::size_t found = 0;
  for (auto _ : state) {
    s.Bind(1, range.lower).Bind(2, range.upper);
    std::vector<std::string> keys;
    while (s.Step()) keys.push_back(s.ColumnText(0));
    found = keys.size();
    s.Reset();
  }
  state.counters["keys"] = static_cast<double>(found);
}

void LoadPayslipKeys() {
  dba::sqlite::Statement s(raw->Handle(), "SELECT key FROM ARCHIVEBULL");
  for (std::size_t i = 0; s.Step(); ++i)
    if (i % 37 == 0) payslipKeys.push_back(s.ColumnText(0));
  // Spread the reads over the file rather than walking it in key order.
  for (std::size_t i = 0; i + 1 < payslipKeys.size(); i += 2)
    std::swap(payslipKeys[i], payslipKeys[payslipKeys.size() - 1 - i]);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const std::string path = bench::PreparedDatabase();
  store = dba::OpenSqliteDatabase(path, dba::OpenMode::kExisting);
  raw = std::make_unique<dba::sqlite::Connection>(path);
  raw->Execute("PRAGMA mmap_size = 1073741824");  // as the store reads, for a fair match
  LoadPayslipKeys();

  const auto us = benchmark::kMicrosecond;
  benchmark::RegisterBenchmark("ReadRecord/store", ReadRecordStore)->Unit(us);
  benchmark::RegisterBenchmark("ReadRecord/raw", ReadRecordRaw)->Unit(us);
  benchmark::RegisterBenchmark("CaregiverCodeSentence/store", CaregiverCodeStore)->Unit(us);
  benchmark::RegisterBenchmark("CaregiverCodeSentence/raw", CaregiverCodeRaw)->Unit(us);
  for (const char* prefix : {"D", "DUP"}) {
    const std::string name = std::string("NameSearch") + (prefix[1] ? "3Letters" : "1Letter");
    benchmark::RegisterBenchmark((name + "/store").c_str(), NameSearchStore, prefix)->Unit(us);
    benchmark::RegisterBenchmark((name + "/raw").c_str(), NameSearchRaw, prefix)->Unit(us);
  }
  bench::ComparisonReporter reporter({{"ReadRecord", 20},
                                      {"CaregiverCodeSentence", 100},
                                      {"NameSearch1Letter", 10000},
                                      {"NameSearch3Letters", 2000}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
