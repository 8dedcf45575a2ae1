#include "ui/qt/qt_desktop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <iostream>

#include "ui/form.h"
#include "ui/qt/form_view.h"
#include "ui/qt/help_window.h"

namespace ui::qt {

QtDesktop::QtDesktop()
    : help_anchor_([](int context) { return "context-" + std::to_string(context); }) {}

QtDesktop::~QtDesktop() {
  if (pointer_ == kHourglass) QGuiApplication::restoreOverrideCursor();
}

QWidget* QtDesktop::HelpWidget() const { return help_ ? help_->widget() : nullptr; }

void QtDesktop::NoteScriptFailure(const std::string& what) {
  if (auto* qt = dynamic_cast<QtDesktop*>(&desktop()); qt && qt->script_) {
    qt->NoteFailure(what);
  } else {
    std::cerr << what << '\n';
  }
}

void QtDesktop::NoteFailure(const std::string& what) {
  if (script_ && script_->failure.empty()) script_->failure = what;
}

void QtDesktop::SetMousePointer(int pointer) {
  if (pointer == kHourglass && pointer_ != kHourglass) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (pointer != kHourglass && pointer_ == kHourglass) {
    QGuiApplication::restoreOverrideCursor();
  }
  pointer_ = pointer;
}

void QtDesktop::DoEvents() { QCoreApplication::processEvents(); }

void QtDesktop::ShowModal(Form& form) {
  FormView window(form, nullptr);
  window.setWindowModality(Qt::ApplicationModal);
  window.show();
  window.activateWindow();
  window.SyncFocus();
  if (script_ && script_->run_modal) {
    script_->run_modal(form);
    return;
  }
  QEventLoop loop;
  window.on_unloaded = [&loop] { loop.quit(); };
  if (form.Loaded()) loop.exec();
}

void QtDesktop::Help(long, const std::string& file, int command, int data) {
  if (command == kHelpQuit) {
    help_.reset();
    return;
  }
  if (!help_) help_ = std::make_unique<HelpWindow>();
  help_->Show(file, command == kHelpContext ? help_anchor_(data) : std::string());
}

void QtDesktop::CloseHostWindow() {
  if (host_) QMetaObject::invokeMethod(host_, "close", Qt::QueuedConnection);
}

void QtDesktop::ReportError(const std::string& where, const std::string& message) {
  if (script_) return NoteFailure("error in " + where + ": " + message);
  if (error_handler_) return error_handler_(where, message);
  QMessageBox::critical(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(),
                        QString::fromStdString(message + "\n(" + where + ")"));
}

}  // namespace ui::qt
