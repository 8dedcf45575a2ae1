#include "printing/payslip_sheet.h"

#include <algorithm>

namespace printing {
namespace {

// Geometry of the form, in twips. The seven body columns keep the viewer's order and
// proportions, widened to the sheet.
constexpr int kLeft = 953;
constexpr std::array<int, 7> kColumnWidth = {3400, 1200, 900, 1200, 900, 1200, 1200};
constexpr int kFormWidth = 10000;
constexpr int kPad = 60;
constexpr int kFrameTop = 1250, kFrameHeight = 1200, kFrameWidth = 4800, kFrameGap = 400;
constexpr int kConvTop = 2600, kConvHeight = 400;
constexpr int kTitlesTop = 3200, kGroupRule = 3450, kTitlesBottom = 3700;
constexpr int kBodyTop = 3760, kBodyBottom = 14200, kRowHeight = 210;
constexpr int kTotalsTop = 14300, kTotalsRule = 14590, kTotalsBottom = 14900;
constexpr int kNetTop = 15000, kNetHeight = 700, kNetWidth = 5800;

int ColumnLeft(int column) {
  int x = kLeft;
  for (int i = 0; i < column; ++i) x += kColumnWidth[i];
  return x;
}
int ColumnsRight(int last) { return ColumnLeft(last) + kColumnWidth[last]; }

// Adds texts and rulings to one sheet; captions and rulings only on plain paper.
class SheetBuilder {
 public:
  SheetBuilder(SheetPage& page, bool preprinted) : page_(page), preprinted_(preprinted) {}

  void Data(int x, int y, int width, std::string text, Align align = Align::kLeft,
            Face face = Face::kFixed, double points = 8.25, bool bold = false) {
    if (text.empty()) return;
    // A line of text is 1.35 times its size high; 20 twips to the point.
    const int height = static_cast<int>(points * 20 * 1.35);
    page_.texts.push_back({x, y, width, height, align, face, points, bold, std::move(text)});
  }
  void Caption(int x, int y, int width, std::string text, Align align = Align::kCenter,
               Face face = Face::kSans, double points = 8.25, bool bold = false) {
    if (!preprinted_) Data(x, y, width, std::move(text), align, face, points, bold);
  }
  void Rule(int x1, int y1, int x2, int y2) {
    if (!preprinted_) page_.rules.push_back({x1, y1, x2, y2});
  }
  void Box(int x, int y, int width, int height) {
    Rule(x, y, x + width, y);
    Rule(x, y + height, x + width, y + height);
    Rule(x, y, x, y + height);
    Rule(x + width, y, x + width, y + height);
  }

 private:
  SheetPage& page_;
  bool preprinted_;
};

void PlaceHeader(SheetBuilder& b, const PayslipContent& c) {
  b.Data(kLeft, 600, kFormWidth, c.entete1, Align::kLeft, Face::kFixed, 10, true);
  b.Data(kLeft, 900, kFormWidth, c.entete2);
  const int second = kLeft + kFrameWidth + kFrameGap;
  b.Box(kLeft, kFrameTop, kFrameWidth, kFrameHeight);
  b.Box(second, kFrameTop, kFrameWidth, kFrameHeight);
  for (int i = 0; i < 4; ++i) {
    const int y = kFrameTop + 150 + i * 240;
    b.Data(kLeft + 150, y, kFrameWidth - 300, c.employeur[i]);
    b.Data(second + 150, y, kFrameWidth - 300, c.aidant[i]);
  }
  b.Box(kLeft, kConvTop, kFormWidth, kConvHeight);
  b.Data(kLeft + 150, kConvTop + 90, kFormWidth - 300, c.convention);
}

void PlaceColumnTitles(SheetBuilder& b) {
  static const std::array<const char*, 7> kTitles = {"Rubrique", "BASE",    "TAUX",     "MONTANT",
                                                     "TAUX",     "A PAYER", "A DEDUIRE"};
  b.Caption(ColumnLeft(2), kTitlesTop + 20, ColumnsRight(3) - ColumnLeft(2), "EMPLOYEUR");
  b.Caption(ColumnLeft(4), kTitlesTop + 20, ColumnsRight(6) - ColumnLeft(4), "SALARIE");
  for (int i = 0; i < 7; ++i) {
    b.Caption(ColumnLeft(i), kGroupRule + 20, kColumnWidth[i], kTitles[i]);
  }
  b.Box(kLeft, kTitlesTop, kFormWidth, kBodyBottom - kTitlesTop);
  b.Rule(ColumnLeft(2), kGroupRule, kLeft + kFormWidth, kGroupRule);
  b.Rule(kLeft, kTitlesBottom, kLeft + kFormWidth, kTitlesBottom);
  for (int i = 1; i < 7; ++i) {
    // Inside a column group the separation starts under the group's title.
    const int top = (i == 3 || i == 5 || i == 6) ? kGroupRule : kTitlesTop;
    b.Rule(ColumnLeft(i), top, ColumnLeft(i), kBodyBottom);
  }
}

void PlaceRows(SheetBuilder& b, const PayslipContent& c, std::size_t first, std::size_t end) {
  for (std::size_t r = first; r < end; ++r) {
    const int y = kBodyTop + static_cast<int>(r - first) * kRowHeight;
    const dba::BodyRow& row = c.lignes[r];
    const bool bold = row.style == dba::RowStyle::kBold;
    b.Data(ColumnLeft(0) + kPad, y, kColumnWidth[0] - 2 * kPad, row.columns[0], Align::kLeft,
           Face::kFixed, 8.25, bold);
    for (int i = 1; i < 7; ++i) {
      b.Data(ColumnLeft(i) + kPad, y, kColumnWidth[i] - 2 * kPad, row.columns[i], Align::kRight,
             Face::kFixed, 8.25, bold);
    }
  }
}

void PlaceTotals(SheetBuilder& b, const dba::PayslipFooter& f) {
  const int right = kLeft + kFormWidth;
  const int captionY = kTotalsTop + 40, valueY = kTotalsRule + 40;
  auto value = [&](int column, const std::string& text) {
    b.Data(ColumnLeft(column) + kPad, valueY, kColumnWidth[column] - 2 * kPad, text, Align::kRight);
  };
  b.Box(ColumnLeft(2), kTotalsTop, right - ColumnLeft(2), kTotalsBottom - kTotalsTop);
  b.Rule(ColumnLeft(2), kTotalsRule, right, kTotalsRule);
  if (f.gainsLayout) {
    b.Caption(ColumnLeft(2), captionY, ColumnsRight(4) - ColumnLeft(2), f.employerCaption,
              Align::kCenter, Face::kFixed);
    b.Caption(ColumnLeft(5), captionY, kColumnWidth[5], std::string(dba::kCaptionGains),
              Align::kCenter, Face::kFixed);
    b.Caption(ColumnLeft(6), captionY, kColumnWidth[6], std::string(dba::kCaptionRetenues),
              Align::kCenter, Face::kFixed);
    b.Rule(ColumnLeft(5), kTotalsTop, ColumnLeft(5), kTotalsBottom);
    b.Rule(ColumnLeft(6), kTotalsTop, ColumnLeft(6), kTotalsBottom);
    value(5, f.gains);
    value(6, f.deductions);
  } else {
    b.Caption(ColumnLeft(2), captionY, right - ColumnLeft(2), f.employerCaption, Align::kCenter,
              Face::kFixed);
  }
  value(3, f.employerTotal);
}

void PlaceNet(SheetBuilder& b, const dba::PayslipFooter& f) {
  b.Box(kLeft, kNetTop, kNetWidth, kNetHeight);
  b.Caption(kLeft + 150, kNetTop + 170, 2600, "NET A PAYER :", Align::kLeft, Face::kFixed, 15.75,
            true);
  const int amountX = kLeft + 2900, nameX = amountX + 1700;
  b.Data(amountX, kNetTop + 90, 1600, f.net, Align::kRight, Face::kFixed, 10, true);
  b.Data(nameX, kNetTop + 90, 1000, f.currencies.first, Align::kLeft, Face::kSans, 10);
  b.Data(amountX, kNetTop + 390, 1600, f.secondNet, Align::kRight, Face::kFixed, 10);
  b.Data(nameX, kNetTop + 390, 1000, f.currencies.second, Align::kLeft, Face::kSans, 10);
}

}  // namespace

int RowsPerSheet() { return (kBodyBottom - kBodyTop) / kRowHeight; }

std::vector<SheetPage> LayoutPayslip(const PayslipContent& content, bool preprinted) {
  const std::size_t perSheet = RowsPerSheet();
  const std::size_t rows = content.lignes.size();
  const std::size_t sheets = std::max<std::size_t>(1, (rows + perSheet - 1) / perSheet);
  std::vector<SheetPage> pages(sheets);
  for (std::size_t s = 0; s < sheets; ++s) {
    SheetBuilder b(pages[s], preprinted);
    PlaceHeader(b, content);
    PlaceColumnTitles(b);
    PlaceRows(b, content, s * perSheet, std::min(rows, (s + 1) * perSheet));
    if (s + 1 == sheets) {
      PlaceTotals(b, content.pied);
      PlaceNet(b, content.pied);
    }
    if (sheets > 1) {
      b.Data(kLeft, 16100, kFormWidth,
             "Page " + std::to_string(s + 1) + "/" + std::to_string(sheets), Align::kRight);
    }
  }
  return pages;
}

SheetPage LayoutProblem(const std::string& key, const std::string& reason) {
  SheetPage page;
  SheetBuilder b(page, false);
  b.Data(kLeft, 1500, kFormWidth, "BULLETIN NON IMPRIMÉ", Align::kCenter, Face::kSans, 16, true);
  b.Data(kLeft, 2400, kFormWidth, "Clé du bulletin : " + key, Align::kCenter, Face::kFixed, 10);
  b.Data(kLeft, 2900, kFormWidth, reason, Align::kCenter, Face::kSans, 10);
  return page;
}

}  // namespace printing
