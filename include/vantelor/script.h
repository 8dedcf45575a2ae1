#pragma once
// Driving a shown control from an automation script (docs/automation.md), for checks of the
// screens from outside: each line is a real input event on the control's windows. Link
// Vantelor::script (the script driver); a host that never runs scripts does not.

#include <iosfwd>
#include <memory>
#include <string>

#include "vantelor/ctr_vantelor.h"

namespace vantelor {

struct ScriptOutcome {
  bool ok = true;
  // "ok", or "line N: what was expected, what was found".
  std::string report;
};

// Runs the script in `path` against `control`, whose widget (CreateControlWidget) must be
// shown, and returns once it has run to its end or stopped. `out` receives what `dump`
// writes to no file. A file that cannot be read gives ok false and says so. With
// `checkScreen`, what every window shows is compared with the control's state after every
// line (the `check-screen` command).
ScriptOutcome RunScriptFile(Ctr_Vantelor& control, const std::string& path, std::ostream& out,
                            bool checkScreen = false);

// The start of a scripted run (the host's calling order up to Init), while no script line
// runs yet: a message box the control raises then (a preset code refused or unknown) is not
// opened, for nobody would answer it, and the run is to stop with its text. Create it after
// the host's vantelor::QtDesktop, before setting the control's objects.
class ScriptedStart {
 public:
  ScriptedStart();
  ~ScriptedStart();
  ScriptedStart(const ScriptedStart&) = delete;
  ScriptedStart& operator=(const ScriptedStart&) = delete;

  // What came up that no script could answer ("" when nothing did): the first message box,
  // with its text, or a modal window.
  const std::string& Failure() const;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace vantelor
