// QtDesktop::PopupMenu: a QMenu of the menu's visible entries at the mouse position; under a
// script the automation clicks the prepared entry, or closes the menu with Escape.

#include <QMenu>
#include <QTimer>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_desktop.h"
#include "ui/qt/units.h"

namespace ui::qt {
namespace {

QWidget* AnchorOf(Control& over) {
  Form* form = over.kind() == Kind::Form || over.kind() == Kind::UserControl
                   ? static_cast<Form*>(&over)
                   : over.form();
  FormView* view = form ? FormView::Of(*form) : nullptr;
  return view ? view->WidgetOf(over) : nullptr;
}

}  // namespace

void QtDesktop::PopupMenu(Menu& menu, Control& over, int x, int y) {
  QWidget* anchor = AnchorOf(over);
  if (!anchor)
    return NoteScriptFailure("pop-up menu " + menu.Name() + " over " + over.Name() +
                             ", which is not shown");
  QMenu popup(anchor);
  std::vector<std::pair<QAction*, Menu*>> entries;
  for (Menu* entry : menu.Entries()) {
    if (!entry->Visible()) continue;
    QAction* action = popup.addAction(QString::fromStdString(entry->Caption()));
    action->setEnabled(entry->Enabled());
    entries.emplace_back(action, entry);
  }
  if (automation_) {
    const std::string choice = automation_->MenuChoice();
    QAction* target = nullptr;
    for (auto& [action, entry] : entries) {
      if (entry->Name() == choice) target = action;
    }
    if (!choice.empty() && !target)
      automation_->Fail("menu " + menu.Name() + " has no entry " + choice);
    QTimer::singleShot(0, &popup, [this, &popup, target] {
      if (target)
        automation_->Press(popup, popup.actionGeometry(target).center());
      else
        automation_->Escape(popup);
    });
  }
  QAction* chosen = popup.exec(anchor->mapToGlobal(ToPixels(x, y)));
  for (auto& [action, entry] : entries) {
    if (action == chosen) entry->UserChoose();
  }
}

}  // namespace ui::qt
