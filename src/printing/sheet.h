#pragma once
// A printed page as data: texts and rulings placed in twips on an A4 sheet
// (11906 x 16838 twips, origin at the top left). The payslip layout (payslip_sheet.h)
// builds these; a painter (the PDF control) draws them, and tests read them without any
// drawing library.

#include <string>
#include <vector>

namespace printing {

inline constexpr int kSheetWidth = 11906;
inline constexpr int kSheetHeight = 16838;

enum class Align { kLeft, kRight, kCenter };

// The two faces of the form: fixed pitch for data that lines up by blanks, sans serif
// for titles.
enum class Face { kFixed, kSans };

struct SheetText {
  int x = 0, y = 0;  // top left of the text's box
  int width = 0;     // the box; a longer text is narrowed to fit, never cut
  int height = 0;
  Align align = Align::kLeft;
  Face face = Face::kFixed;
  double points = 8.25;
  bool bold = false;
  std::string text;
};

struct SheetRule {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct SheetPage {
  std::vector<SheetText> texts;
  std::vector<SheetRule> rules;
};

// Where sheets go, one after the other: a painter, a page counter.
class SheetSink {
 public:
  virtual ~SheetSink() = default;
  virtual void Add(const SheetPage& sheet) = 0;
};

// Counts the sheets it is given and draws nothing.
class SheetCounter final : public SheetSink {
 public:
  void Add(const SheetPage&) override { ++pages_; }
  int Pages() const { return pages_; }

 private:
  int pages_ = 0;
};

}  // namespace printing
