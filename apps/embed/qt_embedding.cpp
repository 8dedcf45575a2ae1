// The Qt side of embedding the control: the desktop services and the control's widget.
#include "vantelor/qt_embedding.h"

#include "component/control_impl.h"
#include "help/context_ids.h"
#include "printing/pdf/pdf_print_control.h"
#include "ui/qt/help_window.h"
#include "ui/qt/qt_desktop.h"
#include "ui/qt/render.h"

namespace vantelor {

struct QtDesktop::Impl {
  ui::qt::QtDesktop desktop;
  ui::ScopedDesktop installed{desktop};
};

QtDesktop::QtDesktop(QWidget* hostWindow) : impl_(std::make_unique<Impl>()) {
  impl_->desktop.SetHostWindow(hostWindow);
  impl_->desktop.SetHelpAnchor([](int context) { return help::Ancre(ui::kHelpContext, context); });
}

QtDesktop::~QtDesktop() = default;

void QtDesktop::SetErrorHandler(
    std::function<void(const std::string&, const std::string&)> handler) {
  impl_->desktop.SetErrorHandler(std::move(handler));
}

void UsePdfPrintControl() {
  printing::pdf::PrintSettings settings = printing::pdf::PrintSettings::FromEnvironment();
  settings.windows = true;
  printing::pdf::InstallPdfPrintControl(settings);
}

std::string HelpFilePath() { return ui::qt::FindHelpFile(ui::HelpFile()); }

QWidget* CreateControlWidget(Ctr_Vantelor& control, QWidget* parent) {
  SelectionScreen& screen = Ecran(control);
  screen.Load();
  return ui::qt::CreateWidget(screen, parent);
}

}  // namespace vantelor
