// The calculation detail window as the viewer opens it: loaded, Init, then used.
#include "detail/frm_detail_bs.h"

#include <array>
#include <sstream>

#include "detail_fixture.h"

namespace detailtest {
namespace {

using vantelor::Frm_DetailBS;

const std::string kDetailKey = "00012001200303";

class DetailWindowTest : public ArchiveTest {
 protected:
  DetailWindowTest() {
    Write("RUBSAISIE", "SB", {"Salaire de base", "", "", "1"});
    Write("RUBSAISIE", "CP", {"Indemnité congés payés", "", "", "1"});
    Write("RUBSAISIE", "TRA", {"Indemnité de transport", "", "", "3"});
    Write("RUBCHARGE", "MAL", {"Maladie"});
    Write("RUBCHARGE", "VPL", {"Vieillesse plafonnée"});
    Write("RUBCHARGE", "VDP", {"Vieillesse déplafonnée"});
    Show("0001200120030300101", testsupport::PayslipRecord({"Salaire de base|8667||||75836|"}));
  }

  // Loads the window and runs Init as the viewer does, under the hourglass.
  std::unique_ptr<Frm_DetailBS> Open() {
    auto window = std::make_unique<Frm_DetailBS>(v_);
    window->Load();
    desktop_.SetMousePointer(ui::kHourglass);
    window->Init();
    return window;
  }
  // Stores the detail record written as "attribute:values ..." ('|' between values), then opens.
  std::unique_ptr<Frm_DetailBS> OpenWith(const std::string& detail) {
    Lines lines(21);
    std::istringstream in(detail);
    for (std::string field; in >> field;) {
      const auto colon = field.find(':');
      lines[std::stoi(field.substr(0, colon)) - 1] = field.substr(colon + 1);
    }
    Write("DETAILCALCUL", kDetailKey, lines);
    return Open();
  }
  // `rows` contributions, each with both amounts.
  std::unique_ptr<Frm_DetailBS> OpenRows(int rows) {
    std::string codes, amounts;
    for (int i = 0; i < rows; ++i) {
      codes += (i ? "|" : "") + std::string("VPL");
      amounts += (i ? "|" : "") + std::to_string(100 + i);
    }
    return OpenWith("8:" + codes + " 11:" + amounts + " 14:" + amounts);
  }

  static std::array<ui::ListBox*, 9> Lists(Frm_DetailBS& w) {
    return {&w.Lst_CodeRub, &w.Lst_LibRub,  &w.Lst_BaseSal,    &w.Lst_TauxSal, &w.Lst_MontantSal,
            &w.Lst_BasePat, &w.Lst_TauxPat, &w.Lst_MontantPat, &w.Lst_RubAuto};
  }
  // Every row, its nine entries joined by '/', rows by '\n'; all lists must be one length.
  static std::string Rows(Frm_DetailBS& w) {
    std::string out;
    for (ui::ListBox* list : Lists(w))
      EXPECT_EQ(list->ListCount(), w.Lst_CodeRub.ListCount()) << list->Name();
    for (int i = 0; i < w.Lst_CodeRub.ListCount(); ++i) {
      for (ui::ListBox* list : Lists(w)) out += list->List(i) + (list == &w.Lst_RubAuto ? "" : "/");
      out += "\n";
    }
    return out;
  }
  // The eight visible lists select `index` and the bar stands on it.
  static void ExpectSelected(Frm_DetailBS& w, int index) {
    for (std::size_t c = 0; c < 8; ++c)
      EXPECT_EQ(Lists(w)[c]->ListIndex(), index) << Lists(w)[c]->Name();
    EXPECT_EQ(w.Bdv_Rub.Value(), std::max(index, 0));
  }
};

// The gross figures read an empty attribute as 0, in memory only; an empty net taxable
// ends the totals there.
TEST_F(DetailWindowTest, TotalsShowWithoutRowsAndEmptyFiguresBecomeZeroInMemoryOnly) {
  auto w = OpenWith("6:8667 7:83420 15:67391 21:66989");
  EXPECT_EQ(w->Txt_BaseBrut.Text() + "/" + w->Txt_MontantBrut.Text() + "/" +
                w->Txt_NetFiscal.Text() + "/" + w->Txt_NetAPayer.Text(),
            "    86,67/    834,20/    673,91/    669,89");
  w = OpenWith("8:MAL 9:83420 11:626 12:83420 14:10678 21:66989");
  EXPECT_EQ(w->Txt_MontantBrut.Text() + "/" + w->Txt_NetAPayer.Text(), "      0,00/");
  EXPECT_EQ(v_.Enr_DetailCalcul(10, 1) + v_.Enr_DetailCalcul(13, 1) + v_.Enr_DetailCalcul(6),
            "000");
  const dba::DynArray stored(testsupport::Stored(*archive_, "DETAILCALCUL", kDetailKey));
  EXPECT_EQ(stored(10, 1) + stored(6), "");
}

// Any failed read, not only a missing record, leaves the window empty: the detail an
// earlier opening left in the shared state never shows.
TEST_F(DetailWindowTest, AMissingOrUnreadableDetailLeavesTheWindowEmpty) {
  for (const bool earlierOpening : {false, true}) {
    SCOPED_TRACE(earlierOpening ? "read fails after an earlier opening" : "no detail record");
    if (earlierOpening) {
      OpenWith("2:SB 3:8667 5:75836 6:8667 21:66989");
      FailReads({kDetailKey});
    }
    auto w = Open();
    EXPECT_EQ(Rows(*w) + w->Txt_BaseBrut.Text() + w->Txt_NetAPayer.Text(), "");
    EXPECT_FALSE(w->Bdv_Rub.Visible());
    EXPECT_EQ(desktop_.MousePointer(), ui::kDefaultPointer);
    EXPECT_TRUE(desktop_.Messages().empty());
    w->Bdv_Rub.SetValue(5);  // the bar never selects a row an empty list lacks
    EXPECT_EQ(w->Lst_CodeRub.ListIndex(), -1);
  }
}

// Twenty rows fit the lists; one more needs the bar, which moves with every list.
TEST_F(DetailWindowTest, TheBarShowsBeyondTwentyRowsAndMovesEveryListTogether) {
  for (int rows : {20, 21}) {
    auto w = OpenRows(rows);
    EXPECT_EQ(w->Bdv_Rub.Visible(), rows > 20) << rows;
    EXPECT_EQ(w->Bdv_Rub.Max(), rows - 1) << rows;
    ExpectSelected(*w, -1);
  }
  auto w = OpenRows(30);
  w->Bdv_Rub.UserDrag(12);
  ExpectSelected(*w, 12);
}

TEST_F(DetailWindowTest, TheBoxesRefuseKeys) {
  auto w = Open();
  w->Txt_NomAidant.SetText("DUPONT Marie");
  w->Txt_NomAidant.UserType("X");
  EXPECT_EQ(w->Txt_NomAidant.Text(), "DUPONT Marie");
}

// A failure in the middle of a row loses that row and the ones after it, never the
// columns' alignment; the totals and the bar still follow.
TEST_F(DetailWindowTest, AnErrorInTheMiddleOfARowRemovesThatRowFromEveryList) {
  for (const bool unreadableItem : {true, false}) {
    SCOPED_TRACE(unreadableItem ? "item record unreadable" : "base that is no number");
    FailReads(unreadableItem ? std::vector<std::string>{"VDP"} : std::vector<std::string>{});
    auto w = OpenWith(std::string("2:SB 5:75836 8:VPL|VDP|MAL 9:83420|") +
                      (unreadableItem ? "83420" : "8x420") +
                      "|83420 11:5464|83|626 17:TRA 20:1500 21:66989 15:67391");
    EXPECT_EQ(Rows(*w),
              "SB/Salaire de base/ / /    758,36/ / / /1\n"
              "VPL/Vieillesse plafonnée/    834,20//     54,64/ / / /2\n");
    EXPECT_EQ(w->Txt_NetAPayer.Text(), "    669,89");
    EXPECT_EQ(w->Bdv_Rub.Max(), 1);
    EXPECT_TRUE(desktop_.Errors().empty());
  }
}

}  // namespace
}  // namespace detailtest
