#include "options.h"

#include <algorithm>

namespace vantelorprint {

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

using cli::UsageError;

void Check(const Options& o) {
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

std::vector<cli::Option> OptionTable() {
  return {cli::DatabaseOption(),
          {"out", "FILE.pdf", "the PDF file to write (required): a new file, readable by its owner only"},
          {"force", "", "let --out replace an existing regular file (never a link, a device or the database)"},
          {"preprinted", "", "only the data, for pre-printed stationery"},
          {"user", "NAME",
            "whose rights decide what may be printed (default: the login name); another "
            "name only when the login's own rights allow every access code"},
          {"printer", "DEST",
           "also send the PDF to this CUPS destination (default: "
           "$VANTELOR_PRINTER, else none)"},
          {"caregiver", "CODE", "every payslip of this caregiver from --from to --to"},
          {"from", "YYYYMM", "the first month, with --caregiver"},
          {"to", "YYYYMM", "the last month, with --caregiver"}};
}

Options ReadOptions(const cli::Arguments& args) {
  Options o;
  o.db = args.Value("db", cli::DefaultDatabase());
  o.out = args.Value("out");
  o.preprinted = args.Has("preprinted");
  o.force = args.Has("force");
  o.user = args.Value("user");
  o.printer = args.Value("printer");
  o.caregiver = PersonCode(args.Value("caregiver"));
  o.from = args.Value("from");
  o.to = args.Value("to");
  o.keys = args.Operands();
  Check(o);
  return o;
}

}  // namespace vantelorprint
