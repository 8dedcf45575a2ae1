#include "payslip_keys.h"

#include <map>
#include <optional>

#include "text/text.h"

namespace vantelorprint {
namespace {

// The record `key` of `file`, or nothing when there is none.
std::optional<dba::Record> Read(dba::File& file, const std::string& key) {
  try {
    return file.ReadRecord(key);
  } catch (const dba::Error& e) {
    if (e.IsRecordNotFound()) return std::nullopt;
    throw;
  }
}

// Whether the user may see the person of `code` in `file`, once per person.
class PersonCheck {
 public:
  PersonCheck(dba::Database& db, rights::FunctionAccess& access, const char* file,
              int attribute, int length)
      : file_(db.OpenFile(file)), access_(access), attribute_(attribute), length_(length) {}

  bool MaySee(const std::string& code) {
    auto [it, added] = seen_.try_emplace(code, false);
    if (added) {
      if (std::optional<dba::Record> civil = Read(*file_, code)) {
        const std::string whole = (*civil)(attribute_);
        it->second = access_.PersonAccess(length_ > 0 ? text::Left(whole, length_) : whole, 0);
      }
    }
    return it->second;
  }

 private:
  std::shared_ptr<dba::File> file_;
  rights::FunctionAccess& access_;
  int attribute_;
  int length_;
  std::map<std::string, bool> seen_;
};

}  // namespace

std::vector<std::string> CaregiverKeys(dba::Database& db, const std::string& code,
                                       const std::string& from, const std::string& to) {
  std::shared_ptr<dba::File> index = db.OpenFile("AIDANTSARCHIVEBULL");
  std::vector<std::string> keys;
  for (int year = std::stoi(from.substr(0, 4)); year <= std::stoi(to.substr(0, 4)); ++year) {
    std::optional<dba::Record> months = Read(*index, code + std::to_string(year));
    if (!months) continue;
    for (int month = 1; month <= 12; ++month) {
      for (int v = 1; v <= months->DCount(month); ++v) {
        const std::string key = (*months)(month, v);
        const std::string period = key.size() >= 14 ? key.substr(8, 6) : "";
        if (period >= from && period <= to) keys.push_back(key);
      }
    }
  }
  return keys;
}

std::vector<std::string> DeniedKeys(dba::Database& db, rights::FunctionAccess& access,
                                    const std::vector<std::string>& keys) {
  PersonCheck caregivers(db, access, "CIVILAIDANT", 31, 0);
  PersonCheck recipients(db, access, "CIVILAIDE", 40, 3);
  std::vector<std::string> denied;
  for (const std::string& key : keys) {
    const bool mandataire = key.size() != 17 && key.size() >= 19;
    if (caregivers.MaySee(key.substr(0, 5))) continue;
    if (mandataire && recipients.MaySee(key.substr(14, 5))) continue;
    denied.push_back(key);
  }
  return denied;
}

}  // namespace vantelorprint
