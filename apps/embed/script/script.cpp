// Vantelor::script: an automation script run against the control's own window.
#include "vantelor/script.h"

#include "component/control_impl.h"
#include "ui/qt/script/qt_script.h"

namespace vantelor {

ScriptOutcome RunScriptFile(Ctr_Vantelor& control, const std::string& path, std::ostream& out,
                            bool checkScreen) {
  std::string script;
  if (!ui::ReadScriptFile(path, script)) return {false, "cannot read " + path};
  ui::qt::ScriptOptions options;
  options.check_screen = checkScreen;
  const ui::ScriptResult result = ui::qt::RunScript(Ecran(control), script, out, options);
  return {result.ok, result.ToString()};
}

}  // namespace vantelor
