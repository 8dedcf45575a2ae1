#include <gtest/gtest.h>

#include <sstream>

#include "qt_app.h"
#include "gallery.h"
#include "ui/script/headless_script.h"
#include "ui/qt/script/qt_script.h"
#include "ui/qt/render.h"

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

TEST(ScriptOnBothDesktops, GivesTheSameDump) {
  ui_test::App();
  const std::string script = WithAnswers(kScript);
  std::ostringstream headless_dump, qt_dump;
  {
    ui::GalleryForm gallery;
    gallery.Load();
    const auto result = ui::RunHeadlessScript(gallery, script, headless_dump);
    ASSERT_TRUE(result.ok) << "headless " << result.ToString();
    ui::Control::ClearFocus();
  }
  {
    ui::qt::QtDesktop desktop;
    ui::ScopedDesktop installed(desktop);
    ui::GalleryForm gallery;
    gallery.Load();
    auto window = ui::qt::CreateWindow(gallery);
    window->show();
    const auto result = ui::qt::RunScript(gallery, script, qt_dump);
    ASSERT_TRUE(result.ok) << "qt " << result.ToString();
    ui::Control::ClearFocus();
  }
  EXPECT_FALSE(headless_dump.str().empty());
  EXPECT_EQ(qt_dump.str(), headless_dump.str());
}

TEST(ScriptOnQt, StopsAtAnUnansweredBoxWithItsLine) {
  ui_test::App();
  ui::qt::QtDesktop desktop;
  ui::ScopedDesktop installed(desktop);
  ui::GalleryForm gallery;
  gallery.Load();
  auto window = ui::qt::CreateWindow(gallery);
  window->show();
  std::ostringstream out;
  const auto result = ui::qt::RunScript(
      gallery, "type Txt_Code 5\nclick Cmd_Message\nexpect Txt_Code Text 5\n", out);
  EXPECT_EQ(result.ToString(),
            "line 2: message box with no answer prepared: \"Continuer ?\" (style 36, title "
            "\"Galerie\")");
  ui::Control::ClearFocus();
}

}  // namespace
