#pragma once
// Qt key events to the key codes of the model, for the views that take keys.

#include <QKeyEvent>
#include <map>

namespace ui::qt {

// The model's key code of what a key types: Enter 13, Backspace 8, Escape 27, Delete 127, a
// typed character's code point; 0 for a key that types nothing (arrows, Tab, F1, Shift,
// shortcuts with Ctrl or Alt).
int ModelKey(const QKeyEvent& event);
// The code KeyUp reports for a key that types nothing: kKeyShift, kKeyLeft, kKeyDelete, ...,
// a letter or digit key's capital; 0 for keys the model has no code for.
int KeyCode(const QKeyEvent& event);

// Pairs each key press with its release, so that KeyUp reports the code of the key that
// went down even when Qt's release carries no text.
class PressedKeys {
 public:
  void Down(const QKeyEvent& event, int code) { keys_[event.key()] = code; }
  // The code of the press this release ends, or 0 when the press was not seen.
  int Up(const QKeyEvent& event);

 private:
  std::map<int, int> keys_;
};

}  // namespace ui::qt
