#pragma once
// The commands of vantelor-db, one function each. Each takes the words after the
// command name, writes its output to `out`, and throws on failure (dba::Error for
// data faults, UsageError for a wrong command line).

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantelordb {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using Arguments = std::vector<std::string>;

void Init(const std::string& db, const Arguments& args, std::ostream& out);
void SeedDemo(const std::string& db, const Arguments& args, std::ostream& out);
void Import(const std::string& db, const Arguments& args, std::ostream& out);
void Export(const std::string& db, const Arguments& args, std::ostream& out);
void Select(const std::string& db, const Arguments& args, std::ostream& out);
void Read(const std::string& db, const Arguments& args, std::ostream& out);
void Files(const std::string& db, const Arguments& args, std::ostream& out);
void Reindex(const std::string& db, const Arguments& args, std::ostream& out);
void GrantClerk(const std::string& db, const Arguments& args, std::ostream& out);
void Copy(const std::string& db, const Arguments& args, std::ostream& out);
void Log(const std::string& db, const Arguments& args, std::ostream& out);

}  // namespace vantelordb
