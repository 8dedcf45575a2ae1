#include <gtest/gtest.h>

#include "data/conversion.h"
#include "viewer/viewer_fixture.h"

namespace vantelor {
namespace {

using FooterTest = testsupport::ViewerTest;

std::string F(std::string_view x, int i, int d, bool flag) {
  return dba::TheConversion().FormatNumber(x, i, d, flag);
}

TEST_F(FooterTest, GainsAndDeductionsLayout) {
  auto w = Open({"Ligne"}, {"", "1|2|3|33781|83420|-25000", "", "66989|E", "||||439419||F"});
  EXPECT_EQ(w->Lab_ChgPat.Caption(), "CHARGES PATR.");
  EXPECT_EQ(w->Lab_ChgPat.Width(), 2295);
  EXPECT_EQ(w->Lab_ChgPat.Left(), 4680);
  EXPECT_EQ(w->Etq_ChargesPat.Caption(), F("337.81", 5, 2, true));
  EXPECT_EQ(w->Etq_Gains.Caption(), F("834.20", 5, 2, true));
  EXPECT_EQ(w->Etq_Retenues.Caption(), F("250.00", 5, 2, false));
  for (ui::Control* c :
       std::initializer_list<ui::Control*>{&w->Lab_Gain, &w->Lab_Retenue, &w->Line3, &w->Line4})
    EXPECT_TRUE(c->Visible()) << c->Name();
  EXPECT_EQ(w->Etq_NetFrancs.Caption(), F("669.89", 6, 2, false));
  EXPECT_EQ(w->Etq_Lib1.Caption(), "Euros");
  EXPECT_EQ(w->Etq_NetEuros.Caption(), F("4394.19", 6, 2, false));
  EXPECT_EQ(w->Etq_Lib2.Caption(), "Francs");
  EXPECT_EQ(w->W_Ligne, 24);  // M + 4
}

TEST_F(FooterTest, EmployerTotalLayoutEvenWithADeductionsTotal) {
  auto w = Open({"Ligne"}, {"", "1|2|3|33781||-25000", "", "66989|E", ""});
  EXPECT_EQ(w->Lab_ChgPat.Caption(), "TOTAL VERSE PAR L'EMPLOYEUR");
  EXPECT_EQ(w->Lab_ChgPat.Width(), 4455);
  EXPECT_EQ(w->Lab_ChgPat.Left(), 4680);
  EXPECT_EQ(w->Etq_ChargesPat.Caption(), F("337.81", 5, 2, true));
  EXPECT_EQ(w->Etq_Gains.Caption(), "");
  EXPECT_EQ(w->Etq_Retenues.Caption(), "");
  for (ui::Control* c :
       std::initializer_list<ui::Control*>{&w->Lab_Gain, &w->Lab_Retenue, &w->Line3, &w->Line4})
    EXPECT_FALSE(c->Visible()) << c->Name();
}

}  // namespace
}  // namespace vantelor
