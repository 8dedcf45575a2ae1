#include "data/tools/archive_check.h"

#include <algorithm>
#include <set>

#include "data/archive/archive_files.h"
#include "data/archive/archive_key.h"
#include "data/archive/archivebull_record.h"
#include "data/archive/index_record.h"
#include "data/core/admin_database.h"

namespace dba {

namespace {

using Keys = std::set<std::string, std::less<>>;

Keys KeysOf(AdminDatabase& database, std::string_view file) {
  Keys keys;
  database.ForEachRecord(file, [&](std::string_view key, std::string_view) { keys.emplace(key); });
  return keys;
}

// One of the two person indexes: its file, the civil file whose records its keys name, and
// every entry read from it.
struct PersonIndex {
  std::string_view file;
  std::string_view civilFile;
  const char* person;
  Keys civil;
  Keys listed;  // "index key" + "\n" + "payslip key", for every value of every index record
};

class Checker {
 public:
  explicit Checker(AdminDatabase& db)
      : db_(db),
        contracts_(KeysOf(db, files::kContrat)),
        associations_(KeysOf(db, files::kAssociation)),
        indexes_{PersonIndex{files::kAidantsArchiveBull,
                             files::kCivilAidant,
                             "caregiver",
                             KeysOf(db, files::kCivilAidant),
                             {}},
                 PersonIndex{files::kAidesArchiveBull,
                             files::kCivilAide,
                             "care recipient",
                             KeysOf(db, files::kCivilAide),
                             {}}} {}

  ArchiveCheck Run() {
    payslips_ = KeysOf(db_, files::kArchiveBull);
    for (PersonIndex& index : indexes_) ReadIndex(index);
    db_.ForEachRecord(files::kArchiveBull, [&](std::string_view key, std::string_view text) {
      CheckPayslip(std::string(key), text);
    });
    result_.payslips = static_cast<long long>(payslips_.size());
    // Payslip faults come first, as the payslips' walk finds them after the indexes' own.
    std::stable_partition(
        result_.problems.begin(), result_.problems.end(), [](const ArchiveProblem& p) {
          return p.fault != ArchiveFault::kDanglingIndex && p.fault != ArchiveFault::kNoCivilRecord;
        });
    return std::move(result_);
  }

 private:
  void Add(ArchiveFault fault, std::string text) { result_.problems.push_back({fault, text}); }

  void ReadIndex(PersonIndex& index) {
    db_.ForEachRecord(index.file, [&](std::string_view key, std::string_view text) {
      ++result_.indexRecords;
      const DynArray record{std::string(key), std::string(text)};
      const IndexView view(record);
      const std::string where = std::string(index.file) + " " + std::string(key);
      const std::string person = view.PersonCode();
      if (!index.civil.count(person))
        Add(ArchiveFault::kNoCivilRecord, where + ": " + index.person + " " + person + " has no " +
                                              std::string(index.civilFile) + " record");
      for (int month = 1; month <= IndexView::kMonths; ++month)
        for (const std::string& payslip : view.MonthKeys(month)) {
          if (payslips_.count(payslip)) {
            index.listed.insert(std::string(key) + "\n" + payslip);
          } else {
            Add(ArchiveFault::kDanglingIndex,
                where + ", month " + std::to_string(month) + ": no payslip " + payslip);
          }
        }
    });
  }

  void CheckListed(const PersonIndex& index, const std::string& key, const std::string& person,
                   const std::string& year) {
    const std::string indexKey = person + year;
    if (!index.listed.count(indexKey + "\n" + key))
      Add(ArchiveFault::kNotIndexed,
          "payslip " + key + ": not listed by " + std::string(index.file) + " " + indexKey);
  }

  void CheckPayslip(const std::string& key, std::string_view text) {
    const ArchiveKey k(key);
    CheckListed(indexes_[0], key, k.CaregiverCode(), k.Year());
    if (!k.IsPrestataire()) CheckListed(indexes_[1], key, k.CareRecipientCode(), k.Year());
    const DynArray record(key, std::string(text));
    if (!ArchiveBullView(record).FindBodyEnd().found)
      Add(ArchiveFault::kNoEndMarker, "payslip " + key + ": no end-of-body marker \"#6\"");
    if (!contracts_.count(k.ContractKey()))
      Add(ArchiveFault::kNoContract, "payslip " + key + ": no CONTRAT record " + k.ContractKey());
    if (k.IsPrestataire() && !associations_.count(k.AssociationCode()))
      Add(ArchiveFault::kNoAssociation,
          "payslip " + key + ": no ASSOCIATION record " + k.AssociationCode());
  }

  AdminDatabase& db_;
  Keys contracts_, associations_, payslips_;
  PersonIndex indexes_[2];
  ArchiveCheck result_;
};

}  // namespace

ArchiveCheck CheckArchive(AdminDatabase& database) { return Checker(database).Run(); }

}  // namespace dba
