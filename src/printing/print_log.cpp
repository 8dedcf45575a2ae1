#include "printing/print_log.h"

#include <ctime>
#include <thread>

namespace printing {
namespace {

std::tm LocalTime(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}

std::string Format(const std::tm& tm, const char* format) {
  char buffer[64];
  const std::size_t n = std::strftime(buffer, sizeof buffer, format, &tm);
  return std::string(buffer, n);
}

std::string KeyStamp(std::chrono::system_clock::time_point when) {
  const auto micros =
      std::chrono::duration_cast<std::chrono::microseconds>(when.time_since_epoch()).count() %
      1000000;
  char fraction[8];
  std::snprintf(fraction, sizeof fraction, "%06lld", static_cast<long long>(micros));
  return Format(LocalTime(when), "%Y%m%d-%H%M%S-") + fraction;
}

std::shared_ptr<dba::File> OpenLogFile(dba::Database& database) {
  try {
    return database.OpenFile(kPrintLogFile);
  } catch (const dba::Error& e) {
    if (e.code() != dba::kFileNotFound) throw;
    throw dba::Error(e.code(),
                     "the print log file IMPRESSIONS is missing from the database: run "
                     "vantelor-db init on it to add the files it lacks");
  }
}

// 0.2 s, 0.4 s, 0.8 s, 1.6 s: about 3 s in all before giving up.
void WaitBeforeRetry(int attempt) {
  std::this_thread::sleep_for(std::chrono::milliseconds(200 << (attempt - 1)));
}

std::vector<std::string> Values(const dba::DynArray& record, int attribute) {
  std::vector<std::string> values;
  if (record(attribute).empty()) return values;
  for (int i = 1, n = record.DCount(attribute); i <= n; ++i) values.push_back(record(attribute, i));
  return values;
}

}  // namespace

std::string LogTimeText(std::chrono::system_clock::time_point when) {
  return Format(LocalTime(when), "%Y-%m-%d %H:%M:%S %z");
}

PrintLog::PrintLog(dba::Database& database)
    : file_(OpenLogFile(database)), wait_(WaitBeforeRetry) {}

std::string PrintLog::FreeKey(const std::string& stamp, const std::string& user) {
  // Two requests of one user in the same microsecond (two hosts) must not share a record.
  const std::string base = stamp + "*" + user;
  std::string key = base;
  for (int n = 2; file_->Find(key); ++n) key = base + "*" + std::to_string(n);
  return key;
}

std::string PrintLog::Add(const PrintLogEntry& entry, std::chrono::system_clock::time_point when,
                          std::string_view outcome) {
  dba::Record record = file_->NewRecord(FreeKey(KeyStamp(when), entry.user));
  record.Set(1, entry.user);
  record.Set(2, LogTimeText(when));
  for (std::size_t i = 0; i < entry.keys.size(); ++i) {
    record.Set(3, static_cast<int>(i) + 1, entry.keys[i]);
  }
  record.Set(4, outcome);
  record.Set(5, entry.login);
  record.DBWrite();
  return record.Key();
}

std::string PrintLog::Begin(const PrintLogEntry& entry,
                            std::chrono::system_clock::time_point when) {
  return Add(entry, when, kOutcomeRunning);
}

void PrintLog::Finish(const std::string& logKey, std::string_view outcome,
                      const std::string& destination) {
  for (int attempt = 1;; ++attempt) {
    try {
      dba::Record record = file_->ReadRecord(logKey);
      record.Set(4, outcome);
      record.Set(6, destination);
      record.DBWrite();
      return;
    } catch (const dba::Error&) {
      if (attempt >= kFinishAttempts) throw;
      if (wait_) wait_(attempt);
    }
  }
}

std::vector<PrintLogRecord> ReadPrintLog(dba::Database& database) {
  std::shared_ptr<dba::File> file = OpenLogFile(database);
  const dba::DynArray keys = database.ExecuteSentence(
      dba::QueryCommand("SSELECT " + std::string(kPrintLogFile), kPrintLogFile));
  std::vector<PrintLogRecord> log;
  for (int i = 1, n = keys.DCount(); i <= n; ++i) {
    const dba::Record r = file->ReadRecord(keys(i));
    log.push_back({r.Key(), r(1), r(2), Values(r, 3), r(4), r(5), r(6)});
  }
  return log;
}

}  // namespace printing
