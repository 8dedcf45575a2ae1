// log: the print log for the office's manager, oldest request first, one a line.
#include <ostream>

#include "commands.h"
#include "data/store/open_database.h"
#include "printing/print_log.h"
#include "text/text.h"

namespace vantelordb {
namespace {

struct LogFilter {
  std::string from;  // "YYYY-MM-DD"; "" = from the start
  std::string user;  // in capitals; "" = everybody
};

bool IsDate(const std::string& d) {
  if (d.size() != 10 || d[4] != '-' || d[7] != '-') return false;
  return text::DigitsValue(d.substr(0, 4)) && text::DigitsValue(d.substr(5, 2)) &&
         text::DigitsValue(d.substr(8, 2));
}

LogFilter ParseFilter(const Arguments& args) {
  LogFilter filter;
  filter.from = args.Value("from");
  if (!filter.from.empty() && !IsDate(filter.from))
    throw cli::UsageError("--from wants a date YYYY-MM-DD, not \"" + filter.from + "\"");
  filter.user = text::Upper(args.Value("user"));
  return filter;
}

// A request matches a user when that user's rights applied or that login ran it.
bool Matches(const printing::PrintLogRecord& r, const LogFilter& filter) {
  if (!filter.from.empty() && r.time.substr(0, 10) < filter.from) return false;
  return filter.user.empty() || text::Upper(r.user) == filter.user ||
         text::Upper(r.login) == filter.user;
}

}  // namespace

int Log(const Arguments& args, std::ostream& out) {
  const LogFilter filter = ParseFilter(args);
  auto database = dba::OpenNamedDatabase(Database(args), dba::OpenMode::kExisting);
  out << "time\tuser\tlogin\toutcome\tdestination\tpayslips\n";
  for (const printing::PrintLogRecord& r : printing::ReadPrintLog(*database)) {
    if (!Matches(r, filter)) continue;
    out << r.time << '\t' << r.user << '\t' << r.login << '\t' << r.outcome << '\t' << r.destination
        << '\t';
    for (std::size_t i = 0; i < r.keys.size(); ++i) out << (i ? " " : "") << r.keys[i];
    out << '\n';
  }
  return 0;
}

}  // namespace vantelordb
