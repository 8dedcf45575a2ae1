#include "data/archive/request_records.h"

#include "data/archive/archive_files.h"
#include "text/text.h"

namespace dba {

namespace {

std::vector<std::string> Values(const DynArray& record, int attribute) {
  std::vector<std::string> out;
  const int count = record.DCount(attribute);
  for (int v = 1; v <= count; ++v) out.push_back(record(attribute, v));
  return out;
}

}  // namespace

std::string TempoKey(std::string_view userName) {
  return std::string(files::kArchiveBull) + text::Upper(userName);
}

std::vector<std::string> TempoArchiveKeys(const DynArray& tempo) { return Values(tempo, 1); }

std::string DroitsKey(std::string_view userName, std::string_view functionCode) {
  return text::Upper(userName) + "*" + text::Upper(functionCode);
}

std::vector<std::string> DroitsView::AccessCodes() const { return Values(r_, 1); }

}  // namespace dba
