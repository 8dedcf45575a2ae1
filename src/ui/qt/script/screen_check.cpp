#include "ui/qt/script/screen_check.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>
#include <optional>
#include <stdexcept>

#include "ui/controls.h"
#include "ui/qt/form_view.h"

namespace ui::qt {
namespace {

std::string Quoted(const QString& text) { return "\"" + text.toStdString() + "\""; }

// Thrown by the comparisons below with the first difference.
struct Difference : std::runtime_error {
  using std::runtime_error::runtime_error;
};

void Same(const Control& c, const char* what, const QString& shown, const std::string& model) {
  const QString expected = QString::fromStdString(ShownText(model));
  if (shown == expected) return;
  throw Difference(c.Name() + " " + what + ": the screen shows " + Quoted(shown) +
                   ", the model holds " + Quoted(expected));
}

void Same(const Control& c, const char* what, long shown, long model) {
  if (shown == model) return;
  throw Difference(c.Name() + " " + what + ": the screen shows " + std::to_string(shown) +
                   ", the model holds " + std::to_string(model));
}

bool EnabledInModel(const Control& c) {
  for (const Control* p = &c; p; p = p->Container()) {
    if (!p->Enabled()) return false;
  }
  return !c.form() || c.form()->Enabled();
}

int Characters(const QString& text, int units) {
  return static_cast<int>(text.left(units).toUcs4().size());
}

void CompareEdit(const EditControl& c, const QLineEdit& edit) {
  Same(c, "Text", edit.text(), c.Text());
  const QString text = edit.text();
  const int caret = Characters(text, edit.cursorPosition());
  const int start = edit.hasSelectedText() ? Characters(text, edit.selectionStart()) : caret;
  const int length = edit.hasSelectedText() ? Characters(text, edit.selectionEnd()) - start : 0;
  Same(c, "SelStart", start, c.SelStart());
  Same(c, "SelLength", length, c.SelLength());
}

void CompareItems(const Control& c, const QAbstractItemModel& items, const ItemList& list) {
  Same(c, "ListCount", items.rowCount(), list.ListCount());
  for (int row = 0; row < list.ListCount(); ++row) {
    Same(c, ("List(" + std::to_string(row) + ")").c_str(),
         items.data(items.index(row, 0)).toString(), list.List(row));
  }
}

void CompareList(const ListBox& c, QListWidget& w) {
  CompareItems(c, *w.model(), c);
  std::vector<int> selected;
  for (const QModelIndex& index : w.selectionModel()->selectedIndexes())
    selected.push_back(index.row());
  const std::vector<int> expected =
      c.ListIndex() >= 0 ? std::vector<int>{c.ListIndex()} : std::vector<int>{};
  if (selected != expected) {
    throw Difference(c.Name() + " selection: the screen shows " + std::to_string(selected.size()) +
                     " selected row(s)" +
                     (selected.empty() ? "" : " from " + std::to_string(selected[0])) +
                     ", the model selects row " + std::to_string(c.ListIndex()));
  }
  if (c.ListCount() == 0) return;
  // The rows in view, as the view lays them out in its viewport.
  const QModelIndex first = w.indexAt(QPoint(2, 2));
  Same(c, "TopIndex (first row in view)", first.isValid() ? first.row() : -1, c.TopIndex());
  for (int row = c.TopIndex(); row < std::min(c.ListCount(), c.TopIndex() + c.VisibleRows());
       ++row) {
    const QRect rect = w.visualRect(w.model()->index(row, 0));
    const QModelIndex at = w.indexAt(rect.center());
    if (!w.viewport()->rect().contains(rect.center()) || !at.isValid() || at.row() != row) {
      throw Difference(c.Name() + ": row " + std::to_string(row) + " is not in view on the screen");
    }
  }
}

void CompareControl(const Control& c, QWidget& w) {
  Same(c, "Visible", w.isHidden() ? 0 : 1, c.Visible() ? 1 : 0);
  Same(c, "Enabled", w.isEnabled() ? 1 : 0, EnabledInModel(c) ? 1 : 0);
  if (!w.isVisible()) return;
  if (auto* label = qobject_cast<QLabel*>(&w)) {
    Same(c, "Caption", label->text(), static_cast<const Label&>(c).Caption());
  } else if (auto* button = qobject_cast<QPushButton*>(&w)) {
    Same(c, "Caption", button->text(), static_cast<const CommandButton&>(c).Caption());
  } else if (auto* box = qobject_cast<QCheckBox*>(&w)) {
    const auto& check = static_cast<const CheckBox&>(c);
    Same(c, "Caption", box->text(), check.Caption());
    const int shown = box->checkState() == Qt::Checked     ? 1
                      : box->checkState() == Qt::Unchecked ? 0
                                                           : 2;
    Same(c, "Value", shown, check.Value());
  } else if (auto* frame = qobject_cast<QGroupBox*>(&w)) {
    Same(c, "Caption", frame->title(), static_cast<const Frame&>(c).Caption());
  } else if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
    CompareEdit(static_cast<const TextBox&>(c), *edit);
  } else if (auto* combo = qobject_cast<QComboBox*>(&w)) {
    const auto& model = static_cast<const ComboBox&>(c);
    CompareItems(c, *combo->model(), model);
    Same(c, "ListIndex", combo->currentIndex(), model.ListIndex());
    if (combo->lineEdit()) {
      CompareEdit(model, *combo->lineEdit());
    } else {
      Same(c, "Text", combo->currentText(), model.Text());
    }
  } else if (auto* list = qobject_cast<QListWidget*>(&w)) {
    CompareList(static_cast<const ListBox&>(c), *list);
  } else if (auto* bar = qobject_cast<QScrollBar*>(&w)) {
    const auto& model = static_cast<const VScrollBar&>(c);
    Same(c, "Value", bar->value(), model.Value());
    Same(c, "Min", bar->minimum(), std::min(model.Min(), model.Max()));
    Same(c, "Max", bar->maximum(), std::max(model.Min(), model.Max()));
  }
}

// The control whose widget holds `w` (a combo box's edit field, a list's viewport), or null.
const Control* Owner(const FormView& view, const QWidget* w) {
  const Form* form = view.form();
  for (; w && w != &view; w = w->parentWidget()) {
    for (const Control* c : form->Controls()) {
      if (view.WidgetOf(*c) == w) return c;
    }
  }
  return nullptr;
}

void CompareFocus(const FormView& view) {
  if (!view.window()->isActiveWindow()) return;
  const Control* focus = Control::Focused();
  if (focus && focus->form() != view.form()) focus = nullptr;
  QWidget* qt_focus = QApplication::focusWidget();
  const Control* shown = qt_focus && view.isAncestorOf(qt_focus) ? Owner(view, qt_focus) : nullptr;
  if (shown == focus) return;
  throw Difference("the focus: the screen shows it on " +
                   (shown ? shown->Name() : std::string("none")) + ", the model gives it to " +
                   (focus ? focus->Name() : std::string("none")));
}

}  // namespace

QImage ScreenPicture(QWidget& view) {
  QWidget* window = view.window();
  QScreen* screen = window->screen();
  if (!screen || !window->windowHandle() || !window->windowHandle()->isExposed()) return {};
  const QPoint origin = view.mapTo(window, QPoint(0, 0));
  return screen->grabWindow(window->winId(), origin.x(), origin.y(), view.width(), view.height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

namespace {

// The first pixel where the screen differs from what the form's widgets draw now, if any.
std::optional<QPoint> StalePixel(FormView& view) {
  const QImage shown = ScreenPicture(view);
  if (shown.isNull()) return {};
  const QImage drawn = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
  if (shown.size() != drawn.size()) return {};
  for (int y = 0; y < shown.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
    for (int x = 0; x < shown.width(); ++x) {
      if (a[x] != b[x]) return QPoint(x, y);
    }
  }
  return {};
}

// Another of the application's windows over this one (the help window, say): the screen
// then shows that window there.
bool Covered(const QWidget& window) {
  for (const QWidget* top : QApplication::topLevelWidgets()) {
    if (top != &window && top->isVisible() && top->geometry().intersects(window.geometry())) {
      return true;
    }
  }
  return false;
}

void ComparePixels(FormView& view) {
  if (Covered(*view.window())) return;
  // A repaint that is only pending is given its time; a picture left behind is not.
  std::optional<QPoint> stale;
  QElapsedTimer timer;
  timer.start();
  while ((stale = StalePixel(view)) && timer.elapsed() < 300) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 30);
  }
  if (!stale) return;
  const Control* c = Owner(view, view.childAt(*stale));
  throw Difference((c ? c->Name() : view.form()->Name()) +
                   ": the screen still shows an old picture at (" + std::to_string(stale->x()) +
                   ", " + std::to_string(stale->y()) +
                   ") of the window, not what the widget draws now");
}

void CompareForm(FormView& view, bool on_top) {
  const Form& form = *view.form();
  if (view.isWindow() && view.isVisible()) {
    const std::string title = ShownTitle(view);
    if (title != ShownText(form.Caption())) {
      throw Difference(form.Name() + " title: the screen shows \"" + title +
                       "\", the model holds \"" + ShownText(form.Caption()) + "\"");
    }
  }
  for (const Control* c : form.Controls()) {
    if (QWidget* w = view.WidgetOf(*c)) CompareControl(*c, *w);
  }
  if (!on_top) return;
  CompareFocus(view);
  ComparePixels(view);
}

}  // namespace

std::string CompareScreen(const std::vector<Form*>& forms) {
  QCoreApplication::processEvents();
  try {
    for (std::size_t i = 0; i < forms.size(); ++i) {
      FormView* view = FormView::Of(*forms[i]);
      if (!view || !view->form()) continue;
      if (view->isVisible()) {
        CompareForm(*view, i + 1 == forms.size());
      } else if (view->isWindow() && forms[i]->Loaded()) {
        // A close box that hid the window although Unload was cancelled, say.
        throw Difference(forms[i]->Name() +
                         ": the window is not on the screen, the model still shows it");
      }
    }
  } catch (const Difference& d) {
    return d.what();
  }
  return "";
}

}  // namespace ui::qt
