#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>

#include "qt_app.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/qt/qt_desktop.h"
#include "ui/qt/render.h"

namespace {

class SmallForm : public ui::Form {
 public:
  SmallForm() : ui::Form("Frm_Essai", "Essai") {
    Move(0, 0, 4500, 3000);
    Fra_Cadre.Move(1500, 150, 2700, 1500);
    Txt_Code.SetContainer(&Fra_Cadre);
    Txt_Code.Move(150, 300, 1500, 315);
    Cmd_OK.Move(150, 150, 1200, 375);
    Lst_Mois.Move(150, 1800, 1200, 840);
    Lst_Mois.SetFont(ui::kFixedFont);
    Lbl_Titre.Move(150, 600, 1200, 255);
    Cbo_An.Move(1500, 1800, 1200, 315);
    Bdv_Mois.Move(3000, 1800, 255, 900);
  }
  ui::Frame Fra_Cadre{*this, "Fra_Cadre", "Cadre"};
  ui::TextBox Txt_Code{*this, "Txt_Code"};
  ui::CommandButton Cmd_OK{*this, "Cmd_OK", "OK"};
  ui::ListBox Lst_Mois{*this, "Lst_Mois"};
  ui::Label Lbl_Titre{*this, "Lbl_Titre", "Titre"};
  ui::ComboBox Cbo_An{*this, "Cbo_An"};
  ui::CheckBox Cac_Oui{*this, "Cac_Oui", "Oui"};
  ui::VScrollBar Bdv_Mois{*this, "Bdv_Mois"};
};

class RenderingTest : public ::testing::Test {
 protected:
  RenderingTest() {
    ui_test::App();
    form.Load();
    window = ui::qt::CreateWindow(form);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  ~RenderingTest() override { ui::Control::ClearFocus(); }
  template <typename W>
  W* Widget(const ui::Control& control) {
    return qobject_cast<W*>(ui::qt::WidgetFor(control));
  }
  ui::qt::QtDesktop desktop;
  ui::ScopedDesktop installed{desktop};
  SmallForm form;
  std::unique_ptr<QWidget> window;
};

TEST_F(RenderingTest, AClickOnTheQtButtonReachesTheModelsClick) {
  int clicks = 0;
  form.Cmd_OK.OnClick = [&] { ++clicks; };
  auto* button = Widget<QPushButton>(form.Cmd_OK);
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(form.Cmd_OK.HasFocus());  // a click focuses the button first, as a user's does
  form.Cmd_OK.SetEnabled(false);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST_F(RenderingTest, ModelChangesShowInTheWidgets) {
  form.Txt_Code.SetText("00012");
  form.Lbl_Titre.SetCaption("Période de paie");
  for (const char* m : {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet"}) {
    form.Lst_Mois.AddItem(m);
  }
  form.Lst_Mois.SetListIndex(6);
  form.Cbo_An.AddItem("2003");
  form.Cbo_An.AddItem("2004");
  form.Cbo_An.SetListIndex(1);
  form.Cac_Oui.SetValue(2);
  form.Bdv_Mois.SetMax(6);
  form.Bdv_Mois.SetValue(4);
  form.Cmd_OK.SetCaption("Valider");
  form.Fra_Cadre.SetVisible(false);
  form.SetCaption("Nouveau titre");
  EXPECT_EQ(Widget<QLineEdit>(form.Txt_Code)->text(), "00012");
  EXPECT_EQ(Widget<QLabel>(form.Lbl_Titre)->text(), "Période de paie");
  auto* list = Widget<QListWidget>(form.Lst_Mois);
  EXPECT_EQ(list->count(), 7);
  EXPECT_EQ(list->currentRow(), 6);
  EXPECT_EQ(list->verticalScrollBar()->value(), form.Lst_Mois.TopIndex());
  EXPECT_EQ(form.Lst_Mois.TopIndex(), 3);  // four rows in view: the selection is kept in view
  EXPECT_EQ(Widget<QComboBox>(form.Cbo_An)->currentText(), "2004");
  EXPECT_EQ(Widget<QCheckBox>(form.Cac_Oui)->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(Widget<QScrollBar>(form.Bdv_Mois)->value(), 4);
  EXPECT_EQ(Widget<QPushButton>(form.Cmd_OK)->text(), "Valider");
  EXPECT_FALSE(Widget<QGroupBox>(form.Fra_Cadre)->isVisible());
  EXPECT_FALSE(Widget<QLineEdit>(form.Txt_Code)->isVisible());  // inside the hidden frame
  EXPECT_EQ(window->windowTitle(), "Nouveau titre");
}

TEST_F(RenderingTest, GeometryIsInTwipsAndFramesHoldTheirControls) {
  EXPECT_EQ(window->size(), QSize(300, 200));
  auto* edit = Widget<QLineEdit>(form.Txt_Code);
  EXPECT_EQ(edit->parentWidget(), Widget<QGroupBox>(form.Fra_Cadre));
  EXPECT_EQ(edit->geometry(), QRect(10, 20, 100, 21));
  form.Txt_Code.Move(300, 450, 750, 315);
  EXPECT_EQ(edit->geometry(), QRect(20, 30, 50, 21));
  EXPECT_EQ(QFontInfo(Widget<QListWidget>(form.Lst_Mois)->font()).family(), "Liberation Mono");
  EXPECT_EQ(QFontInfo(edit->font()).family(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(edit->font()).pixelSize(), 11);
}

TEST_F(RenderingTest, TypedKeysGoThroughTheModelWithoutEchoOrLoop) {
  std::vector<std::string> changes;
  form.Txt_Code.OnChange = [&] { changes.push_back(form.Txt_Code.Text()); };
  form.Txt_Code.OnKeyPress = [](int& key) {
    if (key < '0' || key > '9') key = 0;
  };
  auto* edit = Widget<QLineEdit>(form.Txt_Code);
  edit->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(edit, "1a2");
  EXPECT_EQ(edit->text(), "12");
  EXPECT_EQ(changes, (std::vector<std::string>{"1", "12"}));
  EXPECT_TRUE(form.Txt_Code.HasFocus());
}

TEST_F(RenderingTest, EveryKeyReleasedRaisesKeyUpWithItsCode) {
  std::vector<int> ups;
  form.Txt_Code.OnKeyUp = [&](int key) { ups.push_back(key); };
  form.Txt_Code.SetText("12");
  auto* edit = Widget<QLineEdit>(form.Txt_Code);
  edit->setFocus(Qt::TabFocusReason);
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Shift, Qt::Key_Delete}) QTest::keyClick(edit, key);
  EXPECT_EQ(ups, (std::vector<int>{ui::kKeyLeft, ui::kKeyShift, ui::kKeyDelete}));
  // Tab selected the text; Left put the caret before it; Delete took the character after it.
  EXPECT_EQ(form.Txt_Code.Text(), "2");
}

TEST_F(RenderingTest, TextsShowAsTheFormDrawsThem) {
  form.Lbl_Titre.SetCaption(
      "IDCC\xFD"
      "2111");
  EXPECT_EQ(Widget<QLabel>(form.Lbl_Titre)->text(), "IDCC 2111");  // a record mark as a blank
  // A row wider than its column is cut at the edge, never shortened with an ellipsis.
  EXPECT_EQ(Widget<QListWidget>(form.Lst_Mois)->textElideMode(), Qt::ElideNone);
}

TEST_F(RenderingTest, QtFocusFollowsTheModels) {
  QWidget* focused = QApplication::focusWidget();
  EXPECT_TRUE(focused == nullptr || !window->isAncestorOf(focused))
      << focused->objectName().toStdString();
  form.Cbo_An.SetFocus();
  EXPECT_TRUE(Widget<QComboBox>(form.Cbo_An)->hasFocus());
  ui::Control::ClearFocus();
  focused = QApplication::focusWidget();
  EXPECT_TRUE(focused == nullptr || !window->isAncestorOf(focused));
}

TEST_F(RenderingTest, RightButtonRaisesMouseDownWithButtonTwoInTwips) {
  std::vector<int> seen;
  form.Fra_Cadre.OnMouseDown = [&](int button, int, int x, int y) {
    seen.insert(seen.end(), {button, x, y});
  };
  QTest::mouseClick(Widget<QGroupBox>(form.Fra_Cadre), Qt::RightButton, {}, QPoint(100, 80));
  EXPECT_EQ(seen, (std::vector<int>{2, 1500, 1200}));
}

TEST_F(RenderingTest, TabOrderFollowsTheTabIndexes) {
  int index = 0;
  for (ui::Control* c :
       std::initializer_list<ui::Control*>{&form.Cbo_An, &form.Cmd_OK, &form.Txt_Code,
                                           &form.Bdv_Mois, &form.Cac_Oui, &form.Lst_Mois}) {
    c->SetTabIndex(index++);
  }
  std::vector<std::string> order;
  QWidget* start = ui::qt::WidgetFor(form.Cbo_An);
  QWidget* w = start;
  do {
    if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty()) {
      order.push_back(w->objectName().toStdString());
    }
    w = w->nextInFocusChain();
  } while (w != start);
  EXPECT_EQ(order, (std::vector<std::string>{"Cbo_An", "Cmd_OK", "Txt_Code", "Bdv_Mois", "Cac_Oui",
                                             "Lst_Mois"}));
}

class HelpDesktop : public ui::qt::QtDesktop {
 public:
  void Help(long, const std::string& file, int command, int data) override {
    calls.push_back(file + " " + std::to_string(command) + " " + std::to_string(data));
  }
  std::vector<std::string> calls;
};

TEST(RenderingHelp, F1OpensHelpAtTheControlsContextNumber) {
  ui_test::App();
  HelpDesktop desktop;
  ui::ScopedDesktop installed(desktop);
  ui::SetHelpFile("aide.html");
  SmallForm form;
  form.Txt_Code.SetHelpContextID(20);
  auto window = ui::qt::CreateWindow(form);
  window->show();
  QTest::keyClick(ui::qt::WidgetFor(form.Txt_Code), Qt::Key_F1);
  EXPECT_EQ(desktop.calls, std::vector<std::string>{"aide.html 1 20"});
  ui::SetHelpFile("");
}

}  // namespace
