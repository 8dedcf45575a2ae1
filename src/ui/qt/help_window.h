#pragma once
// The help window: an HTML help file shown in a browser window, at the anchor of a context
// number or at its top for the contents. A help file named *.HLP that does not exist is
// looked for as *.html beside it, then both in ../share/vantelor/ from its folder (where an
// install puts it, the programs being in bin/). A missing file is said in the window itself.

#include <QTextBrowser>
#include <memory>
#include <string>

namespace ui::qt {

// The file the help window shows for the help-file setting `file`; "" when none is found.
std::string FindHelpFile(const std::string& file);

class HelpWindow {
 public:
  HelpWindow();
  // Shows `file` at `anchor` ("" = the top) and brings the window up.
  void Show(const std::string& file, const std::string& anchor);
  QWidget* widget() const { return browser_.get(); }

 private:
  std::unique_ptr<QTextBrowser> browser_;
};

}  // namespace ui::qt
