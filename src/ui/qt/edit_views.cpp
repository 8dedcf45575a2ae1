#include "ui/qt/edit_views.h"

#include <QSignalBlocker>

namespace ui::qt {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void ShowText(QLineEdit& edit, const std::string& text) {
  const QString shown = Q(text);
  if (edit.text() == shown) return;
  const QSignalBlocker block(&edit);
  edit.setText(shown);
  edit.setCursorPosition(static_cast<int>(shown.size()));  // the model types at the end
}

}  // namespace

TextBoxView::TextBoxView(TextBox& box, QWidget* parent, FormView& owner)
    : ControlView(box, new QLineEdit(parent), owner), box_(box) {
  edit_ = static_cast<QLineEdit*>(widget());
  QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) {
    Input([&](Control&) { box_.UserEdit(text.toStdString()); });
  });
}

bool TextBoxView::KeyPress(QKeyEvent& event) {
  const int key = ModelKey(event);
  if (key == 0) return false;
  pressed_.Down(event, key);
  Input([&](Control&) { box_.UserKeyDown(key); });
  return true;
}

bool TextBoxView::KeyRelease(QKeyEvent& event) {
  const int key = pressed_.Up(event);
  if (key == 0) return false;
  Input([&](Control&) { box_.UserKeyUp(key); });
  return true;
}

void TextBoxView::Sync(const std::string& p) {
  if (!control()) return;
  if (p.empty() || p == "Text" || p == "State") ShowText(*edit_, box_.Text());
  if (p.empty() || p == "MaxLength") {
    edit_->setMaxLength(box_.MaxLength() > 0 ? box_.MaxLength() : 32767);
  }
}

ComboBoxView::ComboBoxView(ComboBox& combo, QWidget* parent, FormView& owner)
    : ControlView(combo, new QComboBox(parent), owner), combo_(combo) {
  widget_ = static_cast<QComboBox*>(widget());
  const bool editable = combo.style() == ComboBox::Style::DropDownCombo;
  widget_->setEditable(editable);
  if (editable) {
    widget_->setCompleter(nullptr);  // the model selects items; Qt must not complete text
    widget_->setInsertPolicy(QComboBox::NoInsert);
    widget_->lineEdit()->setContextMenuPolicy(Qt::PreventContextMenu);
    QObject::connect(widget_->lineEdit(), &QLineEdit::textEdited, widget_,
                     [this](const QString& text) {
                       Input([&](Control&) { combo_.UserEdit(text.toStdString()); });
                     });
  }
  QObject::connect(widget_, &QComboBox::activated, widget_,
                   [this](int index) { Input([&](Control&) { combo_.UserChoose(index); }); });
}

std::vector<QWidget*> ComboBoxView::InputWidgets() const {
  if (widget_->lineEdit()) return {widget_, widget_->lineEdit()};
  return {widget_};
}

bool ComboBoxView::KeyPress(QKeyEvent& event) {
  const int key = ModelKey(event);
  if (key == 0) return false;
  pressed_.Down(event, key);
  Input([&](Control&) { combo_.UserKeyDown(key); });
  return true;
}

bool ComboBoxView::KeyRelease(QKeyEvent& event) {
  const int key = pressed_.Up(event);
  if (key == 0) return false;
  Input([&](Control&) { combo_.UserKeyUp(key); });
  return true;
}

void ComboBoxView::Sync(const std::string& p) {
  if (!control()) return;
  const QSignalBlocker block(widget_);
  if (p.empty() || p == "Items") {
    widget_->clear();
    for (const std::string& item : combo_.Items()) widget_->addItem(Q(item));
  }
  if (p.empty() || p == "Items" || p == "ListIndex" || p == "Text" || p == "State") {
    widget_->setCurrentIndex(combo_.ListIndex());
    if (widget_->lineEdit()) ShowText(*widget_->lineEdit(), combo_.Text());
  }
}

}  // namespace ui::qt
