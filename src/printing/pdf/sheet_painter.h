#pragma once
// Draws sheets (printing/sheet.h) on a paged device, one page per sheet, A4: a PDF
// writer, a printer, the print preview. Every device is prepared the same way (1440 dots
// per inch, so that one device unit is one twip; no margins), so that the preview shows
// the pages the printer gets. Pages are drawn as they come: memory stays the same
// whatever the number of pages.

#include <QFontMetricsF>
#include <QPainter>
#include <QString>

#include <map>
#include <tuple>

#include "printing/sheet.h"

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace printing::pdf {

// Prepares a device for sheets: A4 portrait, no margins, one unit a twip, the title.
void PrepareForSheets(QPdfWriter& writer, const QString& title);
void PrepareForSheets(QPrinter& printer, const QString& title);

class SheetPainter final : public SheetSink {
 public:
  // Draws on `device`, prepared by PrepareForSheets (it must outlive the painter).
  explicit SheetPainter(QPagedPaintDevice& device);
  ~SheetPainter() override;
  SheetPainter(const SheetPainter&) = delete;
  SheetPainter& operator=(const SheetPainter&) = delete;

  // Draws `sheet` on a new page. Returns silently when the device refused to start
  // (Finish then says so).
  void Add(const SheetPage& sheet) override;
  // Ends the document. Returns false when the device failed.
  bool Finish();
  int Pages() const { return pages_; }

 private:
  struct FaceEntry {
    QFont font;
    QFontMetricsF metrics;
  };
  const FaceEntry& FaceFor(const SheetText& text);
  void Draw(const SheetText& text);

  QPagedPaintDevice& device_;
  QPainter painter_;
  std::map<std::tuple<int, double, bool>, FaceEntry> faces_;
  int pages_ = 0;
  bool failed_ = false;
};

}  // namespace printing::pdf
