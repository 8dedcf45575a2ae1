#include "ui/qt/simple_views.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>

#include "ui/qt/form_view.h"
#include "ui/qt/units.h"

namespace ui::qt {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(ShownText(s)); }

// A segment drawn inside its own box; the box is placed by LineView.
class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }
  void SetSegment(QPoint from, QPoint to) {
    from_ = from;
    to_ = to;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(from_, to_);
  }

 private:
  QPoint from_, to_;
};

}  // namespace

LabelView::LabelView(Label& label, QWidget* parent, FormView& owner)
    : ControlView(label, new QLabel(parent), owner), label_(label) {
  widget_ = static_cast<QLabel*>(widget());
  widget_->setTextFormat(Qt::PlainText);
  widget_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void LabelView::Sync(const std::string& p) {
  if (!control()) return;
  if (p.empty() || p == "Caption") widget_->setText(Q(label_.Caption()));
  if (p == "Caption" || p == "Visible") owner().SetAccessibleNames();  // a label names its box
  if (p.empty() || p == "Geometry" || p == "Font") {
    // A label wraps its words when it is high enough for two lines, as a window label does;
    // a one-line label is cut at its right edge instead of losing its line.
    widget_->setWordWrap(widget_->height() >= 2 * widget_->fontMetrics().height());
  }
}

CheckBoxView::CheckBoxView(CheckBox& box, QWidget* parent, FormView& owner)
    : ControlView(box, new QCheckBox(parent), owner), box_(box) {
  widget_ = static_cast<QCheckBox*>(widget());
  QObject::connect(widget_, &QCheckBox::clicked, widget_,
                   [this] { Input([&](Control&) { box_.UserClick(); }); });
}

void CheckBoxView::Sync(const std::string& p) {
  if (!control()) return;
  const QSignalBlocker block(widget_);
  if (p.empty() || p == "Caption") widget_->setText(Q(box_.Caption()));
  if (p.empty() || p == "Value" || p == "State") {
    static constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    widget_->setCheckState(kStates[box_.Value()]);
  }
}

ButtonView::ButtonView(CommandButton& button, QWidget* parent, FormView& owner)
    : ControlView(button, new QPushButton(parent), owner), button_(button) {
  widget_ = static_cast<QPushButton*>(widget());
  widget_->setAutoDefault(false);
  QObject::connect(widget_, &QPushButton::clicked, widget_,
                   [this] { Input([&](Control&) { button_.UserClick(); }); });
}

bool ButtonView::KeyPress(QKeyEvent& event) {
  if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter) return false;
  Input([&](Control&) { button_.UserClick(); });
  return true;
}

void ButtonView::Sync(const std::string& p) {
  if (!control()) return;
  if (p.empty() || p == "Caption") widget_->setText(Q(button_.Caption()));
}

FrameView::FrameView(Frame& frame, QWidget* parent, FormView& owner)
    : ControlView(frame, new QGroupBox(parent), owner), frame_(frame) {
  widget_ = static_cast<QGroupBox*>(widget());
  widget_->setFocusPolicy(Qt::NoFocus);
}

void FrameView::Sync(const std::string& p) {
  if (!control()) return;
  if (p.empty() || p == "Caption") widget_->setTitle(Q(frame_.Caption()));
}

LineView::LineView(Line& line, QWidget* parent, FormView& owner)
    : ControlView(line, new LineWidget(parent), owner), line_(line) {}

void LineView::Sync(const std::string& p) {
  if (!control() || !(p.empty() || p == "Geometry")) return;
  const QPoint a = ToPixels(line_.X1(), line_.Y1()), b = ToPixels(line_.X2(), line_.Y2());
  const QRect box = QRect(a, b).normalized().adjusted(0, 0, 1, 1);
  widget()->setGeometry(box);
  static_cast<LineWidget*>(widget())->SetSegment(a - box.topLeft(), b - box.topLeft());
}

}  // namespace ui::qt
