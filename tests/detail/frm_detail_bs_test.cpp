// The calculation detail window as the viewer opens it: loaded, Init, then used.

#include "detail/frm_detail_bs.h"

#include <array>
#include <map>

#include "detail_fixture.h"

namespace detailtest {
namespace {

using vantelor::Frm_DetailBS;
using Row = std::array<std::string, 9>;

const std::string kPayslip = "0001200120030300101";
const std::string kDetailKey = "00012001200303";

// A DETAILCALCUL record from the attributes it holds ('|' between values).
Lines Detail(const std::map<int, std::string>& attributes) {
  Lines lines(21);
  for (const auto& [attribute, values] : attributes) lines[attribute - 1] = values;
  return lines;
}

class DetailWindowTest : public ArchiveTest {
 protected:
  DetailWindowTest() {
    Write("RUBSAISIE", "SB", {"Salaire de base", "", "", "1"});
    Write("RUBSAISIE", "CP", {"Indemnité congés payés", "", "", "1"});
    Write("RUBSAISIE", "TRA", {"Indemnité de transport", "", "", "3"});
    Write("RUBCHARGE", "MAL", {"Maladie"});
    Write("RUBCHARGE", "VPL", {"Vieillesse plafonnée"});
    Write("RUBCHARGE", "VDP", {"Vieillesse déplafonnée"});
    Show(kPayslip, testsupport::PayslipRecord({"Salaire de base|8667||||75836|"}));
  }

  // Loads the window and runs Init as the viewer does, under the hourglass.
  std::unique_ptr<Frm_DetailBS> Open() {
    auto window = std::make_unique<Frm_DetailBS>(v_);
    window->Load();
    desktop_.SetMousePointer(ui::kHourglass);
    window->Init();
    return window;
  }
  // `rows` contributions, alternately VPL and MAL, each with both amounts.
  std::unique_ptr<Frm_DetailBS> OpenRows(int rows) {
    std::string codes, amounts;
    for (int i = 0; i < rows; ++i) {
      codes += (i ? "|" : "") + std::string(i % 2 ? "MAL" : "VPL");
      amounts += (i ? "|" : "") + std::to_string(100 + i);
    }
    return OpenWith({{8, codes}, {11, amounts}, {14, amounts}});
  }
  std::unique_ptr<Frm_DetailBS> OpenWith(const std::map<int, std::string>& attributes) {
    Write("DETAILCALCUL", kDetailKey, Detail(attributes));
    return Open();
  }

  static std::array<ui::ListBox*, 9> Lists(Frm_DetailBS& w) {
    return {&w.Lst_CodeRub, &w.Lst_LibRub,  &w.Lst_BaseSal,    &w.Lst_TauxSal, &w.Lst_MontantSal,
            &w.Lst_BasePat, &w.Lst_TauxPat, &w.Lst_MontantPat, &w.Lst_RubAuto};
  }
  static Row RowAt(Frm_DetailBS& w, int index) {
    Row row;
    const auto lists = Lists(w);
    for (std::size_t c = 0; c < lists.size(); ++c) row[c] = lists[c]->List(index);
    return row;
  }
  // Every list holds `rows` entries.
  static void ExpectRowCount(Frm_DetailBS& w, int rows) {
    for (ui::ListBox* list : Lists(w)) EXPECT_EQ(list->ListCount(), rows) << list->Name();
  }
  // The eight visible lists select `index` and the bar stands on it.
  static void ExpectSelected(Frm_DetailBS& w, int index) {
    for (ui::ListBox* list : Lists(w)) {
      if (list == &w.Lst_RubAuto) continue;
      EXPECT_EQ(list->ListIndex(), index) << list->Name();
    }
    EXPECT_EQ(w.Bdv_Rub.Value(), std::max(index, 0));
  }
};

// One pay item per case: the entries of its row, blanks included.
struct RowCase {
  const char* what;
  std::map<int, std::string> detail;
  Row expected;
};

TEST_F(DetailWindowTest, EachGroupFillsItsColumnsWithItsOwnBlanks) {
  const RowCase cases[] = {
      {"entered item with base and rate",
       {{2, "SB"}, {3, "8667"}, {4, "87500"}, {5, "75836"}},
       {"SB", "Salaire de base", "     86,67", "    8,7500", "    758,36", " ", " ", " ", "1"}},
      {"entered item, base without rate: blank",
       {{2, "SB"}, {3, "8667"}, {5, "75836"}},
       {"SB", "Salaire de base", "     86,67", " ", "    758,36", " ", " ", " ", "1"}},
      {"entered item, rate 0 is shown",
       {{2, "SB"}, {3, "8667"}, {4, "0"}, {5, "75836"}},
       {"SB", "Salaire de base", "     86,67", "    0,0000", "    758,36", " ", " ", " ", "1"}},
      {"entered item without base",
       {{2, "CP"}, {4, "100000"}, {5, "7584"}},
       {"CP", "Indemnité congés payés", " ", " ", "     75,84", " ", " ", " ", "1"}},
      {"contribution, both rates 6850",
       {{8, "VPL"},
        {9, "83420"},
        {10, "6850"},
        {11, "5464"},
        {12, "83420"},
        {13, "6850"},
        {14, "6840"}},
       {"VPL", "Vieillesse plafonnée", "    834,20", "    6,8500", "     54,64", "    834,20",
        "    6,850", "     68,40", "2"}},
      {"contribution, empty and zero rates beside a base",
       {{8, "MAL"}, {9, "83420"}, {11, "-626"}, {12, "83420"}, {13, "0"}, {14, "10678"}},
       {"MAL", "Maladie", "    834,20", "", "     -6,26", "    834,20", "", "    106,78", "2"}},
      {"contribution, employer side only",
       {{8, "MAL"}, {12, "83420"}, {13, "5400"}, {14, "4505"}},
       {"MAL", "Maladie", " ", " ", " ", "    834,20", "    5,400", "     45,05", "2"}},
      {"contribution, employee side only",
       {{8, "VDP"}, {9, "79249"}, {10, "5100"}, {11, "4042"}},
       {"VDP", "Vieillesse déplafonnée", "    792,49", "    5,1000", "     40,42", " ", " ", " ",
        "2"}},
      {"entered item after contributions, base 0 means none",
       {{17, "TRA"}, {18, "0"}, {19, "1250"}, {20, "1500"}},
       {"TRA", "Indemnité de transport", " ", " ", "     15,00", " ", " ", " ", "3"}},
      {"entered item after contributions, empty rate",
       {{17, "TRA"}, {18, "2000"}, {20, "1500"}},
       {"TRA", "Indemnité de transport", "     20,00", "", "     15,00", " ", " ", " ", "3"}},
      {"entered item after contributions, rate",
       {{17, "TRA"}, {18, "2000"}, {19, "1250"}, {20, "1500"}},
       {"TRA", "Indemnité de transport", "     20,00", "    0,1250", "     15,00", " ", " ", " ",
        "3"}},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.what);
    auto w = OpenWith(c.detail);
    ExpectRowCount(*w, 1);
    EXPECT_EQ(RowAt(*w, 0), c.expected);
  }
}

TEST_F(DetailWindowTest, RowsComeInGroupOrderAndAnEmptyGroupAddsNone) {
  auto w = OpenWith(
      {{2, "SB|CP"}, {3, "8667|"}, {5, "75836|7584"}, {17, "TRA"}, {18, ""}, {20, "1500"}});
  ExpectRowCount(*w, 3);
  EXPECT_EQ(w->Lst_CodeRub.Items(), (std::vector<std::string>{"SB", "CP", "TRA"}));
  EXPECT_EQ(w->Lst_RubAuto.Items(), (std::vector<std::string>{"1", "1", "3"}));
}

TEST_F(DetailWindowTest, EmptyRatesBecomeZeroInMemoryOnly) {
  OpenWith({{8, "MAL"}, {9, "83420"}, {11, "626"}, {12, "83420"}, {14, "10678"}, {6, ""}});
  EXPECT_EQ(v_.Enr_DetailCalcul(10, 1), "0");
  EXPECT_EQ(v_.Enr_DetailCalcul(13, 1), "0");
  EXPECT_EQ(v_.Enr_DetailCalcul(6), "0");
  const dba::Record stored = archive_->OpenFile("DETAILCALCUL")->ReadRecord(kDetailKey);
  EXPECT_EQ(stored(10, 1), "");
  EXPECT_EQ(stored(6), "");
}

TEST_F(DetailWindowTest, TotalsShowEvenWithoutRows) {
  auto w = OpenWith({{6, "8667"}, {7, "83420"}, {15, "67391"}, {21, "66989"}});
  ExpectRowCount(*w, 0);
  EXPECT_EQ(w->Txt_BaseBrut.Text(), "    86,67");
  EXPECT_EQ(w->Txt_MontantBrut.Text(), "    834,20");
  EXPECT_EQ(w->Txt_NetFiscal.Text(), "    673,91");
  EXPECT_EQ(w->Txt_NetAPayer.Text(), "    669,89");
}

TEST_F(DetailWindowTest, EmptyGrossFiguresShowZeroAndAnEmptyNetTaxableEndsTheTotals) {
  auto w = OpenWith({{21, "66989"}});
  EXPECT_EQ(w->Txt_BaseBrut.Text(), "     0,00");
  EXPECT_EQ(w->Txt_MontantBrut.Text(), "      0,00");
  EXPECT_EQ(w->Txt_NetFiscal.Text(), "");
  EXPECT_EQ(w->Txt_NetAPayer.Text(), "");
}

TEST_F(DetailWindowTest, MissingDetailRecordLeavesAnEmptyWindowWithItsHeader) {
  auto w = std::make_unique<Frm_DetailBS>(v_);
  w->Load();
  w->Txt_CodAidant.SetText("00012");
  desktop_.SetMousePointer(ui::kHourglass);
  w->Init();
  ExpectRowCount(*w, 0);
  EXPECT_EQ(w->Txt_NetAPayer.Text(), "");
  EXPECT_EQ(w->Txt_CodAidant.Text(), "00012");
  EXPECT_FALSE(w->Bdv_Rub.Visible());
  EXPECT_EQ(desktop_.MousePointer(), ui::kDefaultPointer);
  EXPECT_TRUE(desktop_.Messages().empty());
  // The bar's value is never below the count of an empty list: nothing is selected.
  w->Bdv_Rub.SetValue(5);
  EXPECT_EQ(w->Lst_CodeRub.ListIndex(), -1);
}

TEST_F(DetailWindowTest, AFailedReadNeverShowsTheDetailOfAnEarlierOpening) {
  OpenWith({{2, "SB"}, {3, "8667"}, {5, "75836"}});
  failing_->FailRead("DETAILCALCUL", kDetailKey);
  auto w = Open();
  ExpectRowCount(*w, 0);
  EXPECT_EQ(w->Txt_BaseBrut.Text(), "");
}

// Twenty rows fit the lists; one more needs the bar.
TEST_F(DetailWindowTest, TheBarShowsOnlyBeyondTwentyRows) {
  for (int rows : {1, 20, 21, 35}) {
    SCOPED_TRACE(rows);
    auto w = OpenRows(rows);
    ExpectRowCount(*w, rows);
    EXPECT_EQ(w->Bdv_Rub.Visible(), rows > 20);
    EXPECT_EQ(w->Bdv_Rub.Max(), rows - 1);
    EXPECT_EQ(w->Bdv_Rub.Value(), 0);
    EXPECT_EQ(w->Lst_CodeRub.ListIndex(), -1);
  }
}

TEST_F(DetailWindowTest, ClickingARowInAnyListSelectsItEverywhereAndMovesTheBar) {
  auto w = OpenRows(30);
  const auto lists = Lists(*w);
  for (std::size_t c = 0; c < 8; ++c) {
    const int row = static_cast<int>(3 * c + 2);
    SCOPED_TRACE(lists[c]->Name());
    lists[c]->UserClick(row);
    ExpectSelected(*w, row);
    EXPECT_EQ(w->Lst_MontantPat.TopIndex(), w->Lst_CodeRub.TopIndex());
  }
}

TEST_F(DetailWindowTest, TheFirstDownArrowSelectsTheSecondRow) {
  auto w = OpenRows(25);
  ExpectSelected(*w, -1);
  w->Bdv_Rub.UserArrow(true);
  ExpectSelected(*w, 1);
  w->Bdv_Rub.UserArrow(false);
  ExpectSelected(*w, 0);
  w->Bdv_Rub.UserDrag(22);
  ExpectSelected(*w, 22);
  EXPECT_EQ(w->Lst_LibRub.TopIndex(), 3);
}

TEST_F(DetailWindowTest, OnlyRetourClosesTheWindow) {
  auto w = Open();
  EXPECT_FALSE(w->UserClose());
  EXPECT_TRUE(w->Loaded());
  w->Cmd_Retour.UserClick();
  EXPECT_FALSE(w->Loaded());
  EXPECT_TRUE(w->W_Fermeture);
}

// A failure in the middle of a row loses that row and the ones after it, never the
// columns' alignment; the totals and the bar still follow.
TEST_F(DetailWindowTest, AnErrorInTheMiddleOfARowRemovesThatRowFromEveryList) {
  struct Case {
    const char* what;
    std::string baseOfSecond;
    bool failItemRead;
  };
  for (const Case& c : {Case{"item record unreadable", "83420", true},
                        Case{"base that is no number", "8x420", false}}) {
    SCOPED_TRACE(c.what);
    failing_ = std::make_shared<FailingDatabase>(archive_);
    v_.TheDatabase = failing_;
    if (c.failItemRead) failing_->FailRead("RUBCHARGE", "VDP");
    auto w = OpenWith({{2, "SB"},
                       {5, "75836"},
                       {8, "VPL|VDP|MAL"},
                       {9, "83420|" + c.baseOfSecond + "|83420"},
                       {11, "5464|83|626"},
                       {17, "TRA"},
                       {20, "1500"},
                       {21, "66989"},
                       {15, "67391"}});
    ExpectRowCount(*w, 2);
    EXPECT_EQ(w->Lst_CodeRub.Items(), (std::vector<std::string>{"SB", "VPL"}));
    EXPECT_EQ(w->Txt_NetAPayer.Text(), "    669,89");
    EXPECT_EQ(w->Bdv_Rub.Max(), 1);
    w->Lst_MontantPat.UserClick(1);
    ExpectSelected(*w, 1);
    EXPECT_TRUE(desktop_.Errors().empty());
  }
}

TEST_F(DetailWindowTest, AFileThatCannotBeOpenedGoesBackToTheCaller) {
  failing_->FailOpen("RUBCHARGE");
  Frm_DetailBS w(v_);
  w.Load();
  try {
    w.Init();
    FAIL() << "Init went on without RUBCHARGE";
  } catch (const dba::Error& e) {
    EXPECT_EQ(e.code(), dba::kFileNotFound);
  }
}

// The eight lists stand side by side, same top and height, each covering its left
// neighbour's own scroll bar; the bar stands over the last list's right edge.
TEST_F(DetailWindowTest, ListsOverlapTheirNeighbourAndShowTwentyRows) {
  Frm_DetailBS w(v_);
  const auto lists = Lists(w);
  for (std::size_t c = 0; c < 8; ++c) {
    EXPECT_EQ(lists[c]->VisibleRows(), 20) << lists[c]->Name();
    EXPECT_EQ(lists[c]->Top(), w.Lst_CodeRub.Top());
    if (c == 0) continue;
    const ui::Control* left = lists[c - 1];
    const int rightEdge = left->Left() + left->Width();
    const ui::Control* mask = c == 2 ? &w.Txt_CacheLibRub : c == 5 ? &w.Txt_CacheMontSal : nullptr;
    const int coveredFrom = mask ? mask->Left() : lists[c]->Left();
    EXPECT_LT(coveredFrom, rightEdge) << lists[c]->Name();
    if (mask) {
      EXPECT_GE(mask->Left() + mask->Width(), lists[c]->Left());
    }
  }
  EXPECT_EQ(w.Bdv_Rub.Left() + w.Bdv_Rub.Width(),
            w.Lst_MontantPat.Left() + w.Lst_MontantPat.Width());
}

TEST_F(DetailWindowTest, TheBoxesAreReadOnly) {
  auto w = Open();
  w->Txt_NomAidant.SetText("DUPONT Marie");
  w->Txt_NomAidant.UserType("X");
  EXPECT_EQ(w->Txt_NomAidant.Text(), "DUPONT Marie");
}

}  // namespace
}  // namespace detailtest
