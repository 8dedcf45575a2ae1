#pragma once
// The print control placed on a screen (`Ctr_Ostrel`): a handle on whatever print control
// the host installed, reached late-bound through PrintControl::Invoke, with typed helpers
// for the three members the screens use.
//
// The screens never see which control prints: the host installs a factory once
// (SetPrintControlFactory; vantelor-host installs the PDF control), a test hands a control
// to one handle (SetControl). With neither, the handle takes the database objects but
// refuses to print (kPrintFailed), so a missing installation is an error, never a silent
// no-op.
//
// Every print request is written to the print log (print_log.h) before the control runs
// and its outcome after: no log, no print. The log names the user whose rights applied
// (SetRightsUser; by default the user handed to EditionBulletins) and the login that
// EditionBulletins gets.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "data/core/database.h"
#include "data/core/dynamic_array.h"
#include "printing/print_control.h"

namespace printing {

using PrintControlFactory = std::function<std::shared_ptr<PrintControl>()>;

// Installs the factory that every handle uses to make its control on first use
// (an empty function restores the default, which refuses to print).
void SetPrintControlFactory(PrintControlFactory factory);

class OstrelControl {
 public:
  OstrelControl() = default;
  OstrelControl(const OstrelControl&) = delete;
  OstrelControl& operator=(const OstrelControl&) = delete;

  // Uses `control` rather than the installed factory.
  void SetControl(std::shared_ptr<PrintControl> control) { control_ = std::move(control); }
  // The control behind this handle, made by the factory on first use.
  PrintControl& Control();

  // `Database` (0x68030000) and `Client` (0x68030001).
  void SetDatabase(std::shared_ptr<dba::Database> database);
  void SetClient(std::shared_ptr<dba::Client> client);

  // `EditionBulletins` (0x60030002): prints the payslips whose keys are the attributes of
  // `keys`. Logs the request in the database last set, then calls the control; returns
  // when the control is done. Throws what the log or the control throws (the log then
  // records the failure when it can), except a failure the control has already shown the
  // user (ShownPrintFailure): that one is logged and goes no further. A print that
  // succeeded is reported as such even when its log record cannot take the outcome after
  // several tries (LastLogFailure says so).
  void EditionBulletins(dba::DynArray& keys, bool interactive, const std::string& user,
                        std::int16_t& status, bool preprinted);

  // The user whose rights decide what may be printed, asked at each request (the rights
  // object's user, which a host may set after the screens are made).
  void SetRightsUser(std::function<std::string()> user) { rights_user_ = std::move(user); }
  // Why the last request's outcome could not be logged; "" when it was.
  const std::string& LastLogFailure() const { return log_failure_; }

  // How the log waits before trying its final update again (tests wait for nothing).
  void SetRetryWait(std::function<void(int attempt)> wait) { retry_wait_ = std::move(wait); }
  // The clock of the log's time stamps (tests fix it).
  void SetClock(std::function<std::chrono::system_clock::time_point()> clock) {
    clock_ = std::move(clock);
  }

 private:
  void Call(DispId id, std::vector<Variant> args);

  std::shared_ptr<PrintControl> control_;
  std::shared_ptr<dba::Database> database_;
  std::function<std::string()> rights_user_;
  std::function<void(int)> retry_wait_;
  std::string log_failure_;
  std::function<std::chrono::system_clock::time_point()> clock_ = [] {
    return std::chrono::system_clock::now();
  };
};

}  // namespace printing
