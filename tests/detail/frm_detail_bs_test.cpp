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
  // `rows` contributions, alternately VPL and MAL, each with both amounts.
  std::unique_ptr<Frm_DetailBS> OpenRows(int rows) {
    std::string codes, amounts;
    for (int i = 0; i < rows; ++i) {
      codes += (i ? "|" : "") + std::string(i % 2 ? "MAL" : "VPL");
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

TEST_F(DetailWindowTest, EachGroupFillsItsColumnsWithItsOwnBlanks) {
  const struct {
    const char* detail;
    const char* rows;
  } cases[] = {
      {"2:SB 3:8667 4:87500 5:75836",
       "SB/Salaire de base/     86,67/    8,7500/    758,36/ / / /1\n"},
      {"2:SB 3:8667 5:75836", "SB/Salaire de base/     86,67/ /    758,36/ / / /1\n"},
      {"2:SB 3:8667 4:0 5:75836", "SB/Salaire de base/     86,67/    0,0000/    758,36/ / / /1\n"},
      {"2:CP 4:100000 5:7584", "CP/Indemnité congés payés/ / /     75,84/ / / /1\n"},
      {"8:VPL 9:83420 10:6850 11:5464 12:83420 13:6850 14:6840",
       "VPL/Vieillesse plafonnée/    834,20/    6,8500/     54,64/    834,20/    6,850/     "
       "68,40/2\n"},
      {"8:MAL 9:83420 11:-626 12:83420 13:0 14:10678",
       "MAL/Maladie/    834,20//     -6,26/    834,20//    106,78/2\n"},
      {"8:MAL 12:83420 13:5400 14:4505", "MAL/Maladie/ / / /    834,20/    5,400/     45,05/2\n"},
      {"17:TRA 18:0 19:1250 20:1500", "TRA/Indemnité de transport/ / /     15,00/ / / /3\n"},
      {"17:TRA 18:2000 20:1500", "TRA/Indemnité de transport/     20,00//     15,00/ / / /3\n"},
      {"17:TRA 18:2000 19:1250 20:1500",
       "TRA/Indemnité de transport/     20,00/    0,1250/     15,00/ / / /3\n"},
      // Groups in order; the empty contributions group adds no row.
      {"2:SB|CP 3:8667| 5:75836|7584 17:TRA 18: 20:1500",
       "SB/Salaire de base/     86,67/ /    758,36/ / / /1\n"
       "CP/Indemnité congés payés/ / /     75,84/ / / /1\n"
       "TRA/Indemnité de transport/ / /     15,00/ / / /3\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.detail);
    auto w = OpenWith(c.detail);
    EXPECT_EQ(Rows(*w), c.rows);
  }
}

TEST_F(DetailWindowTest, TotalsShowWithoutRowsAndAnEmptyNetTaxableEndsThem) {
  for (const auto& [detail, totals] :
       {std::pair{"6:8667 7:83420 15:67391 21:66989", "    86,67/    834,20/    673,91/    669,89"},
        std::pair{"21:66989", "     0,00/      0,00//"}}) {
    auto w = OpenWith(detail);
    EXPECT_EQ(Rows(*w), "") << detail;
    EXPECT_EQ(w->Txt_BaseBrut.Text() + "/" + w->Txt_MontantBrut.Text() + "/" +
                  w->Txt_NetFiscal.Text() + "/" + w->Txt_NetAPayer.Text(),
              totals)
        << detail;
  }
}

TEST_F(DetailWindowTest, EmptyRatesBecomeZeroInMemoryOnly) {
  OpenWith("8:MAL 9:83420 11:626 12:83420 14:10678 6:");
  EXPECT_EQ(v_.Enr_DetailCalcul(10, 1), "0");
  EXPECT_EQ(v_.Enr_DetailCalcul(13, 1), "0");
  EXPECT_EQ(v_.Enr_DetailCalcul(6), "0");
  const dba::Record stored = archive_->OpenFile("DETAILCALCUL")->ReadRecord(kDetailKey);
  EXPECT_EQ(stored(10, 1), "");
  EXPECT_EQ(stored(6), "");
}

// Any failed read, not only a missing record, leaves the window empty: the detail an
// earlier opening left in the shared state never shows.
TEST_F(DetailWindowTest, AMissingOrUnreadableDetailLeavesTheWindowEmpty) {
  for (const bool earlierOpening : {false, true}) {
    SCOPED_TRACE(earlierOpening ? "read fails after an earlier opening" : "no detail record");
    if (earlierOpening) {
      OpenWith("2:SB 3:8667 5:75836 6:8667 21:66989");
      FailRead("DETAILCALCUL", kDetailKey);
    }
    auto w = Open();
    EXPECT_EQ(Rows(*w), "");
    EXPECT_EQ(w->Txt_BaseBrut.Text() + w->Txt_NetAPayer.Text(), "");
    EXPECT_FALSE(w->Bdv_Rub.Visible());
    EXPECT_EQ(desktop_.MousePointer(), ui::kDefaultPointer);
    EXPECT_TRUE(desktop_.Messages().empty());
    w->Bdv_Rub.SetValue(5);  // the bar never selects a row an empty list lacks
    EXPECT_EQ(w->Lst_CodeRub.ListIndex(), -1);
  }
}

// Twenty rows fit the lists; one more needs the bar.
TEST_F(DetailWindowTest, TheBarShowsOnlyBeyondTwentyRows) {
  for (int rows : {1, 20, 21, 35}) {
    SCOPED_TRACE(rows);
    auto w = OpenRows(rows);
    EXPECT_EQ(w->Lst_MontantPat.ListCount(), rows);
    EXPECT_EQ(w->Lst_MontantPat.VisibleRows(), 20);
    EXPECT_EQ(w->Bdv_Rub.Visible(), rows > 20);
    EXPECT_EQ(w->Bdv_Rub.Max(), rows - 1);
    ExpectSelected(*w, -1);
  }
}

TEST_F(DetailWindowTest, AnyListOrTheBarMovesEveryListAndTheBarTogether) {
  auto w = OpenRows(30);
  const auto lists = Lists(*w);
  for (std::size_t c = 0; c < 8; ++c) {
    SCOPED_TRACE(lists[c]->Name());
    lists[c]->UserClick(static_cast<int>(3 * c + 2));
    ExpectSelected(*w, static_cast<int>(3 * c + 2));
    EXPECT_EQ(w->Lst_MontantPat.TopIndex(), w->Lst_CodeRub.TopIndex());
  }
  auto fresh = OpenRows(25);
  fresh->Bdv_Rub.UserArrow(true);  // from no selection, the first step lands on the second row
  ExpectSelected(*fresh, 1);
  fresh->Bdv_Rub.UserArrow(false);
  ExpectSelected(*fresh, 0);
  fresh->Bdv_Rub.UserDrag(22);
  ExpectSelected(*fresh, 22);
  EXPECT_EQ(fresh->Lst_LibRub.TopIndex(), 3);
}

TEST_F(DetailWindowTest, OnlyRetourClosesTheWindowAndTheBoxesRefuseKeys) {
  auto w = Open();
  w->Txt_NomAidant.SetText("DUPONT Marie");
  w->Txt_NomAidant.UserType("X");
  EXPECT_EQ(w->Txt_NomAidant.Text(), "DUPONT Marie");
  EXPECT_FALSE(w->UserClose());
  EXPECT_TRUE(w->Loaded());
  w->Cmd_Retour.UserClick();
  EXPECT_FALSE(w->Loaded());
  EXPECT_TRUE(w->W_Fermeture);
}

// A failure in the middle of a row loses that row and the ones after it, never the
// columns' alignment; the totals and the bar still follow.
TEST_F(DetailWindowTest, AnErrorInTheMiddleOfARowRemovesThatRowFromEveryList) {
  for (const bool unreadableItem : {true, false}) {
    SCOPED_TRACE(unreadableItem ? "item record unreadable" : "base that is no number");
    failReads_.clear();
    if (unreadableItem) FailRead("RUBCHARGE", "VDP");
    auto w = OpenWith(std::string("2:SB 5:75836 8:VPL|VDP|MAL 9:83420|") +
                      (unreadableItem ? "83420" : "8x420") +
                      "|83420 11:5464|83|626 17:TRA 20:1500 21:66989 15:67391");
    EXPECT_EQ(Rows(*w),
              "SB/Salaire de base/ / /    758,36/ / / /1\n"
              "VPL/Vieillesse plafonnée/    834,20//     54,64/ / / /2\n");
    EXPECT_EQ(w->Txt_NetAPayer.Text(), "    669,89");
    EXPECT_EQ(w->Bdv_Rub.Max(), 1);
    w->Lst_MontantPat.UserClick(1);
    ExpectSelected(*w, 1);
    EXPECT_TRUE(desktop_.Errors().empty());
  }
}

}  // namespace
}  // namespace detailtest
