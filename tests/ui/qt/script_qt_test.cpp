#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QtTest/QTest>
#include <sstream>

#include "qt_app.h"
#include "ui/qt/script/qt_script.h"
#include "ui/qt/script/screen_check.h"
#include "ui/script/headless_script.h"

namespace {

// Every command that acts, including a message box, a pop-up menu and the modal dialog.
constexpr const char* kScript = R"(type Txt_Code 1x2
key Txt_Code enter
expect Txt_Code Text 00012
click Lst_Lignes 4
dblclick Lst_Lignes 5
expect-message Ligne 06
choose Cbo_Nom 2
expect Txt_Code Text 00003
choose Cbo_Mois 11
expect Cbo_Mois Text Décembre
click Cbo_Mois 10
key Cbo_Mois j
expect Cbo_Mois Text Janvier
scroll Bdv_Lignes 25
expect Lst_Lignes ListIndex 25
expect Lbl_Etat Caption Défilement : 25
click Cmd_Fenetre
type Txt_Note une note
close
expect-window Frm_GalerieDialogue
click Cmd_Retour
expect Lbl_Etat Caption Note : une note
menu Mnu_Effacer
rightclick Fra_Saisie
expect Txt_Code Text
answer no
click Cmd_Message
expect Lbl_Etat Caption Réponse : non
focus Txt_Code
set Chk_Actif 0
dump
)";

std::string WithAnswers(const char* script) {
  // dblclick shows an information box: its answer goes before it.
  std::string s = script;
  s.insert(s.find("dblclick"), "answer ok\n");
  return s;
}

using ui_test::QtGallery;

TEST_F(QtGallery, AScriptGivesTheSameDumpOnBothDesktops) {
  const std::string script = WithAnswers(kScript);
  std::ostringstream headless_dump, qt_dump;
  {
    ui::GalleryForm headless;
    headless.Load();
    const auto result = ui::RunHeadlessScript(headless, script, headless_dump);
    ASSERT_TRUE(result.ok) << "headless " << result.ToString();
    ui::Control::ClearFocus();
  }
  const auto result = ui::qt::RunScript(gallery, script, qt_dump);
  ASSERT_TRUE(result.ok) << "qt " << result.ToString();
  EXPECT_FALSE(headless_dump.str().empty());
  EXPECT_EQ(qt_dump.str(), headless_dump.str());
}

TEST_F(QtGallery, AScriptStopsAtAnUnansweredBoxWithItsLine) {
  std::ostringstream out;
  const auto result = ui::qt::RunScript(
      gallery, "type Txt_Code 5\nclick Cmd_Message\nexpect Txt_Code Text 5\n", out);
  EXPECT_EQ(result.ToString(),
            "line 2: message box with no answer prepared: \"Continuer ?\" (style 36, title "
            "\"Galerie\")");
}

// The screen check itself: a list scrolled by the model shows its new rows (the rows used to
// stay drawn where they were), and a list made to show other rows than the model's, by
// scrolling its bar behind the model's back, fails the check with the list's name.
TEST_F(QtGallery, TheScreenCheckFindsAListThatShowsOtherRowsThanTheModel) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  gallery.Lst_Lignes.SetTopIndex(10);
  EXPECT_EQ(ui::qt::CompareScreen({&gallery}), "");
  auto* list = qobject_cast<QListWidget*>(ui::qt::WidgetFor(gallery.Lst_Lignes));
  {
    const QSignalBlocker quiet(list->verticalScrollBar());
    list->verticalScrollBar()->setValue(3);
  }
  EXPECT_THAT(ui::qt::CompareScreen({&gallery}), ::testing::HasSubstr("Lst_Lignes"));
  window->hide();  // as a close box would that hid a window its Unload kept
  EXPECT_THAT(ui::qt::CompareScreen({&gallery}), ::testing::HasSubstr("not on the screen"));
}

}  // namespace
