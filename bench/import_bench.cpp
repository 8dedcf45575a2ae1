// Import memory: `vantelor-db import` of JSON Lines files of 25, 100 and 400 MB (payslips of
// about 2 KB) into a new archive, each in a process of its own. Target: the peak resident
// memory of the import (peak_rss_MB) stays flat whatever the file's size (the file is read
// and written as it goes); rss_per_file is that peak over the file's size.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string Tool() {
  const char* other = std::getenv("VANTELOR_BENCH_DB_TOOL");
  return other && *other ? other : VANTELOR_DB_TOOL;
}

// A file of `megabytes` MB of ARCHIVEBULL records (removed after its benchmark).
fs::path Records(int megabytes) {
  const fs::path path =
      fs::path(VANTELOR_BENCH_DIR) / ("import-" + std::to_string(megabytes) + ".jsonl");
  const std::string line = std::string(R"(", "attributes": [["0"], [")") + std::string(1900, 'x') +
                           R"("], ["#6"], ["8667", "75836"]]})" + "\n";
  std::ofstream out(path, std::ios::binary);
  const long long records = static_cast<long long>(megabytes) * 1000 * 1000 / (line.size() + 40);
  for (long long i = 0; i < records; ++i)
    out << R"({"file": "ARCHIVEBULL", "key": ")" << 100000000 + i << line;
  return path;
}

// Runs the tool with `arguments`; its peak resident memory in MB.
double Run(const std::vector<std::string>& arguments) {
  std::vector<std::string> words{Tool()};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t quiet;  // the tool's report would mix with the benchmark's
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (spawned != 0) throw std::runtime_error("cannot run " + words[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error(words[0] + " " + words[3] + " failed");
  return usage.ru_maxrss / 1024.0;
}

void BM_ImportMemory(benchmark::State& state) {
  const int megabytes = static_cast<int>(state.range(0));
  const fs::path records = Records(megabytes);
  const fs::path db = fs::path(VANTELOR_BENCH_DIR) / "import-bench.db";
  double peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (const char* end : {"", "-wal", "-shm"}) fs::remove(db.string() + end);
    Run({"--db", db.string(), "init"});
    state.ResumeTiming();
    peak = Run({"--db", db.string(), "import", records.string()});
  }
  const double fileMegabytes = static_cast<double>(fs::file_size(records)) / 1e6;
  state.counters["file_MB"] = fileMegabytes;
  state.counters["peak_rss_MB"] = peak;
  state.counters["rss_per_file"] = peak / fileMegabytes;
  for (const char* end : {"", "-wal", "-shm"}) fs::remove(db.string() + end);
  fs::remove(records);
}
BENCHMARK(BM_ImportMemory)->Arg(25)->Arg(100)->Arg(400)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
