// e2e-headless: runs an end-to-end script on the control with the toolkit's headless
// desktop (no window is drawn; steps call the controls' input methods), on the database and
// user given, as vantelor-host --script does on the Qt rendering.
//
//   e2e-headless DB USER SCRIPT      exit 0 when the script ran to its end, 1 when it stopped

#include <QGuiApplication>
#include <iostream>

#include "component/control_impl.h"
#include "ui/script/headless_script.h"
#include "vantelor/qt_embedding.h"
#include "vantelor/vantelor.h"

int main(int argc, char** argv) {
  // Fonts for the PDF print control; nothing is shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::cerr << "usage: e2e-headless DB USER SCRIPT\n";
    return 2;
  }
  std::string script;
  if (!ui::ReadScriptFile(argv[3], script)) {
    std::cerr << "cannot read " << argv[3] << '\n';
    return 2;
  }
  vantelor::UsePdfPrintControl();
  vantelor::Ctr_Vantelor control;
  vantelor::ClientRef client = vantelor::NewClient();
  vantelor::DatabaseRef database = vantelor::OpenDatabase(client, argv[1]);
  control.put_TheClient(client);
  control.put_TheDatabase(database);
  vantelor::RightsRef rights = vantelor::RightsForUser(database, argv[2]);
  control.put_DroitsUtilisateur(rights);
  control.Init();
  vantelor::SelectionScreen& screen = vantelor::Ecran(control);
  screen.Load();
  const ui::ScriptResult result = ui::RunHeadlessScript(screen, script, std::cout);
  std::cout << argv[3] << ": " << result.ToString() << '\n';
  return result.ok ? 0 : 1;
}
