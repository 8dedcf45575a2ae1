#pragma once
// The entry points of the Qt rendering for hosts, apps and tests.
//
//   ui::qt::QtDesktop desktop;                  // install once, before showing anything
//   ui::ScopedDesktop installed(desktop);
//   QWidget* area = ui::qt::CreateWidget(screen, host_window);   // a control in its host
//   auto window = ui::qt::CreateWindow(form);                   // a form as its own window
//   window->show();
//   ui::qt::SaveScreenshot(*window, "form.png");
//
// The form must outlive its widgets' use; a widget whose form is destroyed goes inert.

#include <QWidget>
#include <memory>
#include <string>

#include "ui/form.h"

namespace ui::qt {

// Renders `form` (typically the control's UserControl) inside `parent`, at the form's
// size; the widget belongs to `parent`. Show `parent` to show it.
QWidget* CreateWidget(Form& form, QWidget* parent);
// Renders `form` as a window of its own, not yet shown; its close box goes through the
// form's Unload and its Cancel.
std::unique_ptr<QWidget> CreateWindow(Form& form);
// The widget showing a control, or a form's own widget; nullptr when it is not rendered.
QWidget* WidgetFor(const Control& control);

// Saves a PNG picture of `widget` as drawn now (also on the offscreen platform); false
// when the picture cannot be taken or the file cannot be written.
bool SaveScreenshot(QWidget& widget, const std::string& path);
// The same for a rendered form (false when it is not rendered).
bool SaveScreenshot(const Form& form, const std::string& path);

}  // namespace ui::qt
