// QtDesktop::MessageBox: the icon, buttons and default button of the style; under a script
// the automation presses the prepared answer's button.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "ui/qt/qt_desktop.h"

namespace ui::qt {
namespace {

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case kCritical:
      return QMessageBox::Critical;
    case 32:
      return QMessageBox::Question;
    case kExclamation:
      return QMessageBox::Warning;
    case kInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

struct ButtonAnswer {
  QMessageBox::StandardButton button;
  int answer;
};

// The buttons of the style, left to right, with the answer each gives.
std::vector<ButtonAnswer> ButtonsOf(int style) {
  using B = QMessageBox;
  switch (style & 7) {
    case 1:
      return {{B::Ok, kAnswerOk}, {B::Cancel, kAnswerCancel}};
    case 2:
      return {{B::Abort, 3}, {B::Retry, 4}, {B::Ignore, 5}};
    case 3:
      return {{B::Yes, kAnswerYes}, {B::No, kAnswerNo}, {B::Cancel, kAnswerCancel}};
    case 4:
      return {{B::Yes, kAnswerYes}, {B::No, kAnswerNo}};
    case 5:
      return {{B::Retry, 4}, {B::Cancel, kAnswerCancel}};
    default:
      return {{B::Ok, kAnswerOk}};
  }
}

QString TitleOf(const std::string& title) {
  return QString::fromStdString(title.empty() ? QtDesktop::kDefaultTitle : title);
}

}  // namespace

int QtDesktop::MessageBox(const std::string& text, int style, const std::string& title) {
  const auto buttons = ButtonsOf(style);
  QWidget* parent = QApplication::activeModalWidget();
  if (!parent) parent = QApplication::activeWindow();
  QMessageBox box(IconOf(style), TitleOf(title), QString::fromStdString(text),
                  QMessageBox::NoButton, parent);
  for (const ButtonAnswer& b : buttons) box.addButton(b.button);
  const std::size_t default_index = std::min<std::size_t>((style >> 8) & 3, buttons.size() - 1);
  box.setDefaultButton(buttons[default_index].button);
  int scripted = 0;
  if (automation_) {
    scripted = automation_->MessageAnswer(text, style, title);
    if (scripted == 0) return buttons.back().answer;  // nobody would press it
    for (const ButtonAnswer& b : buttons) {
      if (b.answer != scripted) continue;
      QAbstractButton* button = box.button(b.button);
      QTimer::singleShot(0, &box,
                         [this, button] { automation_->Press(*button, button->rect().center()); });
    }
  }
  box.exec();
  int answer = buttons.back().answer;  // closed without a button: its escape answer
  for (const ButtonAnswer& b : buttons) {
    if (box.clickedButton() == box.button(b.button)) answer = b.answer;
  }
  if (automation_ && answer != scripted) {
    automation_->Fail("the message box did not take the answer prepared");
  }
  return answer;
}

}  // namespace ui::qt
