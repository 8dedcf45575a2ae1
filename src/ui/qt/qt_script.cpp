#include "ui/qt/qt_script.h"

#include <QCoreApplication>
#include <optional>
#include <stdexcept>

#include "ui/qt/form_view.h"
#include "ui/qt/render.h"

namespace ui::qt {

void QtDriver::Close(Form& form) {
  FormView* view = FormView::Of(form);
  if (!view) throw std::runtime_error(form.Name() + " is not shown");
  view->window()->close();
}

void QtDriver::Shot(Form& form, const std::string& path) {
  if (!SaveScreenshot(form, path)) throw std::runtime_error("shot: cannot write " + path);
}

const MessageRecord* QtDriver::LastMessage() const {
  return script_.messages.empty() ? nullptr : &script_.messages.back();
}

std::string QtDriver::TakeFailure() { return std::exchange(script_.failure, {}); }

void QtDriver::Settle() { QCoreApplication::processEvents(); }

ScriptResult RunScript(Form& root, std::string_view script, std::ostream& out) {
  std::optional<QtDesktop> own;
  std::optional<ScopedDesktop> installed;
  auto* desktop_in_use = dynamic_cast<QtDesktop*>(&desktop());
  if (!desktop_in_use) {
    own.emplace();
    installed.emplace(*own);
    desktop_in_use = &*own;
  }
  DesktopScript hooks;
  QtDriver driver(hooks);
  ScriptRunner runner(root, driver, out);
  hooks.run_modal = [&runner](Form& form) { runner.RunWhileShown(form); };
  DesktopScript* previous = desktop_in_use->script();
  desktop_in_use->SetScript(&hooks);
  QCoreApplication::processEvents();
  ScriptResult result = runner.Run(script);
  desktop_in_use->SetScript(previous);
  return result;
}

}  // namespace ui::qt
