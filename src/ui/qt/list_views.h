#pragma once
// Views of the list box (QListWidget, one row per 210 twips as the model counts them) and
// the vertical scroll bar (QScrollBar). A click or a key selects through the model, which
// raises Click only when the index changes; the scroll bar's arrows, page clicks and thumb
// go through the model's UserArrow, UserPage, UserDrag and UserRelease; the wheel over
// either goes through the model's UserWheel (lists that scroll together move their bar).

#include <QListWidget>
#include <QScrollBar>

#include "ui/controls.h"
#include "ui/qt/control_view.h"

namespace ui::qt {

// Wheel events to the rows they scroll (down positive), as many as Qt's setting says a
// notch scrolls.
class WheelNotches {
 public:
  int Lines(const QWheelEvent& event);

 private:
  int eighths_ = 0;
};

class ListBoxView : public ControlView {
 public:
  ListBoxView(ListBox& list, QWidget* parent, FormView& owner);
  std::vector<QWidget*> InputWidgets() const override;
  bool KeyPress(QKeyEvent& event) override;
  bool MousePress(QWidget& source, QMouseEvent& event) override;
  bool DoubleClick(QWidget& source, QMouseEvent& event) override;
  bool Wheel(QWheelEvent& event) override;
  // The row under a point of the viewport, or -1.
  int RowAt(const QPoint& viewport_point) const;

 protected:
  void Sync(const std::string& property) override;

 private:
  ListBox& list_;
  QListWidget* widget_;
  WheelNotches wheel_;
  bool syncing_ = false;  // the bar moves because the model's first row did
};

class ScrollBarView : public ControlView {
 public:
  ScrollBarView(VScrollBar& bar, QWidget* parent, FormView& owner);
  bool Wheel(QWheelEvent& event) override;

 protected:
  void Sync(const std::string& property) override;

 private:
  void Action(int action);
  VScrollBar& bar_;
  QScrollBar* widget_;
  WheelNotches wheel_;
};

}  // namespace ui::qt
