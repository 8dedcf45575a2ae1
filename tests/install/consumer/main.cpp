// A host outside the source tree: it sees only the installed public headers.
#include <QApplication>
#include <filesystem>
#include <iostream>
#include <vantelor/qt_embedding.h>
#include <vantelor/vantelor.h>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  QWidget window;
  vantelor::QtDesktop desktop(&window);
  vantelor::UsePdfPrintControl();
  vantelor::Ctr_Vantelor control;
  vantelor::ClientRef client = vantelor::NewClient();
  vantelor::DatabaseRef db = vantelor::OpenDatabase(client, argv[1]);
  vantelor::RightsRef rights = vantelor::RightsForUser(db, vantelor::LoginName());
  control.put_TheClient(client);
  control.put_TheDatabase(db);
  control.put_DroitsUtilisateur(rights);
  std::vector<vantelor::Argument> none;
  control.Invoke(*vantelor::DispatchId("Init"), vantelor::DispatchKind::Method, none);
  QWidget* area = vantelor::CreateControlWidget(control, &window);
  window.setFixedSize(area->size());
  window.show();
  QApplication::processEvents();
  const bool help = std::filesystem::exists(
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "Vantelor.HLP");
  std::cout << "shown " << area->width() << "x" << area->height() << ", help file "
            << (help ? "beside the program" : "missing") << '\n';
  return help && area->width() > 0 && !control.get_W_Sortir() ? 0 : 1;
}
