// Vantelor::script: an automation script run against the control's own window.
#include "vantelor/script.h"

#include "component/control_impl.h"
#include "ui/form.h"
#include "ui/qt/qt_desktop.h"
#include "ui/qt/script/qt_script.h"

namespace vantelor {

// Answers nothing: every box is noted as a failure and not opened.
struct ScriptedStart::Impl : ui::qt::DesktopAutomation {
  int MessageAnswer(const std::string& text, int, const std::string&) override {
    Fail("message box with no script to answer it: \"" + text + "\"");
    return 0;
  }
  std::string MenuChoice() override { return ""; }
  void Press(QWidget&, QPoint) override {}
  void Escape(QWidget&) override {}
  void RunModal(ui::Form& form) override {
    Fail(form.Name() + " shown with no script to close it");
  }
  void Fail(const std::string& what) override {
    if (failure.empty()) failure = what;
  }

  ui::qt::QtDesktop* desktop = dynamic_cast<ui::qt::QtDesktop*>(&ui::desktop());
  std::string failure;
};

ScriptedStart::ScriptedStart() : impl_(std::make_unique<Impl>()) {
  if (impl_->desktop) impl_->desktop->SetAutomation(impl_.get());
}

ScriptedStart::~ScriptedStart() {
  if (impl_->desktop) impl_->desktop->SetAutomation(nullptr);
}

const std::string& ScriptedStart::Failure() const { return impl_->failure; }

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
