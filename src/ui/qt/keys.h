#pragma once
// Qt key events to the key codes of the model, for the edit views.

#include <QKeyEvent>
#include <map>

namespace ui::qt {

// The model's key code for a key event: Enter 13, Backspace 8, Escape 27, a typed
// character's code point; 0 for what the model does not take as typing (arrows, Tab, F1,
// shortcuts with Ctrl or Alt), which stays with Qt.
int ModelKey(const QKeyEvent& event);

// Pairs each key press the model took with its release, so that KeyUp reports the key
// that went down even when Qt's release carries no text.
class PressedKeys {
 public:
  void Down(const QKeyEvent& event, int model_key) { keys_[event.key()] = model_key; }
  // The model key of the press this release ends, or 0 when the model did not take it.
  int Up(const QKeyEvent& event);

 private:
  std::map<int, int> keys_;
};

}  // namespace ui::qt
