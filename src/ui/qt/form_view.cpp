#include "ui/qt/form_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include "ui/accessible_name.h"
#include "ui/controls.h"
#include "ui/qt/edit_views.h"
#include "ui/qt/input_filter.h"
#include "ui/qt/list_views.h"
#include "ui/qt/simple_views.h"
#include "ui/qt/units.h"

namespace ui::qt {
namespace {

std::map<const Form*, FormView*>& Registry() {
  static std::map<const Form*, FormView*> views;
  return views;
}

std::unique_ptr<ControlView> MakeView(Control& c, QWidget* parent, FormView& owner) {
  switch (c.kind()) {
    case Kind::Label:
      return std::make_unique<LabelView>(static_cast<Label&>(c), parent, owner);
    case Kind::TextBox:
      return std::make_unique<TextBoxView>(static_cast<TextBox&>(c), parent, owner);
    case Kind::ComboBox:
      return std::make_unique<ComboBoxView>(static_cast<ComboBox&>(c), parent, owner);
    case Kind::ListBox:
      return std::make_unique<ListBoxView>(static_cast<ListBox&>(c), parent, owner);
    case Kind::CheckBox:
      return std::make_unique<CheckBoxView>(static_cast<CheckBox&>(c), parent, owner);
    case Kind::CommandButton:
      return std::make_unique<ButtonView>(static_cast<CommandButton&>(c), parent, owner);
    case Kind::Frame:
      return std::make_unique<FrameView>(static_cast<Frame&>(c), parent, owner);
    case Kind::Line:
      return std::make_unique<LineView>(static_cast<Line&>(c), parent, owner);
    case Kind::VScrollBar:
      return std::make_unique<ScrollBarView>(static_cast<VScrollBar&>(c), parent, owner);
    default:
      return nullptr;  // menus pop up through the desktop; forms are not nested
  }
}

}  // namespace

FormView::FormView(Form& form, QWidget* parent)
    : QWidget(parent), form_(&form), filter_(std::make_unique<InputFilter>(*this)) {
  setObjectName(QString::fromStdString(form.Name()));
  setContextMenuPolicy(Qt::PreventContextMenu);
  setAutoFillBackground(true);
  Registry()[&form] = this;
  Build();
  form.SetObserver(this);
  SyncForm("");
  SetTabOrder();
  SetAccessibleNames();
  installEventFilter(filter_.get());
}

FormView::~FormView() {
  views_.clear();
  if (form_) {
    form_->SetObserver(nullptr);
    auto it = Registry().find(form_);
    if (it != Registry().end() && it->second == this) Registry().erase(it);
  }
}

void FormView::Build() {
  // Frames first, so that they lie under everything and hold the controls they contain.
  for (bool frames : {true, false}) {
    for (Control* c : form_->Controls()) {
      if ((c->kind() == Kind::Frame) != frames) continue;
      QWidget* parent = this;
      if (Control* frame = c->Container(); frame && by_control_.count(frame)) {
        parent = by_control_[frame]->widget();
      }
      if (auto view = MakeView(*c, parent, *this)) AddView(std::move(view));
    }
  }
  for (auto& view : views_) view->SyncAll();
}

void FormView::AddView(std::unique_ptr<ControlView> view) {
  by_control_[view->control()] = view.get();
  for (QWidget* w : view->InputWidgets()) {
    by_widget_[w] = view.get();
    w->installEventFilter(filter_.get());
  }
  views_.push_back(std::move(view));
}

void FormView::SetTabOrder() {
  QWidget* previous = nullptr;
  for (Control* c : form_->TabOrder()) {
    QWidget* w = WidgetOf(*c);
    if (!w) continue;
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

void FormView::SetAccessibleNames() {
  for (const auto& view : views_) {
    const Control* c = view->control();
    if (!c || !TakesInput(*c)) continue;
    const QString name = QString::fromStdString(ScreenReaderName(*c));
    for (QWidget* w : view->InputWidgets()) {
      if (w->accessibleName() != name) w->setAccessibleName(name);
    }
  }
}

QWidget* FormView::WidgetOf(const Control& control) const {
  if (&control == form_) return const_cast<FormView*>(this);
  ControlView* view = ViewOf(control);
  return view ? view->widget() : nullptr;
}

ControlView* FormView::ViewOf(const Control& control) const {
  auto it = by_control_.find(&control);
  return it == by_control_.end() ? nullptr : it->second;
}

FormView* FormView::Of(const Form& form) {
  auto it = Registry().find(&form);
  return it == Registry().end() ? nullptr : it->second;
}

void FormView::SyncFocus() {
  if (!form_) return;
  const Control* focus = Control::Focused();
  if (QWidget* w = focus && focus->form() == form_ ? WidgetOf(*focus) : nullptr) {
    if (!w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
    return;
  }
  // The model gives the focus to none of this form's controls: no widget of it keeps Qt's.
  QWidget* focused = QApplication::focusWidget();
  if (focused && isAncestorOf(focused)) focused->clearFocus();
}

void FormView::PropertyChanged(const std::string& property) {
  if (property == "Destroyed") {
    Registry().erase(form_);
    form_ = nullptr;
    return;
  }
  SyncForm(property);
}

void FormView::SyncForm(const std::string& p) {
  if (!form_) return;
  if (p.empty() || p == "Geometry") {
    setFixedSize(ToPixels(form_->Width()), ToPixels(form_->Height()));
    if (parentWidget()) move(ToPixels(form_->Left()), ToPixels(form_->Top()));
  }
  if (p.empty() || p == "Font") setFont(ToQFont(form_->font()));
  if (p.empty() || p == "Caption")
    setWindowTitle(QString::fromStdString(ShownText(form_->Caption())));
  if (p.empty() || p == "Enabled") setEnabled(form_->Enabled());
  if (p.empty() || p == "MousePointer") {
    if (form_->MousePointer() == kHourglass)
      setCursor(Qt::WaitCursor);
    else
      unsetCursor();
  }
  if (p == "Enabled" || p == "Focus") SyncFocus();
  if (p == "Loaded" && !form_->Loaded()) {
    closing_ = true;
    if (isWindow()) close();
    closing_ = false;
    if (on_unloaded) on_unloaded();
  }
}

void FormView::closeEvent(QCloseEvent* event) {
  // The close box asks the model; Unload's handler may cancel it.
  if (closing_ || !form_ || !form_->Loaded()) return event->accept();
  bool unloaded = false;
  GuardInput([&] { unloaded = form_->UserClose(); });
  if (unloaded)
    event->accept();
  else
    event->ignore();
}

}  // namespace ui::qt
