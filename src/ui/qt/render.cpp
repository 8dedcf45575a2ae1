#include "ui/qt/render.h"

#include <QCoreApplication>
#include <QPixmap>

#include "ui/qt/form_view.h"

namespace ui::qt {

QWidget* CreateWidget(Form& form, QWidget* parent) { return new FormView(form, parent); }

std::unique_ptr<QWidget> CreateWindow(Form& form) {
  return std::make_unique<FormView>(form, nullptr);
}

QWidget* WidgetFor(const Control& control) {
  const Form* form = control.form();
  if (!form) form = dynamic_cast<const Form*>(&control);
  FormView* view = form ? FormView::Of(*form) : nullptr;
  return view ? view->WidgetOf(control) : nullptr;
}

bool SaveScreenshot(QWidget& widget, const std::string& path) {
  widget.ensurePolished();
  QCoreApplication::processEvents();  // pending layout (list rows, geometry) first
  const QPixmap picture = widget.grab();
  return !picture.isNull() && picture.save(QString::fromStdString(path), "PNG");
}

bool SaveScreenshot(const Form& form, const std::string& path) {
  FormView* view = FormView::Of(form);
  return view && SaveScreenshot(*view, path);
}

}  // namespace ui::qt
