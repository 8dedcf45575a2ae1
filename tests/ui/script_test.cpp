#include "ui/script/script.h"

#include <gtest/gtest.h>

#include <sstream>

#include "ui/script/headless_script.h"
#include "vantelor-gallery/gallery.h"

namespace {

class ScriptTest : public ::testing::Test {
 protected:
  ~ScriptTest() override { ui::Control::ClearFocus(); }
  ui::ScriptResult Run(std::string_view script) {
    gallery.Load();
    return ui::RunHeadlessScript(gallery, script, out);
  }
  ui::GalleryForm gallery;
  std::ostringstream out;
};

// The commands kScript of script_qt_test (run here and on Qt) leaves out.
TEST_F(ScriptTest, SetCommandsYesAnswersAndMenusClosedWithNoChoice) {
  const auto result = Run(R"(click Lst_Lignes 4
expect Bdv_Lignes Value 4
scroll Bdv_Lignes 20
expect Lst_Lignes ListIndex 20
expect Lbl_Etat Caption Défilement : 20
choose Cbo_Nom 1
expect Txt_Code Text 00002
expect Cbo_Nom Text MARTIN Paul
click Cbo_Mois 2
expect Cbo_Mois Text Mars
expect Cbo_Mois List(11) Décembre
click Chk_Actif
expect Lst_Lignes Enabled false
click Lst_Lignes 0
expect Lst_Lignes ListIndex 20
set Chk_Actif 1
set Bdv_Lignes 3
expect Lst_Lignes ListIndex 3
set Txt_Code 123
expect Lbl_Etat Caption Code : 123
expect-focus Chk_Actif
answer yes
click Cmd_Message
expect Lbl_Etat Caption Réponse : oui
menu none
rightclick Frm_Galerie 300 450
expect Txt_Code Text 123
)");
  EXPECT_TRUE(result.ok) << result.ToString();
}

TEST_F(ScriptTest, FailuresStopTheScriptWithTheLineAndWhatWasFound) {
  struct Case {
    const char* script;
    int line;
    const char* message;
  };
  const Case cases[] = {
      {"type Txt_Code 12\n\nexpect Txt_Code Text 13\nclick Cmd_Fermer\n", 3,
       "expect Txt_Code Text: found \"12\", expected \"13\""},
      {"click Cmd_Message\n", 1,
       "message box with no answer prepared: \"Continuer ?\" (style 36, title \"Galerie\")"},
      {"# comment\nfrobnicate Txt_Code\n", 2, "unknown command \"frobnicate\""},
      {"click Cmd_Absent\n", 1, "no control Cmd_Absent in window Frm_Galerie"},
      {"type Lst_Lignes abc\n", 1, "type needs a text box or combo box: Lst_Lignes is a ListBox"},
      {"click Lst_Lignes 30\n", 1, "Lst_Lignes has 30 rows: there is no row 30"},
      {"scroll Bdv_Lignes haut\n", 1, "the value must be a whole number, found \"haut\""},
      {"expect-message Continuer ?\n", 1, "expect-message: no message box was shown"},
      {"expect Txt_Code Caption x\n", 1, "Txt_Code has no property Caption"},
      {"click Cmd_Fenetre\ntype Txt_Note x\n", 2,
       "the script ended while Frm_GalerieDialogue is still open"},
      {"click Cmd_Fenetre\nexpect Txt_Note Text y\nclick Cmd_Retour\n", 2,
       "expect Txt_Note Text: found \"\", expected \"y\""},
      {"answer peut-être\n", 1, "unknown answer \"peut-être\" (ok, yes, no, cancel)"},
      {"menu Mnu_Absent\nrightclick Fra_Saisie\n", 2, "menu Mnu_Aide has no entry Mnu_Absent"},
      {"set Lst_Lignes 40\n", 1, "Lst_Lignes.ListIndex: 40 is not a row of a list of 30"},
  };
  for (const Case& c : cases) {
    ui::GalleryForm fresh;
    fresh.Load();
    std::ostringstream ignored;
    const auto result = ui::RunHeadlessScript(fresh, c.script, ignored);
    EXPECT_FALSE(result.ok) << c.script;
    EXPECT_EQ(result.line, c.line) << c.script;
    EXPECT_EQ(result.message, c.message) << c.script;
    EXPECT_TRUE(ui::Form::ModalStack().empty()) << c.script;
  }
}

TEST_F(ScriptTest, AnErrorAHandlerLetsThroughStopsTheScript) {
  gallery.Cmd_Message.OnClick = [] { throw std::runtime_error("lecture impossible"); };
  const auto result = Run("type Txt_Code 1\nclick Cmd_Message\nexpect Txt_Code Text 1\n");
  EXPECT_EQ(result.ToString(), "line 2: error in Cmd_Message_Click: lecture impossible");
}

}  // namespace
