// QtDriver's input steps: real key and mouse input on the controls' widgets.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QWindow>
#include <stdexcept>

#include "ui/controls.h"
#include "ui/qt/form_view.h"
#include "ui/qt/render.h"
#include "ui/qt/script/qt_script.h"
#include "ui/qt/units.h"

namespace ui::qt {
namespace {

QWidget& Shown(const Control& control) {
  QWidget* w = WidgetFor(control);
  if (!w) throw std::runtime_error(control.Name() + " is not shown");
  QWidget* window = w->window();
  if (!window->isActiveWindow()) {
    window->activateWindow();
    QElapsedTimer timer;
    timer.start();
    do {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    } while (!window->isActiveWindow() && timer.elapsed() < 2000);
  }
  return *w;
}

// Where keys typed into the control go: the edit field of a text box or editable combo box.
QWidget& KeyTarget(QWidget& w) {
  if (auto* combo = qobject_cast<QComboBox*>(&w); combo && combo->lineEdit()) {
    return *combo->lineEdit();
  }
  return w;
}

// Just after the text of a line edit (inside its right edge): a click there puts the caret
// at the end of a text that fits the box.
QPoint AfterText(const QWidget& edit) { return {edit.width() - 4, edit.height() / 2}; }

QListWidget& ListWidget(ListBox& list) {
  auto* w = qobject_cast<QListWidget*>(&Shown(list));
  if (!w) throw std::runtime_error(list.Name() + " is not shown as a list");
  return *w;
}

// The middle of row `row` in the viewport, once the list has scrolled it into view as a
// user would.
QPoint RowPoint(QListWidget& w, int row) {
  QListWidgetItem* item = w.item(row);
  if (!item) throw std::runtime_error("the list shows no row " + std::to_string(row));
  w.scrollToItem(item);
  QCoreApplication::processEvents();
  return w.visualItemRect(item).center();
}

QStyleOptionSlider SliderOption(const QScrollBar& bar) {
  QStyleOptionSlider option;
  option.initFrom(&bar);
  option.subControls = QStyle::SC_All;
  option.orientation = bar.orientation();
  option.minimum = bar.minimum();
  option.maximum = bar.maximum();
  option.sliderPosition = bar.sliderPosition();
  option.sliderValue = bar.value();
  option.singleStep = bar.singleStep();
  option.pageStep = bar.pageStep();
  option.upsideDown = bar.invertedAppearance();
  return option;
}

}  // namespace

void QtDriver::Focus(Control& control) {
  QWidget& w = Shown(control);
  QWidget& target = KeyTarget(w);
  if (control.HasFocus() && target.hasFocus()) return;
  if (auto* edit = qobject_cast<QLineEdit*>(&target); edit && edit->isEnabled()) {
    device_.Click(*edit, AfterText(*edit), Qt::LeftButton);
  } else {
    target.setFocus(Qt::TabFocusReason);
  }
  QCoreApplication::processEvents();
}

void QtDriver::Type(EditControl& box, std::string_view text) {
  Focus(box);
  device_.Type(KeyTarget(Shown(box)), text);
}

void QtDriver::Key(Control& control, const KeyStroke& key) {
  Focus(control);
  device_.Key(KeyTarget(Shown(control)), key);
}

void QtDriver::Paste(EditControl& box, std::string_view text) {
  Focus(box);
  QApplication::clipboard()->setText(QString::fromStdString(std::string(text)));
  device_.Key(KeyTarget(Shown(box)), KeyStroke{'v', false, false, true});
}

void QtDriver::DoubleClickText(EditControl& box) {
  QWidget& edit = KeyTarget(Shown(box));
  device_.DoubleClick(edit, AfterText(edit));
}

void QtDriver::Wheel(Control& control, int notches) {
  QWidget* w = &Shown(control);
  if (auto* list = qobject_cast<QListWidget*>(w)) w = list->viewport();
  device_.Wheel(*w, w->rect().center(), notches);
}

void QtDriver::Click(Control& control) {
  QWidget& w = Shown(control);
  QPoint at = w.rect().center();
  if (auto* box = qobject_cast<QCheckBox*>(&w)) {
    QStyleOption option;
    option.initFrom(box);
    at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
  }
  device_.Click(w, at, Qt::LeftButton);
}

void QtDriver::ClickRow(ListBox& list, int row) {
  QListWidget& w = ListWidget(list);
  device_.Click(*w.viewport(), RowPoint(w, row), Qt::LeftButton);
}

void QtDriver::DoubleClickRow(ListBox& list, int row) {
  QListWidget& w = ListWidget(list);
  device_.DoubleClick(*w.viewport(), RowPoint(w, row));
}

void QtDriver::Press(Control& control, int button, int x, int y) {
  QWidget* w = &Shown(control);
  QPoint at = ToPixels(x, y);
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    at = list->viewport()->mapFrom(list, at);
    w = list->viewport();
  }
  // A real pointer lands on whatever is on top: a point of a frame that a control covers is
  // that control's, so the press goes to the nearest point the frame shows itself.
  if (w->childAt(at)) {
    const QRect inside = w->rect().adjusted(2, 2, -2, -2);
    for (int distance = 1; distance < w->width() + w->height() && w->childAt(at); ++distance) {
      for (const QPoint step : {QPoint(0, -1), QPoint(0, 1), QPoint(-1, 0), QPoint(1, 0)}) {
        const QPoint p = at + step * distance;
        if (inside.contains(p) && !w->childAt(p)) {
          at = p;
          break;
        }
      }
    }
  }
  const Qt::MouseButton qt_button = button == 2   ? Qt::RightButton
                                    : button == 4 ? Qt::MiddleButton
                                                  : Qt::LeftButton;
  device_.Click(*w, at, qt_button);
}

void QtDriver::Choose(ComboBox& combo, int index) {
  auto* w = qobject_cast<QComboBox*>(&Shown(combo));
  if (!w) throw std::runtime_error(combo.Name() + " is not shown as a combo box");
  // The arrow at the right end opens the list, editable or not.
  device_.Click(*w, QPoint(w->width() - 6, w->height() / 2), Qt::LeftButton);
  QAbstractItemView* view = w->view();
  QElapsedTimer timer;
  timer.start();
  while (!view->isVisible() && timer.elapsed() < 2000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  if (!view->isVisible()) throw std::runtime_error(combo.Name() + ": its list did not open");
  // An item below the open list's visible rows is scrolled to first, as a user would.
  const QModelIndex item = view->model()->index(index, 0);
  view->scrollTo(item);
  QCoreApplication::processEvents();
  const QPoint at = view->visualRect(item).center();
  // The pointer goes from the arrow to the item before it clicks, as a user's does: an open
  // list ignores a release until the pointer has left the click that opened it.
  device_.Move(*view->viewport(), at);
  device_.Click(*view->viewport(), at, Qt::LeftButton);
  timer.restart();
  while (view->isVisible() && timer.elapsed() < 500) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  // Offscreen, an open list takes no click on the item it already shows as current: the
  // user's other way, Enter on the item under the pointer, chooses it.
  if (view->isVisible() && view->currentIndex() == item) {
    device_.Key(*view, KeyStroke{kKeyEnter, true});
    QCoreApplication::processEvents();
  }
  if (view->isVisible()) {
    w->hidePopup();
    throw std::runtime_error(combo.Name() + ": the click on item " + std::to_string(index) +
                             " did not choose it");
  }
}

void QtDriver::Scroll(VScrollBar& bar, int value) {
  auto* w = qobject_cast<QScrollBar*>(&Shown(bar));
  if (!w) throw std::runtime_error(bar.Name() + " is not shown as a scroll bar");
  const QStyleOptionSlider option = SliderOption(*w);
  QStyle* style = w->style();
  const QRect groove =
      style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, w);
  const QRect thumb =
      style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, w);
  const int span = groove.height() - thumb.height();
  // The thumb's pixel position whose value is `value` (the nearest, where pixels are coarser
  // than values); the pointer moves the thumb by as much as it moves itself.
  int position = QStyle::sliderPositionFromValue(w->minimum(), w->maximum(), value, span,
                                                 w->invertedAppearance());
  for (int p = 0; p <= span; ++p) {
    if (QStyle::sliderValueFromPosition(w->minimum(), w->maximum(), p, span,
                                        w->invertedAppearance()) == value) {
      position = p;
      break;
    }
  }
  const QPoint grab = thumb.center();
  const QPoint to(grab.x(), grab.y() + position - (thumb.top() - groove.top()));
  const std::vector<QPoint> path{QPoint(to.x(), (grab.y() + to.y()) / 2), to};
  device_.Drag(*w, grab, path);
}

}  // namespace ui::qt
