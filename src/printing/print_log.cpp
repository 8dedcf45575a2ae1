#include "printing/print_log.h"

#include <ctime>

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

}  // namespace

std::string LogTimeText(std::chrono::system_clock::time_point when) {
  return Format(LocalTime(when), "%Y-%m-%d %H:%M:%S %z");
}

PrintLog::PrintLog(dba::Database& database) : file_(OpenLogFile(database)) {}

std::string PrintLog::FreeKey(const std::string& stamp, const std::string& user) {
  // Two requests of one user in the same microsecond (two hosts) must not share a record.
  const std::string base = stamp + "*" + user;
  std::string key = base;
  for (int n = 2; file_->Find(key); ++n) key = base + "*" + std::to_string(n);
  return key;
}

std::string PrintLog::Begin(const std::string& user, const std::vector<std::string>& keys,
                            std::chrono::system_clock::time_point when) {
  dba::Record record = file_->NewRecord(FreeKey(KeyStamp(when), user));
  record.Set(1, user);
  record.Set(2, LogTimeText(when));
  for (std::size_t i = 0; i < keys.size(); ++i) {
    record.Set(3, static_cast<int>(i) + 1, keys[i]);
  }
  record.Set(4, kOutcomeRunning);
  record.DBWrite();
  return record.Key();
}

void PrintLog::Finish(const std::string& logKey, std::string_view outcome) {
  dba::Record record = file_->ReadRecord(logKey);
  record.Set(4, outcome);
  record.DBWrite();
}

}  // namespace printing
