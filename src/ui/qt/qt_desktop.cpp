#include "ui/qt/qt_desktop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <iostream>

#include "ui/form.h"
#include "ui/qt/form_view.h"
#include "ui/qt/help_window.h"

namespace ui::qt {
namespace {

// Qt's own texts (the buttons of message boxes, the standard dialogs) in French, once per
// application; without the translations installed they stay in English.
void InstallFrenchTranslations() {
  static bool installed = false;
  if (installed || !QCoreApplication::instance()) return;
  installed = true;
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  }
}

}  // namespace

QtDesktop::QtDesktop()
    : help_anchor_([](int context) { return "context-" + std::to_string(context); }) {
  InstallFrenchTranslations();
}

QtDesktop::~QtDesktop() {
  if (pointer_ == kHourglass) QGuiApplication::restoreOverrideCursor();
}

void QtDesktop::NoteScriptFailure(const std::string& what) {
  if (auto* qt = dynamic_cast<QtDesktop*>(&desktop()); qt && qt->automation_) {
    qt->automation_->Fail(what);
  } else {
    std::cerr << what << '\n';
  }
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
  if (automation_) return automation_->RunModal(form);
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
  if (automation_) return automation_->Fail("error in " + where + ": " + message);
  if (error_handler_) return error_handler_(where, message);
  QMessageBox::critical(QApplication::activeWindow(), kDefaultTitle,
                        QString::fromStdString(message + "\n(" + where + ")"));
}

}  // namespace ui::qt
