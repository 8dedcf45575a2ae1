#pragma once
// What the print control's windows ask of the desktop: the printers, a folder chooser, the
// print preview, opening a file or a folder, and the clerk's last choice kept between runs.
// Qt's by default (QtPrintDesk); tests put their own.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "printing/pdf/destinations.h"
#include "printing/window/print_choice.h"

class QWidget;

namespace printing::pdf {

struct PrintDesk {
  // The printers the machine knows, the default first.
  std::function<std::vector<std::string>()> printers;
  std::function<std::optional<std::string>(const std::string& current)> chooseFolder;
  // Shows the pages that `draw` makes, under the title.
  std::function<void(const DrawSheets& draw, const std::string& title)> preview;
  std::function<void(const std::string& path)> open;
  // The last choice of `user` (destination, copies, folder), if any.
  std::function<std::optional<PrintChoice>(const std::string& user)> remembered;
  std::function<void(const std::string& user, const PrintChoice& choice)> remember;
};

// Printers through QPrinterInfo, QFileDialog, the preview window below, QDesktopServices,
// and QSettings (one group per user).
PrintDesk QtPrintDesk();

// The print preview of the pages `draw` makes: Qt's preview widget in a window of its own,
// a child of `parent` (which stays usable), with no print button: what prints goes through
// the print window and the print log. Deletes itself when closed.
QWidget* ShowPreview(const DrawSheets& draw, const std::string& title, QWidget* parent);

}  // namespace printing::pdf
