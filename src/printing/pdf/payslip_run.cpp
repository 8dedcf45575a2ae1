#include "printing/pdf/payslip_run.h"

#include "printing/payslip_sheet.h"

namespace printing::pdf {
namespace {

// The sheets of one key: its payslip, or the page that says why it is not there.
std::vector<SheetPage> SheetsOf(dba::File& archive, const std::string& key, bool preprinted,
                                bool& problem) {
  problem = true;
  std::optional<dba::Record> record;
  try {
    record = archive.Find(key);
  } catch (const dba::Error& e) {
    if (e.code() != dba::kBadArgument) throw;
    return {LayoutProblem(key, std::string("Cette clé n'est pas valable : ") + e.what())};
  }
  if (!record) return {LayoutProblem(key, "Ce bulletin n'existe pas dans l'archive.")};
  PayslipContent content;
  try {
    content = ReadPayslip(*record);
  } catch (const dba::Error& e) {
    return {LayoutProblem(key, std::string("Ce bulletin est illisible : ") + e.what())};
  }
  problem = false;
  return LayoutPayslip(content, preprinted);
}

}  // namespace

RunResult DrawPayslips(dba::File& archive, const std::vector<std::string>& keys, bool preprinted,
                       SheetSink& out, Progress* progress) {
  RunResult result;
  archive.Prefetch(keys);  // one read per payslip, a few round trips on the server
  for (const std::string& key : keys) {
    if (progress && !progress->Advance(result.payslips)) {
      result.cancelled = true;
      return result;
    }
    bool problem = false;
    for (const SheetPage& sheet : SheetsOf(archive, key, preprinted, problem)) out.Add(sheet);
    ++result.payslips;
    if (problem) ++result.problems;
  }
  if (progress) progress->Advance(result.payslips);
  return result;
}

RunResult CountPayslips(dba::File& archive, const std::vector<std::string>& keys, bool preprinted) {
  SheetCounter counter;
  RunResult result = DrawPayslips(archive, keys, preprinted, counter, nullptr);
  result.pages = counter.Pages();
  return result;
}

}  // namespace printing::pdf
