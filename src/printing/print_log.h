#pragma once
// The print log. Payslips are personal data: every print request adds one record to the
// file IMPRESSIONS of the database, so that the office can say who printed which payslips
// and when (`vantelor-db export IMPRESSIONS` lists them).
//
// Record: key = time stamp "YYYYMMDD-HHMMSS-uuuuuu" followed by "*" and the user (so the
// keys sort by time); attribute 1 the user, 2 the local date and time
// "YYYY-MM-DD HH:MM:SS +zzzz", 3 the ARCHIVEBULL keys (one value each, in print order),
// 4 the outcome: "en cours" while the request runs, then "imprimé", "rien imprimé"
// (empty list or cancelled) or "échec : " followed by the error.
//
// Every method may throw dba::Error; a missing IMPRESSIONS file is kFileNotFound with a
// message that says how to create it.

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/archive_files.h"
#include "data/database.h"

namespace printing {

inline constexpr std::string_view kPrintLogFile = dba::files::kImpressions;
inline constexpr std::string_view kOutcomeRunning = "en cours";
inline constexpr std::string_view kOutcomePrinted = "imprimé";
inline constexpr std::string_view kOutcomeNothing = "rien imprimé";
inline constexpr std::string_view kOutcomeFailedPrefix = "échec : ";

class PrintLog {
 public:
  explicit PrintLog(dba::Database& database);

  // Adds the record of a request that is about to run; returns its key.
  std::string Begin(const std::string& user, const std::vector<std::string>& keys,
                    std::chrono::system_clock::time_point when);
  // Sets the outcome of the request logged under `logKey`.
  void Finish(const std::string& logKey, std::string_view outcome);

 private:
  std::string FreeKey(const std::string& stamp, const std::string& user);
  std::shared_ptr<dba::File> file_;
};

// "YYYY-MM-DD HH:MM:SS +zzzz" in local time.
std::string LogTimeText(std::chrono::system_clock::time_point when);

}  // namespace printing
