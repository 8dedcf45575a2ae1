#include "ui/qt/edit_views.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace ui::qt {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Model positions count code points; a QString's count UTF-16 units.
int ToUtf16(const QString& text, int characters) {
  int units = 0;
  for (; characters > 0 && units < text.size(); --characters) {
    units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
  }
  return units;
}

int ToCharacters(const QString& text, int units) {
  return static_cast<int>(text.left(units).toUcs4().size());
}

bool IsCaretKey(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
}

}  // namespace

LineEditInput::LineEditInput(EditControl& model, QLineEdit& edit, ControlView& view)
    : model_(model), edit_(edit), view_(view) {
  edit_.setAcceptDrops(false);  // a drop would edit without keys
  edit_.setContextMenuPolicy(Qt::PreventContextMenu);
  QObject::connect(&edit_, &QLineEdit::textEdited, &edit_, [this](const QString& text) {
    view_.Input([&](Control&) { model_.UserEdit(text.toStdString()); });
  });
  QObject::connect(&edit_, &QLineEdit::cursorPositionChanged, &edit_, [this] { SelectionMoved(); });
  QObject::connect(&edit_, &QLineEdit::selectionChanged, &edit_, [this] { SelectionMoved(); });
}

void LineEditInput::SelectionMoved() {
  // The mouse (a click, a drag, a double click) moved Qt's caret: the model follows. A move
  // that comes with a new text (a combo box's item chosen) is the model's to make.
  const QString text = edit_.text();
  if (text != Q(ShownText(model_.Text()))) return;
  const int caret = ToCharacters(text, edit_.cursorPosition());
  int anchor = caret;
  if (edit_.hasSelectedText()) {
    const int start = ToCharacters(text, edit_.selectionStart());
    const int end = ToCharacters(text, edit_.selectionEnd());
    anchor = caret == start ? end : start;
  }
  if (anchor == model_.Anchor() && caret == model_.Caret()) return;
  GuardInput([&] { model_.UserSelect(anchor, caret); });
}

bool LineEditInput::KeyPress(QKeyEvent& event) {
  const int typed = ModelKey(event);
  pressed_.Down(event, typed == kKeyDeleteChar ? kKeyDelete : typed ? typed : KeyCode(event));
  const bool ctrl = event.modifiers() & Qt::ControlModifier;
  if (typed) {
    view_.Input([&](Control&) { model_.UserKeyDown(typed); });
  } else if (IsCaretKey(event.key()) && !ctrl) {
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    view_.Input([&](Control&) { model_.UserCaretKey(KeyCode(event), shift); });
  } else if (event.matches(QKeySequence::SelectAll)) {
    view_.Input([&](Control&) { model_.UserCaretKey(0, false); });
  } else if (event.matches(QKeySequence::Paste)) {
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    view_.Input([&](Control&) { model_.UserPaste(text); });
  } else if (event.matches(QKeySequence::Cut)) {
    if (edit_.hasSelectedText()) QGuiApplication::clipboard()->setText(edit_.selectedText());
    view_.Input([&](Control&) { model_.UserKeyDown(kKeyDeleteChar); });
  } else {
    // Tab moves the focus and Ctrl+C copies; whatever else would edit the text itself (undo,
    // word moves, a combo box's Up and Down) is not the model's and goes nowhere.
    return event.key() != Qt::Key_Tab && event.key() != Qt::Key_Backtab &&
           !event.matches(QKeySequence::Copy);
  }
  return true;
}

bool LineEditInput::KeyRelease(QKeyEvent& event) {
  const int code = pressed_.Up(event);
  if (code == 0) return false;
  view_.Input([&](Control&) { model_.UserKeyUp(code); });
  return true;
}

bool LineEditInput::MousePress(QMouseEvent& event) {
  // The middle button pastes the X11 selection: as keys, like any paste.
  if (event.button() != Qt::MiddleButton) return false;
  const std::string text = QGuiApplication::clipboard()->text(QClipboard::Selection).toStdString();
  view_.Input([&](Control&) { model_.UserPaste(text); });
  return true;
}

void LineEditInput::Show() {
  const QSignalBlocker block(&edit_);
  const QString shown = Q(ShownText(model_.Text()));
  if (edit_.text() != shown) edit_.setText(shown);
  const int anchor = ToUtf16(shown, model_.Anchor()), caret = ToUtf16(shown, model_.Caret());
  if (anchor == caret) {
    edit_.setCursorPosition(caret);
  } else {
    edit_.setSelection(anchor, caret - anchor);
  }
}

TextBoxView::TextBoxView(TextBox& box, QWidget* parent, FormView& owner)
    : ControlView(box, new QLineEdit(parent), owner),
      box_(box),
      edit_(static_cast<QLineEdit*>(widget())),
      input_(box, *edit_, *this) {}

bool TextBoxView::MousePress(QWidget& source, QMouseEvent& event) {
  RaiseMouseDown(source, event);
  return input_.MousePress(event);
}

void TextBoxView::Sync(const std::string& p) {
  if (!control()) return;
  if (p.empty() || p == "Text" || p == "Selection" || p == "State") input_.Show();
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
    input_ = std::make_unique<LineEditInput>(combo, *widget_->lineEdit(), *this);
  }
  QObject::connect(widget_, &QComboBox::activated, widget_,
                   [this](int index) { Input([&](Control&) { combo_.UserChoose(index); }); });
}

std::vector<QWidget*> ComboBoxView::InputWidgets() const {
  if (widget_->lineEdit()) return {widget_, widget_->lineEdit()};
  return {widget_};
}

bool ComboBoxView::KeyPress(QKeyEvent& event) {
  if (input_) return input_->KeyPress(event);
  const int key = ModelKey(event);
  pressed_.Down(event, key ? key : KeyCode(event));
  // A drop-down list selects by the model's rule; its arrows are not the model's either.
  if (event.key() == Qt::Key_Up || event.key() == Qt::Key_Down) return true;
  if (key == 0) return false;
  Input([&](Control&) { combo_.UserKeyDown(key); });
  return true;
}

bool ComboBoxView::KeyRelease(QKeyEvent& event) {
  if (input_) return input_->KeyRelease(event);
  const int key = pressed_.Up(event);
  if (key == 0) return false;
  Input([&](Control&) { combo_.UserKeyUp(key); });
  return true;
}

bool ComboBoxView::MousePress(QWidget& source, QMouseEvent& event) {
  RaiseMouseDown(source, event);
  return input_ && &source == widget_->lineEdit() && input_->MousePress(event);
}

void ComboBoxView::Sync(const std::string& p) {
  if (!control()) return;
  const QSignalBlocker block(widget_);
  if (p.empty() || p == "Items") {
    widget_->clear();
    for (const std::string& item : combo_.Items()) widget_->addItem(Q(ShownText(item)));
  }
  if (p.empty() || p == "Items" || p == "ListIndex" || p == "Text" || p == "Selection" ||
      p == "State") {
    widget_->setCurrentIndex(combo_.ListIndex());
    if (input_) input_->Show();
  }
}

}  // namespace ui::qt
