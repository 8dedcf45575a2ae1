#include "data/request_records.h"

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

std::string TempoKey(std::string_view userName) { return "ARCHIVEBULL" + text::Upper(userName); }

std::vector<std::string> TempoArchiveKeys(const DynArray& tempo) { return Values(tempo, 1); }

std::string TempoText(const std::vector<std::string>& archiveKeys) {
  DynArray record;
  for (std::size_t i = 0; i < archiveKeys.size(); ++i)
    record.Set(1, static_cast<int>(i + 1), archiveKeys[i]);
  return record.Text();
}

std::string DroitsKey(std::string_view userName, std::string_view functionCode) {
  return text::Upper(userName) + "*" + std::string(functionCode);
}

std::vector<std::string> DroitsView::AccessCodes() const { return Values(r_, 1); }

bool DroitsView::Allows(std::string_view accessCode) const {
  for (const std::string& code : AccessCodes())
    if (code == "*" || (!accessCode.empty() && code == accessCode)) return true;
  return false;
}

}  // namespace dba
