#pragma once
// The host's start-up: the demo database when none is named, the help file, the database,
// the user's rights, then the control's calling order (objects, optional preset, Init).
// Whatever stops it is a StartupFailure, told to the user before the host exits; the host
// window is never shown for a control that did not start.

#include <optional>
#include <string>

#include "host_options.h"
#include "vantelor/vantelor.h"

namespace host {

struct StartupFailure {
  std::string text;    // French, for the user
  std::string detail;  // the library's own account, for whoever looks further
};

// Makes the demo database when `options.db` is empty (and sets it there).
std::optional<StartupFailure> ChooseDatabase(HostOptions& options);
// Checks and starts `control`; nullopt when it is ready to be shown.
std::optional<StartupFailure> StartControl(vantelor::Ctr_Vantelor& control,
                                           const HostOptions& options);

}  // namespace host
