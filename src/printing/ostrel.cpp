#include "printing/ostrel.h"

#include <optional>

#include "data/core/step.h"
#include "printing/print_log.h"

namespace printing {
namespace {

// Stands in until the host installs a print control: keeps the database objects, refuses
// to print.
class NoPrintControl final : public PrintControl {
 public:
  void Invoke(DispId id, std::vector<Variant>& args) override {
    if (id == kDispDatabase || id == kDispClient) {
      RequireArgumentCount(args, 1, id);
      return;
    }
    if (id == kDispEditionBulletins) {
      throw dba::Error(kPrintFailed, "no print control is installed in this application");
    }
    throw vantelor::DispatchError::NoMember(id);
  }
};

PrintControlFactory& Factory() {
  static PrintControlFactory factory;
  return factory;
}

}  // namespace

void SetPrintControlFactory(PrintControlFactory factory) { Factory() = std::move(factory); }

PrintControl& OstrelControl::Control() {
  if (!control_) {
    const PrintControlFactory& factory = Factory();
    control_ = factory ? factory() : nullptr;
    if (!control_) control_ = std::make_shared<NoPrintControl>();
  }
  return *control_;
}

void OstrelControl::Call(DispId id, std::vector<Variant> args) { Control().Invoke(id, args); }

void OstrelControl::SetDatabase(std::shared_ptr<dba::Database> database) {
  database_ = database;
  Call(kDispDatabase, {Variant(std::move(database))});
}

void OstrelControl::SetClient(std::shared_ptr<dba::Client> client) {
  Call(kDispClient, {Variant(std::move(client))});
}

void OstrelControl::EditionBulletins(dba::DynArray& keys, bool interactive, const std::string& user,
                                     std::int16_t& status, bool preprinted) {
  if (!database_) {
    throw dba::Error(kPrintFailed,
                     "print request made before the print control's database was set");
  }
  log_failure_.clear();
  std::string rightsUser = rights_user_ ? rights_user_() : "";
  if (rightsUser.empty()) rightsUser = user;
  std::optional<PrintLog> log;
  std::string logKey;
  try {
    log.emplace(*database_);
    if (retry_wait_) log->SetRetryWait(retry_wait_);
    logKey = log->Begin({rightsUser, user, KeysOf(keys)}, clock_());
  } catch (const dba::Error& e) {
    // No log, no print: the clerk must hear of it even where the caller ignores errors.
    const std::string told = std::string(
                                 "Les bulletins n'ont pas été imprimés : le journal des "
                                 "impressions ne peut pas recevoir la demande (") +
                             e.what() + ").";
    if (Control().TellFailure(told, interactive)) return;
    throw;
  }
  try {
    Call(kDispEditionBulletins, {Variant::ByRef(keys), Variant(interactive), Variant(user),
                                 Variant::ByRef(status), Variant(preprinted)});
  } catch (const std::exception& e) {
    // The request's own error is what the caller must see; a log that cannot take the
    // outcome keeps "en cours".
    dba::RunStep([&] {
      log->Finish(logKey, std::string(kOutcomeFailedPrefix) + e.what(),
                  Control().LastDestination());
    });
    if (dynamic_cast<const ShownPrintFailure*>(&e)) return;
    throw;
  }
  try {
    log->Finish(logKey, status != kStatusNothingPrinted ? kOutcomePrinted : kOutcomeNothing,
                Control().LastDestination());
  } catch (const dba::Error& e) {
    // The payslips went out: saying otherwise would invite a second print of them.
    log_failure_ = e.what();
  }
}

}  // namespace printing
