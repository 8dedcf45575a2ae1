// The layout of the selection screen: every control lies inside its frame and no two visible
// controls overlap; the period boxes and the result list line up in a fixed-pitch font.
#include <gtest/gtest.h>

#include <set>

#include "support/selection_fixture.h"

namespace {

class SelectionScreenTest : public testsupport::SelectionFixture {};

TEST_F(SelectionScreenTest, EveryControlLiesInsideItsFrameAndNoneOverlap) {
  std::vector<ui::Control*> controls;
  for (ui::Control* c : screen.Controls()) {
    if (c->kind() != ui::Kind::Menu) controls.push_back(c);
  }
  for (ui::Control* c : controls) {
    const ui::Control* box = c->Container() ? c->Container() : &screen;
    SCOPED_TRACE(c->Name() + " in " + box->Name());
    EXPECT_TRUE(c->Width() > 0 && c->Height() > 0 && c->Left() >= 0 && c->Top() >= 0);
    EXPECT_LE(c->Left() + c->Width(), box->Width());
    EXPECT_LE(c->Top() + c->Height(), box->Height());
    for (ui::Control* b : controls) {
      if (c >= b || c->Container() != b->Container() || !c->Visible() || !b->Visible()) continue;
      EXPECT_TRUE(c->Left() + c->Width() <= b->Left() || b->Left() + b->Width() <= c->Left() ||
                  c->Top() + c->Height() <= b->Top() || b->Top() + b->Height() <= c->Top())
          << c->Name() << " overlaps " << b->Name();
    }
  }
  const std::set<std::string> fixed = {"Cbo_DebutPeriode", "Cbo_DebutAn", "Cbo_FinPeriode",
                                       "Cbo_FinAn", "Lst_Periode"};
  for (ui::Control* c : controls) {
    EXPECT_EQ(c->font().family == "Courier New", fixed.count(c->Name()) == 1) << c->Name();
  }
}

}  // namespace
