#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include "qt_app.h"

namespace {

class RenderingTest : public ui_test::QtGallery {
 protected:
  RenderingTest() {
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
};

// What the scripts' screen check never sees change: the window's title, a control hidden
// with its frame, a button's caption, a check box grayed.
TEST_F(RenderingTest, ModelChangesTheScreenCheckLeavesOutShowInTheWidgets) {
  gallery.Cmd_Message.SetCaption("Valider");
  gallery.Chk_Actif.SetValue(2);
  gallery.Fra_Saisie.SetVisible(false);
  gallery.SetCaption("Nouveau titre");
  EXPECT_EQ(Widget<QPushButton>(gallery.Cmd_Message)->text(), "Valider");
  EXPECT_EQ(Widget<QCheckBox>(gallery.Chk_Actif)->checkState(), Qt::PartiallyChecked);
  EXPECT_FALSE(Widget<QLineEdit>(gallery.Txt_Code)->isVisible());
  EXPECT_EQ(window->windowTitle(), "Nouveau titre");
}

TEST_F(RenderingTest, GeometryIsInTwipsAndFramesHoldTheirControls) {
  EXPECT_EQ(window->size(), QSize(400, 300));
  auto* edit = Widget<QLineEdit>(gallery.Txt_Code);
  EXPECT_EQ(edit->parentWidget(), Widget<QGroupBox>(gallery.Fra_Saisie));
  EXPECT_EQ(edit->geometry(), QRect(56, 18, 60, 21));
  gallery.Txt_Code.Move(300, 450, 750, 315);
  EXPECT_EQ(edit->geometry(), QRect(20, 30, 50, 21));
  EXPECT_EQ(QFontInfo(Widget<QListWidget>(gallery.Lst_Lignes)->font()).family(), "Liberation Mono");
  EXPECT_EQ(QFontInfo(edit->font()).family(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(edit->font()).pixelSize(), 11);
}

TEST_F(RenderingTest, TypedKeysGoThroughTheModelWithoutEchoOrLoop) {
  std::vector<std::string> changes;
  gallery.Txt_Code.OnChange = [&] { changes.push_back(gallery.Txt_Code.Text()); };
  auto* edit = Widget<QLineEdit>(gallery.Txt_Code);
  edit->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(edit, "1a2");  // the gallery's code box takes digits only
  EXPECT_EQ(edit->text(), "12");
  EXPECT_EQ(changes, (std::vector<std::string>{"1", "12"}));
  EXPECT_TRUE(gallery.Txt_Code.HasFocus());
}

TEST_F(RenderingTest, EveryKeyReleasedRaisesKeyUpWithItsCode) {
  std::vector<int> ups;
  gallery.Txt_Code.OnKeyUp = [&](int key) { ups.push_back(key); };
  gallery.Txt_Code.OnKeyPress = nullptr;  // the gallery's takes digits only
  gallery.Txt_Code.SetText("12");
  auto* edit = Widget<QLineEdit>(gallery.Txt_Code);
  edit->setFocus(Qt::TabFocusReason);
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Shift, Qt::Key_Delete}) QTest::keyClick(edit, key);
  EXPECT_EQ(ups, (std::vector<int>{ui::kKeyLeft, ui::kKeyShift, ui::kKeyDelete}));
  // Tab selected the text; Left put the caret before it; Delete took the character after it.
  EXPECT_EQ(gallery.Txt_Code.Text(), "2");
}

TEST_F(RenderingTest, TextsShowAsTheFormDrawsThem) {
  gallery.Lbl_Etat.SetCaption(
      "IDCC\xFD"
      "2111");
  EXPECT_EQ(Widget<QLabel>(gallery.Lbl_Etat)->text(), "IDCC 2111");  // a record mark as a blank
  // A row wider than its column is cut at the edge, never shortened with an ellipsis.
  EXPECT_EQ(Widget<QListWidget>(gallery.Lst_Lignes)->textElideMode(), Qt::ElideNone);
}

TEST_F(RenderingTest, RightButtonRaisesMouseDownWithButtonTwoInTwips) {
  std::vector<int> seen;
  gallery.Fra_Saisie.OnMouseDown = [&](int button, int, int x, int y) {
    seen.insert(seen.end(), {button, x, y});
  };
  QTest::mouseClick(Widget<QGroupBox>(gallery.Fra_Saisie), Qt::RightButton, {}, QPoint(100, 80));
  EXPECT_EQ(seen, (std::vector<int>{2, 1500, 1200}));
}

TEST_F(RenderingTest, TabOrderFollowsTheTabIndexes) {
  const std::initializer_list<ui::Control*> takers = {
      &gallery.Cbo_Nom,    &gallery.Cmd_Message, &gallery.Txt_Code,
      &gallery.Bdv_Lignes, &gallery.Chk_Actif,   &gallery.Lst_Lignes,
      &gallery.Cmd_Fermer, &gallery.Cbo_Mois,    &gallery.Cmd_Fenetre};
  std::vector<std::string> expected, order;
  for (ui::Control* c : takers) {
    c->SetTabIndex(static_cast<int>(expected.size()));
    expected.push_back(c->Name());
  }
  QWidget* start = ui::qt::WidgetFor(gallery.Cbo_Nom);
  QWidget* w = start;
  do {
    if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty()) {
      order.push_back(w->objectName().toStdString());
    }
    w = w->nextInFocusChain();
  } while (w != start);
  EXPECT_EQ(order, expected);
}

TEST_F(RenderingTest, F1OpensHelpAtTheControlsContextNumber) {
  struct HelpDesktop : ui::qt::QtDesktop {
    void Help(long, const std::string& file, int command, int data) override {
      calls.push_back(file + " " + std::to_string(command) + " " + std::to_string(data));
    }
    std::vector<std::string> calls;
  } help;
  ui::ScopedDesktop inner(help);
  ui::SetHelpFile("aide.html");
  gallery.Txt_Code.SetHelpContextID(20);
  QTest::keyClick(ui::qt::WidgetFor(gallery.Txt_Code), Qt::Key_F1);
  EXPECT_EQ(help.calls, std::vector<std::string>{"aide.html 1 20"});
  ui::SetHelpFile("");
}

}  // namespace
