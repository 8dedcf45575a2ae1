// vantelor-gallery: the toolkit's gallery window, one control of each kind.
//
//   vantelor-gallery                      opens the window
//   vantelor-gallery --script FILE        runs an automation script against it, then quits
//   vantelor-gallery --check-screen       ... comparing the screen with the model after each line
//   vantelor-gallery --shot FILE.png      saves a picture of it (after the script, if any)
//
// -platform NAME chooses Qt's platform. Exit status: 0 done, 1 the script stopped (the
// reason on stderr) or a file could not be used, 2 a wrong command line.

#include <QApplication>
#include <iostream>
#include <string>

#include "command_line/command_line.h"
#include "ui/qt/qt_desktop.h"
#include "ui/qt/render.h"
#include "ui/qt/script/qt_script.h"
#include "vantelor-gallery/gallery.h"

namespace {

struct Options {
  std::string script;
  std::string shot;
  bool check_screen = false;
};

int RunGallery(int argc, char** argv, const Options& options) {
  QApplication app(argc, argv);
  ui::qt::QtDesktop desktop;
  ui::ScopedDesktop installed(desktop);
  ui::GalleryForm gallery;
  gallery.Load();
  auto window = ui::qt::CreateWindow(gallery);
  window->show();
  if (options.script.empty() && options.shot.empty()) return QApplication::exec();

  if (!options.script.empty()) {
    std::string script;
    if (!ui::ReadScriptFile(options.script, script))
      throw std::runtime_error("cannot read " + options.script);
    const ui::ScriptResult result =
        ui::qt::RunScript(gallery, script, std::cout, {options.check_screen});
    if (!result.ok) {
      std::cerr << options.script << ": " << result.ToString() << '\n';
      return 1;
    }
  }
  if (!options.shot.empty() && !ui::qt::SaveScreenshot(*window, options.shot))
    throw std::runtime_error("cannot write " + options.shot);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const cli::Program program{
      "vantelor-gallery",
      "The toolkit's gallery window, one control of each kind.",
      {{"script", "FILE", "run an automation script against it, then quit"},
       {"check-screen", "", "with --script: compare the screen with the model after each line"},
       {"shot", "FILE.png", "save a picture of it (after the script, if any)"},
       {"platform", "NAME", "Qt's platform (xcb, offscreen, ...)"}},
      {{"",
        "",
        0,
        0,
        "",
        {},
        [&](const cli::Arguments& args, std::ostream&) {
          if (args.Has("platform")) qputenv("QT_QPA_PLATFORM", args.Value("platform").c_str());
          return RunGallery(argc, argv,
                            {args.Value("script"), args.Value("shot"), args.Has("check-screen")});
        }}},
      "Exit status: 0 done, 1 the script stopped or a file could not be used, 2 a wrong "
      "command line."};
  return cli::Run(program, argc, argv);
}
