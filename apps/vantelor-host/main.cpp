// vantelor-host: a host window that holds the control, as the payroll application does.
//
//   vantelor-host [-platform NAME] [--db PATH] [--user NAME] [--caregiver CODE]
//                 [--script FILE]
//
// It creates the control, hands it the database client, the database and the rights of
// the user, presets the caregiver code when one is given, calls Init and shows the
// control; it closes when the control closes its window ("Sortir") and then writes
// W_Sortir. With --script it runs the automation script against the control instead of
// waiting for the user, writes its result and exits with it. Errors that reach the host
// are shown in a critical message box (on stderr while a script runs).
//
// Exit status: 0 done (or the script passed), 1 the script stopped, 2 bad arguments, a
// file that cannot be used, or an Init that failed while a script was to run.

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <iostream>

#include "component/control_impl.h"
#include "host_options.h"
#include "ui/qt/qt_script.h"
#include "vantelor/demo.h"
#include "vantelor/qt_embedding.h"
#include "vantelor/vantelor.h"

namespace {

// The host's window: closing it ends the application, even with the help window open.
class HostWindow : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override {
    QWidget::closeEvent(event);
    if (event->isAccepted()) QCoreApplication::quit();
  }
};

void ShowError(const std::string& where, const std::string& message) {
  QMessageBox::critical(QApplication::activeWindow(), "Vantelor",
                        QString::fromStdString(message + "\n(" + where + ")"));
}

// The host's part of the calling order: objects, optional preset, Init.
void StartControl(vantelor::Ctr_Vantelor& control, const host::HostOptions& options) {
  vantelor::ClientRef client = vantelor::NewClient();
  vantelor::DatabaseRef database = vantelor::OpenDatabase(client, options.db);
  vantelor::RightsRef rights = vantelor::RightsForUser(
      database, options.user.empty() ? vantelor::LoginName() : options.user);
  control.put_TheClient(client);
  control.put_TheDatabase(database);
  control.put_DroitsUtilisateur(rights);
  if (!options.caregiver.empty()) control.put_W_CodeAidant(options.caregiver);
  control.Init();
}

int RunScript(vantelor::Ctr_Vantelor& control, const std::string& path) {
  std::string script;
  if (!ui::ReadScriptFile(path, script)) {
    std::cerr << "cannot read " << path << '\n';
    return 2;
  }
  const ui::ScriptResult result = ui::qt::RunScript(vantelor::Ecran(control), script, std::cout);
  std::cout << path << ": " << result.ToString() << '\n';
  return result.ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName("Vantelor");
  host::HostOptions options;
  std::string error;
  if (!host::ParseOptions(QApplication::arguments(), options, error)) {
    std::cerr << error << '\n' << host::kUsage << '\n';
    return 2;
  }
  const bool scripted = !options.script.empty();
  try {
    if (options.db.empty()) {
      options.db = host::DefaultDatabase();
      vantelor::EnsureDemoDatabase(options.db);
    }
  } catch (const std::exception& e) {
    std::cerr << "cannot create the demo database " << options.db << ": " << e.what() << '\n';
    return 2;
  }

  HostWindow window;
  window.setWindowTitle("Vantelor – Bulletins de paie archivés");
  vantelor::QtDesktop desktop(&window);
  desktop.SetErrorHandler(ShowError);
  vantelor::UsePdfPrintControl();
  vantelor::Ctr_Vantelor control;
  try {
    StartControl(control, options);
  } catch (const std::exception& e) {
    if (scripted) {
      std::cerr << "cannot start the control: " << e.what() << '\n';
      return 2;
    }
    ShowError("Init", e.what());
  }
  QWidget* area = vantelor::CreateControlWidget(control, &window);
  window.setFixedSize(area->size());
  window.show();

  const int status = scripted ? RunScript(control, options.script) : QApplication::exec();
  std::cout << "W_Sortir: " << (control.get_W_Sortir() ? "true" : "false") << '\n';
  return status;
}
