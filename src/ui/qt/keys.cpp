#include "ui/qt/keys.h"

#include "ui/controls.h"

namespace ui::qt {

int ModelKey(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyEnter;
    case Qt::Key_Backspace:
      return kKeyBackspace;
    case Qt::Key_Escape:
      return kKeyEscape;
    case Qt::Key_Delete:
      return kKeyDeleteChar;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 0;
    default:
      break;
  }
  const QString text = event.text();
  if (text.isEmpty()) return 0;
  const char32_t code = text.toUcs4().value(0);
  return code >= 32 && code != 127 ? static_cast<int>(code) : 0;
}

int KeyCode(const QKeyEvent& event) {
  static const std::map<int, int> kCodes = {{Qt::Key_Shift, kKeyShift},
                                            {Qt::Key_Control, kKeyControl},
                                            {Qt::Key_PageUp, kKeyPageUp},
                                            {Qt::Key_PageDown, kKeyPageDown},
                                            {Qt::Key_End, kKeyEnd},
                                            {Qt::Key_Home, kKeyHome},
                                            {Qt::Key_Left, kKeyLeft},
                                            {Qt::Key_Up, kKeyUp},
                                            {Qt::Key_Right, kKeyRight},
                                            {Qt::Key_Down, kKeyDown},
                                            {Qt::Key_Delete, kKeyDelete},
                                            {Qt::Key_F1, kKeyF1},
                                            {Qt::Key_Alt, 18},
                                            {Qt::Key_Tab, 9}};
  if (auto it = kCodes.find(event.key()); it != kCodes.end()) return it->second;
  const int key = event.key();
  return (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z) ? key : 0;
}

int PressedKeys::Up(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return 0;
  auto it = keys_.find(event.key());
  if (it == keys_.end()) return 0;
  const int key = it->second;
  keys_.erase(it);
  return key;
}

}  // namespace ui::qt
