#pragma once
// Showing the control in a Qt host window.
//
//   QApplication app(argc, argv);
//   QMainWindow window;
//   vantelor::QtDesktop desktop(&window);     // before the control is created
//   vantelor::UsePdfPrintControl();
//   vantelor::Ctr_Vantelor control;
//   ... set TheClient, TheDatabase, DroitsUtilisateur, call Init ...
//   window.setCentralWidget(vantelor::CreateControlWidget(control, &window));
//   window.show();
//   app.exec();                                // "Sortir" closes `window`
//
// Everything runs on the Qt user-interface thread.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "vantelor/ctr_vantelor.h"

namespace vantelor {

// The control's desktop on Qt for the life of this object: message boxes, hourglass,
// modal windows, pop-up menus and the help window. `hostWindow` is the window the
// control closes when the user leaves. Errors that the control's event handlers let
// through are shown in a critical message box unless SetErrorHandler says otherwise.
class QtDesktop {
 public:
  explicit QtDesktop(QWidget* hostWindow);
  ~QtDesktop();
  QtDesktop(const QtDesktop&) = delete;
  QtDesktop& operator=(const QtDesktop&) = delete;

  // (where the error arose, its message).
  void SetErrorHandler(std::function<void(const std::string&, const std::string&)> handler);

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

// Makes the control print through Vantelor's print control, with its windows: before each
// request the print window (a printer the machine knows or a PDF file, copies, preview),
// after it a message that says where the payslips went; the clerk's choice is remembered
// per user. Configured from the environment: VANTELOR_PRINT_DIR (the folder proposed for
// the PDF files), VANTELOR_PRINTER (the destination proposed until the clerk chooses one).
// Without it, a print request is refused with an error.
void UsePdfPrintControl();

// The help file the control's help window will show: Vantelor.HLP beside the program file,
// else in ../share/vantelor/ from there (an installed layout); "" when there is none. A host
// may refuse to start without it. Valid once a control has been created.
std::string HelpFilePath();

// The control's own window drawn inside `parent` (which owns the widget), at its designed
// size. The control must outlive the widget's use.
QWidget* CreateControlWidget(Ctr_Vantelor& control, QWidget* parent);

}  // namespace vantelor
