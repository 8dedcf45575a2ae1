// The control in a Qt host window: its widget, its help window at the contents and at the
// selection screen's context, and errors handed to the host.
#include "vantelor/qt_embedding.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBrowser>

#include "component/control_impl.h"
#include "data/archive/archive_files.h"
#include "help/context_ids.h"
#include "ui/qt/render.h"

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "embed_tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

class EmbeddingTest : public ::testing::Test {
 protected:
  EmbeddingTest() {
    desktop = std::make_unique<vantelor::QtDesktop>(&window);
    desktop->SetErrorHandler([this](const std::string& where, const std::string& message) {
      errors.push_back(where + ": " + message);
    });
    control = std::make_unique<vantelor::Ctr_Vantelor>();
    // The help file beside the programs of the build tree.
    help::Init_Aide(control->WindowHandle(), VANTELOR_TEST_APPS_DIR);
  }
  QTextBrowser* HelpBrowser() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* browser = qobject_cast<QTextBrowser*>(w); browser && browser->isVisible()) {
        return browser;
      }
    }
    return nullptr;
  }

  QApplication& app = App();  // before any widget
  QWidget window;
  std::unique_ptr<vantelor::QtDesktop> desktop;
  std::unique_ptr<vantelor::Ctr_Vantelor> control;
  std::vector<std::string> errors;
};

TEST_F(EmbeddingTest, ControlIsDrawnAtItsDesignedSize) {
  QWidget* area = vantelor::CreateControlWidget(*control, &window);
  EXPECT_EQ(area->parentWidget(), &window);
  EXPECT_EQ(area->size(), QSize(640, 440));
  EXPECT_NE(ui::qt::WidgetFor(vantelor::Ecran(*control).Txt_CodeAidant), nullptr);
}

TEST_F(EmbeddingTest, HelpOpensAtTheContentsAndAtTheSelectionContextThenCloses) {
  vantelor::CreateControlWidget(*control, &window);
  window.show();
  help::Afficher_Sommaire();
  QTextBrowser* browser = HelpBrowser();
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->source().path().endsWith("Vantelor.HLP"));
  // Shown as a page, not as its HTML text.
  EXPECT_TRUE(browser->toPlainText().contains("Consultation des bulletins de paie archivés"));
  EXPECT_FALSE(browser->toPlainText().contains("<h1>"));
  if (const char* shot = std::getenv("VANTELOR_HELP_SHOT")) ui::qt::SaveScreenshot(*browser, shot);

  vantelor::Ecran(*control).Txt_CodeAidant.UserHelpKey();  // F1
  EXPECT_EQ(browser->source().fragment(), "contexte-10");

  control.reset();  // termination closes this owner's help window
  EXPECT_EQ(HelpBrowser(), nullptr);
}

TEST_F(EmbeddingTest, ErrorsOfTheScreenGoToTheHostsHandler) {
  // No database was given: the code check cannot read the civil file.
  vantelor::Ecran(*control).Txt_CodeAidant.UserType("00012");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("Txt_CodeAidant_Change"), std::string::npos) << errors[0];
  EXPECT_NE(errors[0].find("CIVILAIDANT"), std::string::npos) << errors[0];
  EXPECT_TRUE(vantelor::Ecran(*control).Enabled());
}

}  // namespace
