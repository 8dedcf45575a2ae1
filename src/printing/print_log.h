#pragma once
// The print log. Payslips are personal data: every print request adds one record to the
// file IMPRESSIONS of the database, so that the office can say who printed which payslips,
// where and when (`vantelor-db log` lists them).
//
// Record: key = time stamp "YYYYMMDD-HHMMSS-uuuuuu" followed by "*" and the user (so the
// keys sort by time); attribute 1 the user whose rights applied, 2 the local date and time
// "YYYY-MM-DD HH:MM:SS +zzzz", 3 the ARCHIVEBULL keys (one value each, in print order),
// 4 the outcome: "en cours" while the request runs, then "imprimé", "rien imprimé"
// (empty list or cancelled), "échec : " followed by the error, or "refusé : " and the
// reason for a request refused before it ran; 5 the system login of whoever ran the
// program; 6 the destination (a printer's name or a file's path; "" when none was chosen).
//
// Every method may throw dba::Error; a missing IMPRESSIONS file is kFileNotFound with a
// message that says how to create it.

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/archive/archive_files.h"
#include "data/core/database.h"

namespace printing {

inline constexpr std::string_view kPrintLogFile = dba::files::kImpressions;
inline constexpr std::string_view kOutcomeRunning = "en cours";
inline constexpr std::string_view kOutcomePrinted = "imprimé";
inline constexpr std::string_view kOutcomeNothing = "rien imprimé";
inline constexpr std::string_view kOutcomeFailedPrefix = "échec : ";
inline constexpr std::string_view kOutcomeRefusedPrefix = "refusé : ";

// Who asked for a request and what: the user whose rights applied, the system login, the
// keys (in print order).
struct PrintLogEntry {
  std::string user;
  std::string login;
  std::vector<std::string> keys;
};

// One record of the log, as read back.
struct PrintLogRecord {
  std::string key;
  std::string user;
  std::string time;  // "YYYY-MM-DD HH:MM:SS +zzzz"
  std::vector<std::string> keys;
  std::string outcome;
  std::string login;
  std::string destination;
};

class PrintLog {
 public:
  explicit PrintLog(dba::Database& database);

  // Adds the record of a request that is about to run ("en cours"); returns its key.
  std::string Begin(const PrintLogEntry& entry, std::chrono::system_clock::time_point when);
  // Adds the record of a request with its outcome already known (a refusal).
  std::string Add(const PrintLogEntry& entry, std::chrono::system_clock::time_point when,
                  std::string_view outcome);
  // Sets the outcome and the destination of the request logged under `logKey`. A write
  // that fails is tried again a few times (a database busy for a moment must not leave a
  // request "en cours" for ever); the last failure is thrown.
  void Finish(const std::string& logKey, std::string_view outcome, const std::string& destination);

  // How long Finish waits before each new try (tests wait for nothing).
  void SetRetryWait(std::function<void(int attempt)> wait) { wait_ = std::move(wait); }
  static constexpr int kFinishAttempts = 5;

 private:
  std::string FreeKey(const std::string& stamp, const std::string& user);
  std::shared_ptr<dba::File> file_;
  std::function<void(int attempt)> wait_;
};

// "YYYY-MM-DD HH:MM:SS +zzzz" in local time.
std::string LogTimeText(std::chrono::system_clock::time_point when);

// Every record of the log, oldest first.
std::vector<PrintLogRecord> ReadPrintLog(dba::Database& database);

}  // namespace printing
