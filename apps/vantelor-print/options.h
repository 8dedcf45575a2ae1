#pragma once
// The command line of vantelor-print.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantelorprint {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Options {
  std::string db;
  std::string out;
  bool preprinted = false;
  bool force = false;   // --out may replace an existing regular file
  std::string user;     // empty: the login name
  std::string printer;  // empty: VANTELOR_PRINTER
  std::vector<std::string> keys;
  std::string caregiver;  // with from/to, instead of keys
  std::string from, to;   // YYYYMM
};

extern const char* const kUsage;

// Throws UsageError saying what is wrong.
Options ParseOptions(const std::vector<std::string>& words);

}  // namespace vantelorprint
