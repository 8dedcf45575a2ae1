// vantelor-gallery: the toolkit's gallery window, one control of each kind.
//
//   vantelor-gallery                      opens the window
//   vantelor-gallery --script FILE        runs an automation script against it, then quits
//   vantelor-gallery --check-screen       ... comparing the screen with the model after each line
//   vantelor-gallery --shot FILE.png      saves a picture of it (after the script, if any)
//
// Qt's own options (-platform offscreen, ...) come first. Exit status: 0 done, 1 the
// script stopped (the reason on stderr), 2 bad arguments or a file that cannot be used.

#include <QApplication>
#include <iostream>
#include <string>

#include "gallery.h"
#include "ui/qt/qt_desktop.h"
#include "ui/qt/render.h"
#include "ui/qt/script/qt_script.h"

namespace {

struct Options {
  std::string script;
  std::string shot;
  bool check_screen = false;
};

bool Parse(const QStringList& args, Options& options) {
  for (qsizetype i = 1; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == "--check-screen") {
      options.check_screen = true;
    } else if ((arg == "--script" || arg == "--shot") && i + 1 < args.size()) {
      (arg == "--script" ? options.script : options.shot) = args[++i].toStdString();
    } else {
      std::cerr << "unknown argument: " << arg.toStdString() << '\n';
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Options options;
  if (!Parse(QApplication::arguments(), options)) {
    std::cerr << "usage: vantelor-gallery [--script FILE [--check-screen]] [--shot FILE.png]\n";
    return 2;
  }
  ui::qt::QtDesktop desktop;
  ui::ScopedDesktop installed(desktop);
  ui::GalleryForm gallery;
  gallery.Load();
  auto window = ui::qt::CreateWindow(gallery);
  window->show();
  if (options.script.empty() && options.shot.empty()) return QApplication::exec();

  if (!options.script.empty()) {
    std::string script;
    if (!ui::ReadScriptFile(options.script, script)) {
      std::cerr << "cannot read " << options.script << '\n';
      return 2;
    }
    const ui::ScriptResult result =
        ui::qt::RunScript(gallery, script, std::cout, {options.check_screen});
    if (!result.ok) {
      std::cerr << options.script << ": " << result.ToString() << '\n';
      return 1;
    }
  }
  if (!options.shot.empty() && !ui::qt::SaveScreenshot(*window, options.shot)) {
    std::cerr << "cannot write " << options.shot << '\n';
    return 2;
  }
  return 0;
}
