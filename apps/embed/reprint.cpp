// Printing payslips again from a program: a caregiver's periods, the payslips the user may
// not see, and the print request through the PDF print control.
#include "vantelor/reprint.h"

#include "data/archive/archive_files.h"
#include "data/archive/archive_key.h"
#include "data/archive/index_record.h"
#include "printing/ostrel.h"
#include "printing/pdf/pdf_print_control.h"
#include "printing/print_log.h"
#include "printing/print_request.h"
#include "rights/person_access.h"
#include "rights/rights.h"
#include "state/procedure.h"
#include "text/text.h"

namespace vantelor {
namespace {

dba::Database& Base(const DatabaseRef& database) {
  if (!database) throw dba::Error(dba::kBadArgument, "no database was given");
  return *database;
}

// The year of a "YYYYMM" bound.
int Year(const std::string& period) {
  const std::optional<long long> year = text::DigitsValue(text::Left(period, 4));
  if (period.size() != 6 || !year) {
    throw dba::Error(dba::kBadArgument, "not a pay period (YYYYMM): \"" + period + "\"");
  }
  return static_cast<int>(*year);
}

}  // namespace

std::vector<std::string> CaregiverPayslips(const DatabaseRef& database, const std::string& code,
                                           const std::string& from, const std::string& to) {
  std::shared_ptr<dba::File> index = Base(database).OpenFile(dba::files::kAidantsArchiveBull);
  std::vector<std::string> keys;
  for (int year = Year(from), last = Year(to); year <= last; ++year) {
    const std::optional<dba::Record> record = index->Find(dba::IndexKey(code, year));
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

std::vector<std::string> PayslipsNotAllowed(const DatabaseRef& database, const RightsRef& rights,
                                            const std::vector<std::string>& keys) {
  // No rights object: nobody may be seen, as on the screens.
  const std::shared_ptr<rights::FunctionAccess> access =
      rights ? rights->FunctionRights(kFonctionPalimor) : nullptr;
  std::shared_ptr<dba::File> caregiverFile = Base(database).OpenFile(dba::files::kCivilAidant);
  std::shared_ptr<dba::File> recipientFile = Base(database).OpenFile(dba::files::kCivilAide);
  rights::PersonCheck caregivers(dba::PersonKind::kCaregiver, *caregiverFile, access.get());
  rights::PersonCheck recipients(dba::PersonKind::kCareRecipient, *recipientFile, access.get());
  std::vector<std::string> denied;
  for (const std::string& text : keys) {
    const dba::ArchiveKey key(text);
    if (caregivers.MaySee(key.CaregiverCode())) continue;
    if (!key.IsPrestataire() && recipients.MaySee(key.CareRecipientCode())) continue;
    denied.push_back(text);
  }
  return denied;
}

PdfPrintResult PrintPayslipsToPdf(const ClientRef& client, const DatabaseRef& database,
                                  const RightsRef& rights, const std::vector<std::string>& keys,
                                  const PdfPrintOptions& options) {
  const std::string login = text::Upper(Lire_NomUtilisateur());
  const std::string user = rights ? rights->UserName() : "";
  const std::size_t denied = keys.empty() ? 0 : PayslipsNotAllowed(database, rights, keys).size();
  if (keys.empty() || denied > 0) {
    const std::string reason = keys.empty() ? "aucun bulletin dans la demande"
                                            : user + " ne peut pas voir " + std::to_string(denied) +
                                                  " des " + std::to_string(keys.size()) +
                                                  " bulletins demandés";
    printing::PrintLog(Base(database))
        .Add({user, login, keys}, std::chrono::system_clock::now(),
             std::string(printing::kOutcomeRefusedPrefix) + reason);
    throw PrintRefused("nothing printed: this request holds no payslip that " + user +
                       " may print");
  }

  printing::pdf::PrintSettings settings = printing::pdf::PrintSettings::FromEnvironment();
  settings.outputFile = options.outputFile;
  settings.replaceOutput = options.replace;
  if (!options.printer.empty()) settings.printer = options.printer;
  auto control = std::make_shared<printing::pdf::PdfPrintControl>(settings);
  printing::OstrelControl ostrel;
  ostrel.SetControl(control);
  ostrel.SetRightsUser([user] { return user; });

  dba::Record holder;
  printing::PrintRequest request(Base(database).OpenFile(dba::files::kTempo), login, keys, holder);
  std::int16_t status = 0;
  request.Print(ostrel, database, client, false, status, options.preprinted);
  request.Finish();
  return {control->LastOutput().string(), control->LastPageCount(), control->LastProblemCount(),
          ostrel.LastLogFailure()};
}

}  // namespace vantelor
