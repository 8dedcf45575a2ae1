#include "options.h"

#include <algorithm>
#include <map>

namespace vantelorprint {

const char* const kUsage =
    "usage: vantelor-print --db PATH --out FILE.pdf [--force] [--preprinted] [--user NAME]\n"
    "                      [--printer DEST] KEY...\n"
    "       vantelor-print --db PATH --out FILE.pdf [--force] [--preprinted] [--user NAME]\n"
    "                      [--printer DEST] --caregiver CODE --from YYYYMM --to YYYYMM\n"
    "Prints archived payslips as the printed form into FILE.pdf (and to the CUPS\n"
    "destination DEST, or VANTELOR_PRINTER, when one is given), for the payslips that\n"
    "the user may see. FILE.pdf is a new file, readable by its owner only; --force lets\n"
    "it replace an existing regular file (never a link, a device or the database).\n"
    "--user NAME: whose rights apply; only the login's own name, unless the login's rights\n"
    "allow every access code. Exit status: 0 printed, 1 failure or refusal, 2 wrong\n"
    "command line, 3 printed but some payslips missing or unreadable (their pages say so).\n";

namespace {

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsPeriod(const std::string& p) {
  if (p.size() != 6 || !AllDigits(p)) return false;
  const int month = (p[4] - '0') * 10 + (p[5] - '0');
  return month >= 1 && month <= 12;
}

// A numeric code is zero-padded to 5 characters, as the screens do with a typed code.
std::string PersonCode(const std::string& code) {
  if (code.size() < 5 && AllDigits(code)) return std::string(5 - code.size(), '0') + code;
  return code;
}

void Check(const Options& o) {
  if (o.db.empty()) throw UsageError("--db PATH is required");
  if (o.out.empty()) throw UsageError("--out FILE.pdf is required");
  const bool byPerson = !o.caregiver.empty() || !o.from.empty() || !o.to.empty();
  if (byPerson && !o.keys.empty()) throw UsageError("give either keys or --caregiver, not both");
  if (!byPerson && o.keys.empty())
    throw UsageError("no payslip to print: give keys or --caregiver");
  if (!byPerson) return;
  if (o.caregiver.empty() || o.from.empty() || o.to.empty()) {
    throw UsageError("--caregiver, --from and --to go together");
  }
  if (!IsPeriod(o.from)) throw UsageError("--from " + o.from + ": expected YYYYMM");
  if (!IsPeriod(o.to)) throw UsageError("--to " + o.to + ": expected YYYYMM");
  if (o.from > o.to) throw UsageError("--from " + o.from + " is after --to " + o.to);
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& words) {
  static const std::map<std::string, std::string Options::*> kValued = {
      {"--db", &Options::db},
      {"--out", &Options::out},
      {"--user", &Options::user},
      {"--printer", &Options::printer},
      {"--caregiver", &Options::caregiver},
      {"--from", &Options::from},
      {"--to", &Options::to}};
  Options o;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (const auto valued = kValued.find(w); valued != kValued.end()) {
      if (i + 1 >= words.size()) throw UsageError(w + " needs a value");
      o.*(valued->second) = words[++i];
    } else if (w == "--preprinted") {
      o.preprinted = true;
    } else if (w == "--force") {
      o.force = true;
    } else if (w.starts_with("--")) {
      throw UsageError("unknown option " + w);
    } else {
      o.keys.push_back(w);
    }
  }
  o.caregiver = PersonCode(o.caregiver);
  Check(o);
  return o;
}

}  // namespace vantelorprint
