#pragma once
// The check that what the clerk sees is what the model holds. For each rendered form it
// reads the widgets as Qt shows them (not the model): whether a loaded form's window is on
// the screen at all, the text of text boxes and combo boxes with their caret and selection,
// each list's items, selected rows, first row in view and the texts of the rows in view,
// scroll bar values, captions, enabled and visible states, the focus, the window title as
// the window system shows it; and for the window on top, it compares the pixels on the
// screen with what the widgets draw now, which finds a widget whose picture was not brought
// up to date.

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "ui/form.h"

namespace ui::qt {

// "" when every rendered form of `forms` (the innermost window last) shows its state, else
// the first difference: the control, what the screen shows and what the model holds.
std::string CompareScreen(const std::vector<Form*>& forms);

// What the screen shows of `view` (its pixels there, not a new drawing of it); null when it
// is not on the screen.
QImage ScreenPicture(QWidget& view);

// The title of a window as the window system shows it (what the platform made of
// windowTitle()).
std::string ShownTitle(QWidget& window);

}  // namespace ui::qt
