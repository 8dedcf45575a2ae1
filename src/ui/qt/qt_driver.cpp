// QtDriver's input steps: real key and mouse events sent to the controls' widgets.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest/QTest>
#include <stdexcept>

#include "ui/qt/form_view.h"
#include "ui/qt/qt_script.h"
#include "ui/qt/render.h"
#include "ui/qt/units.h"
#include "ui/utf8.h"

namespace ui::qt {
namespace {

QWidget& Shown(const Control& control) {
  QWidget* w = WidgetFor(control);
  if (!w) throw std::runtime_error(control.Name() + " is not shown");
  QWidget* window = w->window();
  if (!window->isActiveWindow()) {
    window->activateWindow();
    QCoreApplication::processEvents();
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

void SendKey(QWidget& target, Qt::Key key, const QString& text) {
  QTest::sendKeyEvent(QTest::Press, &target, key, text, Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Release, &target, key, text, Qt::NoModifier);
}

void SendCharacter(QWidget& target, int code_point) {
  const auto ucs4 = static_cast<char32_t>(code_point);
  const QString text = QString::fromUcs4(&ucs4, 1);
  const auto key =
      code_point < 0x10000 ? static_cast<Qt::Key>(text.toUpper().at(0).unicode()) : Qt::Key_unknown;
  SendKey(target, key, text);
}

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

void QtDriver::Type(EditControl& box, std::string_view text) {
  Focus(box);
  QWidget& target = KeyTarget(Shown(box));
  for (int code_point : CodePoints(text)) SendCharacter(target, code_point);
}

void QtDriver::Key(Control& control, int key) {
  Focus(control);
  QWidget& target = KeyTarget(Shown(control));
  switch (key) {
    case kKeyF1:
      return SendKey(target, Qt::Key_F1, {});
    case kKeyEnter:
      return SendKey(target, Qt::Key_Return, "\r");
    case kKeyBackspace:
      return SendKey(target, Qt::Key_Backspace, "\b");
    case ' ':
      return SendKey(target, Qt::Key_Space, " ");
    default:
      return SendCharacter(target, key);
  }
}

void QtDriver::Click(Control& control) {
  QWidget& w = Shown(control);
  QPoint at = w.rect().center();
  if (auto* box = qobject_cast<QCheckBox*>(&w)) {
    QStyleOption option;
    option.initFrom(box);
    at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
  }
  QTest::mouseClick(&w, Qt::LeftButton, {}, at);
}

void QtDriver::ClickRow(ListBox& list, int row) {
  QListWidget& w = ListWidget(list);
  QTest::mouseClick(w.viewport(), Qt::LeftButton, {}, RowPoint(w, row));
}

void QtDriver::DoubleClickRow(ListBox& list, int row) {
  QListWidget& w = ListWidget(list);
  const QPoint at = RowPoint(w, row);
  QTest::mouseClick(w.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(w.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(w.viewport(), Qt::LeftButton, {}, at);
}

void QtDriver::Press(Control& control, int button, int x, int y) {
  QWidget* w = &Shown(control);
  QPoint at = ToPixels(x, y);
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    at = list->viewport()->mapFrom(list, at);
    w = list->viewport();
  }
  const Qt::MouseButton qt_button = button == 2   ? Qt::RightButton
                                    : button == 4 ? Qt::MiddleButton
                                                  : Qt::LeftButton;
  QTest::mousePress(w, qt_button, {}, at);
  QTest::mouseRelease(w, qt_button, {}, at);
}

void QtDriver::Choose(ComboBox& combo, int index) {
  auto* w = qobject_cast<QComboBox*>(&Shown(combo));
  if (!w) throw std::runtime_error(combo.Name() + " is not shown as a combo box");
  // The arrow at the right end opens the list, editable or not.
  QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() - 6, w->height() / 2));
  QCoreApplication::processEvents();
  QAbstractItemView* view = w->view();
  if (!view->isVisible()) throw std::runtime_error(combo.Name() + ": its list did not open");
  // An item below the open list's visible rows is scrolled to first, as a user would.
  const QModelIndex item = view->model()->index(index, 0);
  view->scrollTo(item);
  QCoreApplication::processEvents();
  const QPoint at = view->visualRect(item).center();
  // The pointer moves from the arrow to the item, as a user's does (an open list ignores a
  // release until the pointer has left the opening click).
  QTest::mouseMove(view->viewport(), at);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  QCoreApplication::processEvents();
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
  const int offset = QStyle::sliderPositionFromValue(w->minimum(), w->maximum(), value, span,
                                                     w->invertedAppearance());
  const QPoint grab = thumb.center();
  QPoint to(grab.x(), groove.top() + offset + thumb.height() / 2);
  QTest::mousePress(w, Qt::LeftButton, {}, grab);
  QTest::mouseMove(w, to);
  // Where pixels are coarser than values, walk the last pixels until the value is reached.
  for (int step = 0; step < 4 && bar.Value() != value && to != grab; ++step) {
    to.ry() += bar.Value() < value ? 1 : -1;
    QTest::mouseMove(w, to);
  }
  QTest::mouseRelease(w, Qt::LeftButton, {}, to);
}

void QtDriver::Focus(Control& control) {
  QWidget& w = Shown(control);
  KeyTarget(w).setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
}

}  // namespace ui::qt
