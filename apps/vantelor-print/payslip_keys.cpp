#include "payslip_keys.h"

#include <map>
#include <optional>

#include "data/archive_key.h"
#include "data/civil_record.h"
#include "data/index_record.h"

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

// Whether the user may see the person of a code, asked once per person. `View` gives the
// access code of a civil record.
template <typename View>
class PersonCheck {
 public:
  PersonCheck(dba::Database& db, rights::FunctionAccess& access, std::string_view file)
      : file_(db.OpenFile(file)), access_(access) {}

  bool MaySee(const std::string& code) {
    if (code.empty()) return false;
    auto [it, added] = seen_.try_emplace(code, false);
    if (added) {
      if (std::optional<dba::Record> civil = Read(*file_, code)) {
        it->second = access_.PersonAccess(View(*civil).AccessCode(), 0);
      }
    }
    return it->second;
  }

 private:
  std::shared_ptr<dba::File> file_;
  rights::FunctionAccess& access_;
  std::map<std::string, bool> seen_;
};

}  // namespace

std::vector<std::string> CaregiverKeys(dba::Database& db, const std::string& code,
                                       const std::string& from, const std::string& to) {
  std::shared_ptr<dba::File> index = db.OpenFile("AIDANTSARCHIVEBULL");
  std::vector<std::string> keys;
  for (int year = std::stoi(from.substr(0, 4)); year <= std::stoi(to.substr(0, 4)); ++year) {
    std::optional<dba::Record> record = Read(*index, dba::IndexKey(code, year));
    if (!record) continue;
    const dba::IndexView months(*record);
    for (int month = 1; month <= dba::IndexView::kMonths; ++month) {
      for (const std::string& key : months.MonthKeys(month)) {
        const std::string period = dba::ArchiveKey(key).Period();
        if (period.size() == 6 && period >= from && period <= to) keys.push_back(key);
      }
    }
  }
  return keys;
}

std::vector<std::string> DeniedKeys(dba::Database& db, rights::FunctionAccess& access,
                                    const std::vector<std::string>& keys) {
  PersonCheck<dba::CivilAidantView> caregivers(db, access, "CIVILAIDANT");
  PersonCheck<dba::CivilAideView> recipients(db, access, "CIVILAIDE");
  std::vector<std::string> denied;
  for (const std::string& text : keys) {
    const dba::ArchiveKey key(text);
    if (caregivers.MaySee(key.CaregiverCode())) continue;
    if (!key.IsPrestataire() && recipients.MaySee(key.CareRecipientCode())) continue;
    denied.push_back(text);
  }
  return denied;
}

}  // namespace vantelorprint
