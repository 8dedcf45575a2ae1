// A listed payslip opened with a double-click (the viewer itself: viewer.script), and a
// payslip that cannot be shown explained while the viewer stays closed.
#include "selection/selection_fixture.h"
#include "support/payslip_record.h"

namespace vantelor::testing {
namespace {

TEST(AfficheBull, APayslipThatCannotBeShownIsReportedAndTheViewerStaysClosed) {
  Scene s;
  constexpr const char* kMars = "0001200120030300101";
  s.ecran.Lst_Periode.AddItem(kMars);
  s.ecran.Lst_CodeArchive.AddItem(kMars);
  s.ecran.Cdr_Select.SetEnabled(true);  // as Lister leaves it
  s.ecran.Lst_Periode.SetEnabled(true);
  const std::string end = " Il ne peut pas être affiché.";
  const struct {
    std::string stored;  // "" = no record under the key
    std::string message;
  } cases[] = {
      {"", "n'existe plus dans les archives."},
      {testsupport::RecordText({"", "BULLETIN", "Ligne"}),
       "est incomplet : la marque de fin de ses lignes (#6) est absente."},
      {testsupport::PayslipRecord({"Ligne|100", "Salaire|86,67"}).Text(),
       "est illisible : « 86,67 » n'est pas un nombre (attribut 20, valeur 2)."},
      {testsupport::PayslipRecord({"Ligne"}, {"", "", "", "net|E", ""}).Text(),
       "est illisible : « net » n'est pas un nombre (attribut 24, valeur 1)."},
  };
  const dba::Record shown(nullptr, "0001200120030400101", "précédent");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    s.v.Enr_ArchiveBull = shown;
    if (!c.stored.empty()) s.Put(dba::files::kArchiveBull, kMars, c.stored);
    s.desktop.Answer(ui::kAnswerOk);
    s.ecran.Lst_Periode.UserDoubleClick(0);
    s.ecran.Lst_Periode.SetListIndex(-1);
    EXPECT_EQ(s.desktop.LastMessage(),
              (ui::MessageRecord{"Le bulletin " + std::string(kMars) + " " + c.message + end,
                                 ui::kExclamation, kTitreMessage, ui::kAnswerOk}));
    EXPECT_TRUE(s.desktop.ModalForms().empty());
    EXPECT_TRUE(s.ecran.Enabled());
    EXPECT_EQ(s.v.Enr_ArchiveBull.Text(), shown.Text());
  }
  // Without its file: an error reaches the host, and the screen is left usable.
  s.v.Fic_ArchiveBull.reset();
  s.ecran.Lst_Periode.UserDoubleClick(0);
  ASSERT_EQ(s.desktop.Errors().size(), 1u);
  EXPECT_NE(s.desktop.Errors()[0].message.find("ARCHIVEBULL"), std::string::npos);
  EXPECT_TRUE(s.ecran.Enabled());
  EXPECT_EQ(s.desktop.MousePointer(), ui::kDefaultPointer);
}

}  // namespace
}  // namespace vantelor::testing
