// vantelor-host: a host window that holds the control, as the payroll application does.
//
//   vantelor-host [-platform NAME] [--db NAME] [--user NAME] [--caregiver CODE]
//                 [--script FILE [--check-screen]]
//
// It creates the control, hands it the database client, the database and the rights of
// the user, presets the caregiver code when one is given, calls Init and shows the
// control; it closes when the control closes its window ("Sortir") and then writes
// W_Sortir. With --script it runs the automation script against the control instead of
// waiting for the user, writes its result and exits with it; --check-screen compares what
// the windows show with the control's state after every line. Errors that reach the host
// are shown in a critical message box (on stderr while a script runs).
//
// Exit status: 0 done (or the script passed), 1 the script stopped (or a message box came
// up before it could run, its text written), 2 bad arguments, a file that cannot be used,
// or an Init that failed while a script was to run.

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <iostream>
#include <optional>
#include <stdexcept>

#include "host_options.h"
#include "vantelor/demo.h"
#include "vantelor/qt_embedding.h"
#include "vantelor/script.h"
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

// A start-up failure, said to the user in French; `detail` is the library's own account.
struct StartupError : std::runtime_error {
  StartupError(const std::string& text, std::string detail)
      : std::runtime_error(text), detail(std::move(detail)) {}
  std::string detail;
};

vantelor::DatabaseRef OpenArchive(const vantelor::ClientRef& client, const std::string& path) {
  try {
    return vantelor::OpenDatabase(client, path);
  } catch (const std::exception& e) {
    throw StartupError("La base de données " + path + " ne peut pas être ouverte.", e.what());
  }
}

// The host's part of the calling order: objects, optional preset, Init.
void StartControl(vantelor::Ctr_Vantelor& control, const host::HostOptions& options) {
  vantelor::ClientRef client = vantelor::NewClient();
  vantelor::DatabaseRef database = OpenArchive(client, options.db);
  vantelor::RightsRef rights = vantelor::RightsForUser(
      database, options.user.empty() ? vantelor::LoginName() : options.user);
  control.put_TheClient(client);
  control.put_TheDatabase(database);
  control.put_DroitsUtilisateur(rights);
  if (!options.caregiver.empty()) control.put_W_CodeAidant(options.caregiver);
  control.Init();
}

int RunScript(vantelor::Ctr_Vantelor& control, const host::HostOptions& options) {
  const vantelor::ScriptOutcome outcome =
      vantelor::RunScriptFile(control, options.script, std::cout, options.check_screen);
  std::cout << options.script << ": " << outcome.report << '\n';
  return outcome.ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
  std::optional<vantelor::ScriptedStart> start;  // no box may wait for an answer unseen
  if (scripted) start.emplace();
  try {
    StartControl(control, options);
  } catch (const StartupError& e) {
    std::cerr << e.what() << " (" << e.detail << ")\n";
    if (scripted) return 2;
    QMessageBox::critical(nullptr, "Vantelor", QString::fromStdString(e.what()));
  } catch (const std::exception& e) {
    if (scripted) {
      std::cerr << "cannot start the control: " << e.what() << '\n';
      return 2;
    }
    ShowError("Init", e.what());
  }
  if (start && !start->Failure().empty()) {
    std::cout << options.script << ": start-up: " << start->Failure() << '\n';
    return 1;
  }
  start.reset();
  QWidget* area = vantelor::CreateControlWidget(control, &window);
  window.setFixedSize(area->size());
  window.show();

  const int status = scripted ? RunScript(control, options) : QApplication::exec();
  std::cout << "W_Sortir: " << (control.get_W_Sortir() ? "true" : "false") << '\n';
  return status;
}
