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
      return 27;
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

int PressedKeys::Up(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return 0;
  auto it = keys_.find(event.key());
  if (it == keys_.end()) return 0;
  const int key = it->second;
  keys_.erase(it);
  return key;
}

}  // namespace ui::qt
