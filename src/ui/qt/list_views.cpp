#include "ui/qt/list_views.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <algorithm>

#include "ui/qt/keys.h"
#include "ui/qt/units.h"

namespace ui::qt {
namespace {

constexpr int kRowTwips = 210;

// Rows as high as the model counts them, so that Qt's page and the model's agree.
class RowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), ToPixels(kRowTwips)};
  }
};

}  // namespace

int WheelNotches::Lines(const QWheelEvent& event) {
  // A notch is 120 eighths of a degree; finer wheels add up until a notch is reached.
  eighths_ += event.angleDelta().y();
  const int notches = eighths_ / 120;
  eighths_ -= notches * 120;
  return -notches * QApplication::wheelScrollLines();
}

ListBoxView::ListBoxView(ListBox& list, QWidget* parent, FormView& owner)
    : ControlView(list, new QListWidget(parent), owner), list_(list) {
  widget_ = static_cast<QListWidget*>(widget());
  widget_->setItemDelegate(new RowDelegate(widget_));
  widget_->setUniformItemSizes(true);
  widget_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  widget_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  widget_->setSelectionMode(QAbstractItemView::SingleSelection);
  widget_->setTextElideMode(Qt::ElideNone);  // a text wider than its column is cut, not shortened
  widget_->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
  // Scrolling the list by its own bar moves the model's first row in view.
  QObject::connect(widget_->verticalScrollBar(), &QScrollBar::valueChanged, widget_,
                   [this](int top) {
                     if (!syncing_) Input([&](Control&) { list_.SetTopIndex(top); });
                   });
}

std::vector<QWidget*> ListBoxView::InputWidgets() const {
  // The list's own bar, for its wheel: it scrolls as the wheel over the rows does.
  return {widget_, widget_->viewport(), widget_->verticalScrollBar()};
}

int ListBoxView::RowAt(const QPoint& viewport_point) const {
  const QModelIndex index = widget_->indexAt(viewport_point);
  return index.isValid() ? index.row() : -1;
}

bool ListBoxView::KeyPress(QKeyEvent& event) {
  const int code = KeyCode(event);
  if (code != kKeyUp && code != kKeyDown && code != kKeyPageUp && code != kKeyPageDown &&
      code != kKeyHome && code != kKeyEnd) {
    return false;
  }
  Input([&](Control&) { list_.UserKey(code); });
  return true;
}

bool ListBoxView::Wheel(QWheelEvent& event) {
  const int lines = wheel_.Lines(event);
  if (lines != 0) Input([&](Control&) { list_.UserWheel(lines); });
  return true;
}

bool ListBoxView::MousePress(QWidget& source, QMouseEvent& event) {
  if (&source == widget_->verticalScrollBar()) return false;
  RaiseMouseDown(source, event);
  if (&source != widget_->viewport()) return false;
  const int row = RowAt(event.position().toPoint());
  if (event.button() == Qt::LeftButton && row >= 0) {
    Input([&](Control&) { list_.UserClick(row); });
  }
  return true;
}

bool ListBoxView::DoubleClick(QWidget& source, QMouseEvent& event) {
  if (&source != widget_->viewport() || event.button() != Qt::LeftButton) return false;
  const int row = RowAt(event.position().toPoint());
  if (row >= 0) Input([&](Control&) { list_.UserDoubleClick(row); });
  return true;
}

void ListBoxView::Sync(const std::string& p) {
  if (!control()) return;
  // The list's bar keeps its signals: through them Qt scrolls and repaints the rows.
  const QSignalBlocker block(widget_);
  syncing_ = true;
  if (p.empty() || p == "Items") {
    widget_->clear();
    for (const std::string& item : list_.Items()) {
      widget_->addItem(QString::fromStdString(ShownText(item)));
    }
  }
  if (p.empty() || p == "Items" || p == "ListIndex" || p == "State") {
    widget_->setCurrentRow(list_.ListIndex());
    if (list_.ListIndex() < 0) widget_->clearSelection();
  }
  if (p.empty() || p == "Items" || p == "ListIndex" || p == "TopIndex" || p == "State" ||
      p == "Geometry") {
    widget_->verticalScrollBar()->setValue(list_.TopIndex());
  }
  syncing_ = false;
}

ScrollBarView::ScrollBarView(VScrollBar& bar, QWidget* parent, FormView& owner)
    : ControlView(bar, new QScrollBar(Qt::Vertical, parent), owner), bar_(bar) {
  widget_ = static_cast<QScrollBar*>(widget());
  widget_->setFocusPolicy(Qt::TabFocus);
  QObject::connect(widget_, &QScrollBar::actionTriggered, widget_,
                   [this](int action) { Action(action); });
  QObject::connect(widget_, &QScrollBar::sliderReleased, widget_,
                   [this] { Input([&](Control&) { bar_.UserRelease(); }); });
}

bool ScrollBarView::Wheel(QWheelEvent& event) {
  const int lines = wheel_.Lines(event);
  if (lines != 0) Input([&](Control&) { bar_.UserWheel(lines); });
  return true;
}

void ScrollBarView::Action(int action) {
  // Qt has already moved its slider position; the model decides where it really goes.
  const int position = widget_->sliderPosition();
  Input([&](Control&) {
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd:
        return bar_.UserArrow(true);
      case QAbstractSlider::SliderSingleStepSub:
        return bar_.UserArrow(false);
      case QAbstractSlider::SliderPageStepAdd:
        return bar_.UserPage(true);
      case QAbstractSlider::SliderPageStepSub:
        return bar_.UserPage(false);
      case QAbstractSlider::SliderMove:
      case QAbstractSlider::SliderToMinimum:
      case QAbstractSlider::SliderToMaximum:
        return bar_.UserDrag(position);
      default:
        return;
    }
  });
  widget_->setSliderPosition(bar_.Value());
}

void ScrollBarView::Sync(const std::string& p) {
  if (!control()) return;
  const QSignalBlocker block(widget_);
  if (p.empty() || p == "Range" || p == "State") {
    widget_->setRange(std::min(bar_.Min(), bar_.Max()), std::max(bar_.Min(), bar_.Max()));
    widget_->setInvertedAppearance(bar_.Min() > bar_.Max());
    widget_->setSingleStep(bar_.SmallChange());
    widget_->setPageStep(bar_.LargeChange());
  }
  if (p.empty() || p == "Range" || p == "Value" || p == "State") {
    if (!widget_->isSliderDown()) widget_->setValue(bar_.Value());
  }
}

}  // namespace ui::qt
