#include <gtest/gtest.h>

#include "viewer/viewer_fixture.h"

namespace vantelor {
namespace {

using FooterTest = testsupport::ViewerTest;

// Without a gains total the employer total takes one wide caption, even when a deductions
// total is stored, and the gains and deductions parts of the frame go.
TEST_F(FooterTest, GainsAndDeductionsLayoutAndEmployerTotalLayout) {
  const struct {
    const char* totals;
    const char* captions;
    int width;
  } cases[] = {
      {"1|2|3|33781|83420|-25000", "CHARGES PATR./   337,81/   834,20/  250,00", 2295},
      {"1|2|3|33781||-25000", "TOTAL VERSE PAR L'EMPLOYEUR/   337,81//", 4455},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.totals);
    auto w = Open({"Ligne"}, {"", c.totals, "", "66989|E", "||||439419||F"});
    EXPECT_EQ(w->Lab_ChgPat.Caption() + "/" + w->Etq_ChargesPat.Caption() + "/" +
                  w->Etq_Gains.Caption() + "/" + w->Etq_Retenues.Caption(),
              c.captions);
    EXPECT_EQ(w->Lab_ChgPat.Width(), c.width);
    EXPECT_EQ(w->Lab_ChgPat.Left(), 4680);
    for (ui::Control* gainsPart :
         std::initializer_list<ui::Control*>{&w->Lab_Gain, &w->Lab_Retenue, &w->Line3, &w->Line4})
      EXPECT_EQ(gainsPart->Visible(), c.width == 2295) << gainsPart->Name();
    EXPECT_EQ(w->Etq_NetFrancs.Caption() + "/" + w->Etq_Lib1.Caption() + "/" +
                  w->Etq_NetEuros.Caption() + "/" + w->Etq_Lib2.Caption(),
              "   669,89/Euros/  4394,19/Francs");
    EXPECT_EQ(w->W_Ligne, 24);  // M + 4
  }
}

}  // namespace
}  // namespace vantelor
