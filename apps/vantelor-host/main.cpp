// vantelor-host: a host window that holds the control, as the payroll application does.
//
// It creates the control, hands it the database client, the database and the rights of
// the user, presets the caregiver code when one is given, calls Init and shows the
// control; it closes when the control closes its window ("Sortir") and then writes
// W_Sortir. With --script it runs the automation script against the control instead of
// waiting for the user, writes its result and exits with it; --check-screen compares what
// the windows show with the control's state after every line. Errors that reach the host
// are shown in a critical message box (on stderr while a script runs). A start-up that
// fails is told in a French message box (on stderr while a script runs) and ends the run;
// with a script, so does a message box that comes up before the script could answer it.

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "display.h"
#include "host_options.h"
#include "startup.h"
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

// Told like the screens' own messages (critical icon, their title), the library's account
// behind the details button; always on stderr too. Returns the exit status.
int Fail(const host::StartupFailure& failure, bool scripted) {
  std::cerr << "vantelor-host: " << failure.text << " (" << failure.detail << ")\n";
  if (!scripted) {
    QMessageBox box(QMessageBox::Critical, "Message KALVENOR", QString::fromStdString(failure.text),
                    QMessageBox::Ok);
    box.setDetailedText(QString::fromStdString(failure.detail));
    box.exec();
  }
  return 1;
}

// A script that cannot be read stops the run before anything is shown.
void CheckScript(const std::string& path) {
  if (std::filesystem::is_directory(path))
    throw std::runtime_error("cannot read the script " + path + ": it is a folder");
  if (!std::ifstream(path)) throw std::runtime_error("cannot read the script " + path);
}

int RunHost(int argc, char** argv, host::HostOptions options) {
  const bool scripted = !options.script.empty();
  if (scripted) CheckScript(options.script);
  if (!host::HasDisplay())
    throw std::runtime_error(
        "no display to show the window on (DISPLAY is not set): start it in a desktop "
        "session, or give -platform offscreen to run a script without one");
  QApplication app(argc, argv);
  if (auto failure = host::ChooseDatabase(options)) return Fail(*failure, scripted);

  HostWindow window;
  window.setWindowTitle("Vantelor – Bulletins de paie archivés");
  vantelor::QtDesktop desktop(&window);
  desktop.SetErrorHandler(ShowError);
  vantelor::UsePdfPrintControl();
  vantelor::Ctr_Vantelor control;
  std::optional<vantelor::ScriptedStart> start;  // no box may wait for an answer unseen
  if (scripted) start.emplace();
  if (auto failure = host::StartControl(control, options)) return Fail(*failure, scripted);
  if (start && !start->Failure().empty()) {
    std::cout << options.script << ": start-up: " << start->Failure() << '\n';
    return 1;
  }
  start.reset();
  QWidget* area = vantelor::CreateControlWidget(control, &window);
  window.setFixedSize(area->size());
  window.show();

  int status = 0;
  if (scripted) {
    const vantelor::ScriptOutcome outcome =
        vantelor::RunScriptFile(control, options.script, std::cout, options.check_screen);
    std::cout << options.script << ": " << outcome.report << '\n';
    status = outcome.ok ? 0 : 1;
  } else {
    status = QApplication::exec();
  }
  std::cout << "W_Sortir: " << (control.get_W_Sortir() ? "true" : "false") << '\n';
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const cli::Program program{
      "vantelor-host",
      "The host window of the Vantelor control, on the archive named by --db, with the rights\n"
      "of --user (-platform NAME, with one dash, as every Qt program takes it).",
      host::OptionTable(),
      {{"",
        "",
        0,
        0,
        "",
        {},
        [&](const cli::Arguments& args, std::ostream&) {
          const host::HostOptions options = host::ReadOptions(args);
          // Qt reads -platform NAME itself; the other spellings reach it this way.
          if (args.Has("platform")) qputenv("QT_QPA_PLATFORM", args.Value("platform").c_str());
          return RunHost(argc, argv, options);
        }}},
      "Exit status: 0 done (or the script passed), 1 the script stopped or the start-up failed\n"
      "(a database, the help file or the user's rights), 2 a wrong command line."};
  return cli::Run(program, argc, argv);
}
