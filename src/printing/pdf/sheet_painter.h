#pragma once
// Draws sheets (printing/sheet.h) into a PDF, one PDF page per sheet, A4, written to a
// device as each page is finished: memory stays the same whatever the number of pages.

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <map>
#include <tuple>

#include "printing/sheet.h"

class QIODevice;

namespace printing::pdf {

class PdfSheetWriter {
 public:
  // Starts a PDF document on `device` (open for writing; must outlive the writer).
  PdfSheetWriter(QIODevice& device, const QString& title);
  ~PdfSheetWriter();
  PdfSheetWriter(const PdfSheetWriter&) = delete;
  PdfSheetWriter& operator=(const PdfSheetWriter&) = delete;

  // Draws `sheet` on a new page.
  void Add(const SheetPage& sheet);
  // Ends the document. Returns false when the PDF could not be completed.
  bool Finish();
  int Pages() const { return pages_; }

 private:
  struct FaceEntry {
    QFont font;
    QFontMetricsF metrics;
  };
  const FaceEntry& FaceFor(const SheetText& text);
  void Draw(const SheetText& text);

  QPdfWriter writer_;
  QPainter painter_;
  std::map<std::tuple<int, double, bool>, FaceEntry> faces_;
  int pages_ = 0;
};

}  // namespace printing::pdf
