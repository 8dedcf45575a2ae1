#include "ui/qt/script/qt_script.h"

#include <QAccessible>
#include <QCoreApplication>
#include <optional>
#include <stdexcept>

#include "ui/accessible_name.h"
#include "ui/controls.h"
#include "ui/qt/form_view.h"
#include "ui/qt/render.h"
#include "ui/qt/script/screen_check.h"

namespace ui::qt {
namespace {

std::string Describe(const std::string& text, int style, const std::string& title) {
  return "\"" + text + "\" (style " + std::to_string(style) + ", title \"" + title + "\")";
}

}  // namespace

int ScriptAutomation::MessageAnswer(const std::string& text, int style, const std::string& title) {
  messages.push_back({text, style, title, 0});
  if (answers.empty()) {
    Fail("message box with no answer prepared: " + Describe(text, style, title));
    return 0;
  }
  const int answer = answers.front();
  answers.pop_front();
  if (!AnswerFits(style, answer)) {
    Fail("answer " + std::to_string(answer) + " is not a button of the message box " +
         Describe(text, style, title));
    return 0;
  }
  messages.back().answer = answer;
  return answer;
}

std::string ScriptAutomation::MenuChoice() {
  if (menu_choices.empty()) return "";
  std::string choice = menu_choices.front();
  menu_choices.pop_front();
  return choice;
}

void ScriptAutomation::Press(QWidget& widget, QPoint at) {
  try {
    device_.Click(widget, at, Qt::LeftButton);
  } catch (const std::exception& e) {
    Fail(e.what());
  }
}

void ScriptAutomation::Escape(QWidget& widget) {
  try {
    device_.Key(widget, KeyStroke{kKeyEscape, true});
  } catch (const std::exception& e) {
    Fail(e.what());
  }
}

void ScriptAutomation::RunModal(Form& form) {
  if (run_modal) run_modal(form);
}

void ScriptAutomation::Fail(const std::string& what) {
  if (failure.empty()) failure = what;
}

void QtDriver::Close(Form& form) {
  FormView* view = FormView::Of(form);
  if (!view) throw std::runtime_error(form.Name() + " is not shown");
  view->window()->close();
}

void QtDriver::Shot(Form& form, const std::string& path) {
  // The picture is what the screen shows (on a window system, its pixels there); a form that
  // is not on the screen is drawn.
  FormView* view = FormView::Of(form);
  if (!view) throw std::runtime_error("shot: " + form.Name() + " is not shown");
  QCoreApplication::processEvents();
  const QImage shown = ScreenPicture(*view);
  const bool saved = shown.isNull() ? SaveScreenshot(*view, path)
                                    : shown.save(QString::fromStdString(path), "PNG");
  if (!saved) throw std::runtime_error("shot: cannot write " + path);
}

const MessageRecord* QtDriver::LastMessage() const {
  return automation_.messages.empty() ? nullptr : &automation_.messages.back();
}

std::string QtDriver::TakeFailure() { return std::exchange(automation_.failure, {}); }

void QtDriver::Settle() { QCoreApplication::processEvents(); }

std::string QtDriver::CheckScreen() {
  std::vector<Form*> windows{&root_};
  for (Form* modal : Form::ModalStack()) windows.push_back(modal);
  return CompareScreen(windows);
}

std::string QtDriver::CheckNames(const Form& window) {
  return ui::CheckNames(window, [](const Control& c) {
    QWidget* w = WidgetFor(c);
    QAccessibleInterface* accessible = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    return accessible ? accessible->text(QAccessible::Name).toStdString() : std::string();
  });
}

ScriptResult RunScript(Form& root, std::string_view script, std::ostream& out,
                       const ScriptOptions& options) {
  std::optional<QtDesktop> own;
  std::optional<ScopedDesktop> installed;
  auto* desktop_in_use = dynamic_cast<QtDesktop*>(&desktop());
  if (!desktop_in_use) {
    own.emplace();
    installed.emplace(*own);
    desktop_in_use = &*own;
  }
  const std::unique_ptr<InputDevice> device = MakeInputDevice();
  ScriptAutomation automation(*device);
  QtDriver driver(automation, *device, root);
  ScriptRunner runner(root, driver, out);
  runner.CheckScreenAfterEachLine(options.check_screen);
  automation.run_modal = [&runner](Form& form) { runner.RunWhileShown(form); };
  DesktopAutomation* previous = desktop_in_use->automation();
  desktop_in_use->SetAutomation(&automation);
  QCoreApplication::processEvents();
  ScriptResult result = runner.Run(script);
  desktop_in_use->SetAutomation(previous);
  return result;
}

}  // namespace ui::qt
