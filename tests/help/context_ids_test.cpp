#include "help/context_ids.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "support/source_files.h"
#include "text/text.h"
#include "ui/test_desktop.h"

namespace {

TEST(Help, FileNameIsTheProgramFolderWithOneSeparator) {
  const std::pair<const char*, const char*> rows[] = {
      {"/opt/vantelor", "/opt/vantelor/Vantelor.HLP"},
      {"/opt/vantelor/", "/opt/vantelor/Vantelor.HLP"},
      {"/", "/Vantelor.HLP"},
      // The test is made on the trimmed path, the name from the path as given.
      {"/opt/x/ ", "/opt/x/ Vantelor.HLP"},
      {"/opt/x ", "/opt/x /Vantelor.HLP"},
  };
  for (const auto& [folder, file] : rows) {
    help::Init_Aide(1, folder);
    EXPECT_EQ(ui::HelpFile(), file) << folder;
  }
}

TEST(Help, FileNameDefaultsToTheFolderOfTheProgram) {
  help::Init_Aide(3);
  EXPECT_EQ(ui::HelpFile(), VANTELOR_TEST_BINARY_DIR "/Vantelor.HLP");
}

TEST(Help, ContentsAndQuitAreAskedForTheOwner) {
  ui::TestDesktop desktop;
  ui::ScopedDesktop installed(desktop);
  help::Init_Aide(42, "/opt/vantelor");
  help::Afficher_Sommaire();
  help::Quitter_Aide();
  const std::string file = "/opt/vantelor/Vantelor.HLP";
  EXPECT_EQ(desktop.HelpCalls(), (std::vector<ui::HelpRecord>{{42, file, ui::kHelpFinder, 0},
                                                              {42, file, ui::kHelpQuit, 0}}));
}

std::string HelpText() {
  std::ifstream in(testsupport::SourceDir() + "/src/help/Vantelor.HLP", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(Help, FileHasASectionForEveryContextAndEveryLinkArrives) {
  const std::string html = HelpText();
  ASSERT_FALSE(html.empty());
  EXPECT_TRUE(text::IsValidUtf8(html));
  std::set<std::string> anchors;
  const std::regex anchor(R"(<a name="([^"]+)\">)");
  for (std::sregex_iterator i(html.begin(), html.end(), anchor), end; i != end; ++i) {
    anchors.insert((*i)[1]);
  }
  for (int context : {help::kContexteSelection, help::kContexteDetail}) {
    EXPECT_TRUE(anchors.count(help::Ancre(ui::kHelpContext, context))) << context;
  }
  EXPECT_TRUE(anchors.count(help::Ancre(ui::kHelpFinder, 0)));
  const std::regex link(R"(href="#([^"]+)\")");
  for (std::sregex_iterator i(html.begin(), html.end(), link), end; i != end; ++i) {
    EXPECT_TRUE(anchors.count((*i)[1])) << "link to #" << (*i)[1];
  }
}

}  // namespace
