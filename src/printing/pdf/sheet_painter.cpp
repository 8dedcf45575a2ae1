#include "printing/pdf/sheet_painter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

namespace printing::pdf {
namespace {

// At 1440 dots per inch one device unit is one twip, the unit of the sheets.
constexpr int kTwipsPerInch = 1440;

Qt::Alignment AlignmentOf(Align align) {
  switch (align) {
    case Align::kRight:
      return Qt::AlignRight | Qt::AlignTop;
    case Align::kCenter:
      return Qt::AlignHCenter | Qt::AlignTop;
    case Align::kLeft:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

QPageLayout A4WithoutMargins() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

}  // namespace

void PrepareForSheets(QPdfWriter& writer, const QString& title) {
  writer.setResolution(kTwipsPerInch);
  writer.setPageLayout(A4WithoutMargins());
  writer.setTitle(title);
  writer.setCreator("Vantelor");
}

void PrepareForSheets(QPrinter& printer, const QString& title) {
  printer.setResolution(kTwipsPerInch);
  printer.setFullPage(true);  // the origin at the paper's corner, as on the PDF
  printer.setPageLayout(A4WithoutMargins());
  printer.setDocName(title);
  printer.setCreator("Vantelor");
}

SheetPainter::SheetPainter(QPagedPaintDevice& device) : device_(device) {}

SheetPainter::~SheetPainter() {
  if (painter_.isActive()) painter_.end();
}

const SheetPainter::FaceEntry& SheetPainter::FaceFor(const SheetText& text) {
  const auto key = std::make_tuple(static_cast<int>(text.face), text.points, text.bold);
  auto it = faces_.find(key);
  if (it == faces_.end()) {
    // The form's faces; fontconfig gives their metric-compatible equivalents.
    QFont font(text.face == Face::kFixed ? "Courier New" : "MS Sans Serif");
    font.setStyleHint(text.face == Face::kFixed ? QFont::TypeWriter : QFont::SansSerif);
    font.setPointSizeF(text.points);
    font.setBold(text.bold);
    it = faces_.emplace(key, FaceEntry{font, QFontMetricsF(font, &device_)}).first;
  }
  return it->second;
}

void SheetPainter::Draw(const SheetText& text) {
  const QString s = QString::fromStdString(text.text);
  const FaceEntry& face = FaceFor(text);
  painter_.setFont(face.font);
  const qreal advance = face.metrics.horizontalAdvance(s);
  if (advance <= text.width) {
    painter_.drawText(QRectF(text.x, text.y, text.width, text.height), AlignmentOf(text.align), s);
    return;
  }
  // Too long for its box: narrowed to fit rather than cut.
  painter_.save();
  painter_.translate(text.x, text.y);
  painter_.scale(text.width / advance, 1.0);
  painter_.drawText(QRectF(0, 0, advance, text.height), Qt::AlignLeft | Qt::AlignTop, s);
  painter_.restore();
}

void SheetPainter::Add(const SheetPage& sheet) {
  if (failed_) return;
  if (pages_ == 0) {
    if (!painter_.begin(&device_)) {
      failed_ = true;
      return;
    }
  } else if (!device_.newPage()) {
    failed_ = true;
    return;
  }
  ++pages_;
  painter_.setPen(QPen(Qt::black, 10));
  for (const SheetRule& r : sheet.rules) painter_.drawLine(r.x1, r.y1, r.x2, r.y2);
  for (const SheetText& t : sheet.texts) Draw(t);
}

bool SheetPainter::Finish() {
  if (failed_) return false;
  if (pages_ == 0) return true;
  return painter_.end();
}

}  // namespace printing::pdf
