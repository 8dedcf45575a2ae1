#include "data/tools/demo/demo_archive.h"

#include <map>
#include <optional>
#include <set>

#include "data/archive/archive_files.h"
#include "data/archive/conversion.h"
#include "data/archive/request_records.h"
#include "data/core/admin_database.h"
#include "data/core/error.h"
#include "data/core/record_text.h"
#include "data/tools/demo/names.h"
#include "data/tools/demo/pay_items.h"
#include "data/tools/demo/payslip_builder.h"
#include "data/tools/demo/people.h"
#include "data/tools/demo/random.h"
#include "text/text.h"

namespace dba::demo {

namespace {

using Attributes = std::vector<std::vector<std::string>>;
using MonthSpan = std::pair<int, int>;  // months as year * 12 + month - 1, inclusive

constexpr int kWritesPerTransaction = 20000;

std::string Two(int n) { return text::ZeroPadded(n, 2); }

// An index being built: key → attribute per month.
using IndexRecords = std::map<std::string, std::vector<std::vector<std::string>>>;

void AddToIndex(IndexRecords& index, const std::string& code, int year, int month,
                const std::string& archiveKey) {
  auto& months = index[code + std::to_string(year)];
  if (months.empty()) months.resize(12);
  months[static_cast<std::size_t>(month - 1)].push_back(archiveKey);
}

class Seeder {
 public:
  Seeder(AdminDatabase& database, const DemoOptions& options)
      : db_(database), options_(options), random_(options.seed * 0x2545F4914F6CDD1DULL + 1) {}

  DemoSummary Run(const DemoProgress& progress);

 private:
  void Write(std::string_view file, const std::string& key, const std::string& text) {
    db_.Write(file, key, text);
    if (++writes_ % kWritesPerTransaction == 0) {
      transaction_->Commit();
      transaction_.emplace(db_);
    }
  }
  void WriteFixedRecords();
  void WriteCivil(const Person& p, bool caregiver);
  void WriteCaregiver(const Caregiver& c);
  void WriteContract(const Contract& c);
  void WriteIndex(std::string_view file, const IndexRecords& index);

  AdminDatabase& db_;
  DemoOptions options_;
  Random random_;
  std::optional<Transaction> transaction_;
  long long writes_ = 0;
  std::vector<Association> associations_ = MakeAssociations();
  std::vector<Person> recipients_;
  std::vector<MonthSpan> spans_;
  IndexRecords recipientIndex_;
  std::set<int> usedRecipients_;
  std::vector<int> firstUses_;  // care recipients in the order their first payslip came
  DemoSummary summary_;
};

void Seeder::WriteFixedRecords() {
  for (const Association& a : associations_) {
    Attributes attributes(49, std::vector<std::string>{""});
    attributes[0] = {a.name};
    attributes[1] = {a.street};
    attributes[2] = {a.town};
    attributes[48] = {a.prePrinted ? "1" : "0"};
    Write(files::kAssociation, a.code, RecordTextOf(attributes));
  }
  for (const ItemLabel& item : EnteredItems())
    Write(files::kRubSaisie, item.code, RecordText({{item.label}, {""}, {""}, {item.kind}}));
  for (const ItemLabel& item : ChargeItems())
    Write(files::kRubCharge, item.code, RecordText({{item.label}}));
  Write(files::kDroits, DroitsKey("DEMO", "PALIMOR"), RecordTextOf(Attributes{kVisibleCodes}));
  Write(files::kDroits, DroitsKey("ADMIN", "PALIMOR"), RecordText({{"*"}}));
  const std::string also = DroitsKey(options_.demoRightsFor, "PALIMOR");
  if (!options_.demoRightsFor.empty() && also != DroitsKey("DEMO", "PALIMOR") &&
      also != DroitsKey("ADMIN", "PALIMOR"))
    Write(files::kDroits, also, RecordTextOf(Attributes{kVisibleCodes}));
  for (const MonthSpan& span : spans_)
    for (int m = span.first; m <= span.second; ++m) {
      const std::string year = std::to_string(m / 12);
      Write(files::kPeriodesPaie, year + Two(m % 12 + 1),
            RecordText({{"01/" + Two(m % 12 + 1) + "/" + year}}));
    }
}

void Seeder::WriteCivil(const Person& p, bool caregiver) {
  if (!p.hasCivilRecord) return;
  Attributes attributes(caregiver ? 31 : 40, std::vector<std::string>{""});
  attributes[0] = {p.title};
  attributes[1] = {p.lastName};
  attributes[2] = {p.firstName};
  attributes[3] = {p.street};
  attributes[4] = {p.complement};
  attributes[5] = {p.town};
  attributes.back() = {caregiver ? p.accessCode : p.accessCode + "-" + p.town.substr(0, 2)};
  Write(caregiver ? files::kCivilAidant : files::kCivilAide, p.code, RecordTextOf(attributes));
}

void Seeder::WriteContract(const Contract& c) {
  Attributes attributes(8, std::vector<std::string>{""});
  attributes[0] = {c.mandataire ? "02" : "01"};
  if (c.mandataire) attributes[2] = {recipients_[static_cast<std::size_t>(c.recipient)].code};
  if (!c.mandataire) attributes[1] = {associations_[static_cast<std::size_t>(c.association)].code};
  const auto day = [](int month) {
    return TheConversion().DateToDayNumber("01/" + Two(month % 12 + 1) + "/" +
                                           std::to_string(month / 12));
  };
  attributes[6] = {day(c.firstMonth)};
  if (c.ended) attributes[7] = {day(c.lastMonth + 1)};
  Write(files::kContrat, c.key, RecordTextOf(attributes));
}

void Seeder::WriteCaregiver(const Caregiver& c) {
  WriteCivil(c.person, true);
  IndexRecords index;
  for (const Contract& contract : c.contracts) {
    WriteContract(contract);
    std::map<int, YearTotals> totals;
    for (int m = contract.firstMonth; m <= contract.lastMonth; ++m) {
      if (random_.Chance(8)) continue;  // a month without work
      PayslipInput in;
      in.year = m / 12;
      in.month = m % 12 + 1;
      in.caregiver = &c;
      in.contract = &contract;
      const std::string period = std::to_string(in.year) + Two(in.month);
      if (contract.mandataire) {
        in.recipient = &recipients_[static_cast<std::size_t>(contract.recipient)];
        in.key = contract.key + period + in.recipient->code;
      } else {
        in.association = &associations_[static_cast<std::size_t>(contract.association)];
        in.key = contract.key + period + in.association->code;
      }
      const BuiltPayslip built = BuildPayslip(random_, in, totals[in.year]);
      Write(files::kArchiveBull, in.key, built.archive);
      Write(files::kDetailCalcul, in.key.substr(0, 14), built.detail);
      AddToIndex(index, c.person.code, in.year, in.month, in.key);
      if (in.recipient) {
        AddToIndex(recipientIndex_, in.recipient->code, in.year, in.month, in.key);
        if (usedRecipients_.insert(contract.recipient).second)
          firstUses_.push_back(contract.recipient);
      }
      ++summary_.payslips;
    }
  }
  WriteIndex(files::kAidantsArchiveBull, index);
}

void Seeder::WriteIndex(std::string_view file, const IndexRecords& index) {
  for (const auto& [key, months] : index) {
    Write(file, key, RecordTextOf(months));
    ++summary_.indexRecords;
  }
}

DemoSummary Seeder::Run(const DemoProgress& progress) {
  const bool demo = options_.scale == 0;
  const int caregivers = demo ? 42 : options_.scale;
  const int recipients = demo ? 120 : 4 * options_.scale;
  spans_ = demo ? std::vector<MonthSpan>{{2000 * 12, 2003 * 12 + 11}, {2019 * 12, 2020 * 12 + 11}}
                : std::vector<MonthSpan>{{2011 * 12, 2020 * 12 + 11}};
  transaction_.emplace(db_);
  WriteFixedRecords();
  for (int i = 0; i < recipients; ++i) {
    recipients_.push_back(MakePerson(random_, 10001 + i, false));
    recipients_.back().hasCivilRecord = demo || random_.Chance(99);
  }
  for (int i = 0; i < caregivers; ++i) {
    Caregiver c{MakePerson(random_, i + 1, true),
                random_.Pick(Qualifications()),
                static_cast<int>(random_.Between(1990, 2010)),
                {}};
    c.person.hasCivilRecord = demo ? i < 40 : random_.Chance(99);
    if (demo && i == 0) c.person.lastName = "DUPONT";  // the examples' caregiver name
    c.contracts =
        MakeContracts(random_, c.person.code, recipients, static_cast<int>(associations_.size()),
                      spans_, demo ? 4 : 3, demo ? 48 : 60);
    WriteCaregiver(c);
    if (progress) progress(i + 1, caregivers);
  }
  // Two care recipients of archived payslips have lost their civil record.
  for (std::size_t i : {std::size_t{3}, std::size_t{11}})
    if (demo && i < firstUses_.size())
      recipients_[static_cast<std::size_t>(firstUses_[i])].hasCivilRecord = false;
  for (const Person& p : recipients_) WriteCivil(p, false);
  WriteIndex(files::kAidesArchiveBull, recipientIndex_);
  transaction_->Commit();
  summary_.caregivers = caregivers;
  summary_.careRecipients = recipients;
  return summary_;
}

}  // namespace

DemoSummary SeedDemoArchive(AdminDatabase& database, const DemoOptions& options,
                            const DemoProgress& progress) {
  if (options.scale < 0 || options.scale > kMaxScale)
    throw Error(kBadArgument, "scale " + std::to_string(options.scale) + " is out of 0.." +
                                  std::to_string(kMaxScale));
  for (std::string_view file : files::kAll)
    if (!database.HasFile(file))
      throw Error(kFileNotFound, "no file " + std::string(file) + ": run init first");
  if (database.RecordCount(files::kArchiveBull) > 0)
    throw Error(kBadArgument, "the database already holds payslips; seed a new one");
  return Seeder(database, options).Run(progress);
}

}  // namespace dba::demo
