// A request's sheets to a CUPS printer, through Qt's printing support.
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

#include "printing/pdf/cups_job.h"
#include "printing/pdf/destinations.h"
#include "printing/pdf/sheet_painter.h"
#include "printing/print_control.h"

namespace printing::pdf {

std::vector<std::string> KnownPrinters() {
  const QString preferred = QPrinterInfo::defaultPrinterName();
  QStringList names = QPrinterInfo::availablePrinterNames();
  names.sort();
  std::vector<std::string> printers;
  if (names.contains(preferred)) printers.push_back(preferred.toStdString());
  for (const QString& name : names) {
    if (name != preferred) printers.push_back(name.toStdString());
  }
  return printers;
}

std::string PrinterNamed(const std::string& name) {
  return name == "default" ? QPrinterInfo::defaultPrinterName().toStdString() : name;
}

Delivered PrintSheets(const std::string& name, int copies, const QString& title,
                      const DrawSheets& draw) {
  const std::string printerName = PrinterNamed(name);
  const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(printerName));
  if (printerName.empty() || info.isNull()) {
    throw PrintFailure("L'imprimante " + (name == "default" ? std::string("par défaut") : name) +
                       " est inconnue de ce poste (ou le service d'impression ne répond pas) : "
                       "rien n'a été imprimé.");
  }
  if (info.state() == QPrinter::Error) {
    throw PrintFailure("L'imprimante " + printerName +
                       " est arrêtée : rien n'a été imprimé. Remettez-la en marche ou "
                       "choisissez une autre destination.");
  }
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::NativeFormat);
  printer.setCopyCount(std::max(1, copies));
  PrepareForSheets(printer, title);
  Delivered done;
  SheetPainter painter(printer);
  done.run = draw(painter);
  done.pages = painter.Pages();
  if (done.run.cancelled) {
    printer.abort();
    return done;
  }
  if (!painter.Finish() || printer.printerState() == QPrinter::Error) {
    throw PrintFailure("L'impression sur " + printerName + " n'a pas pu être préparée.");
  }
  if (const std::string refusal = LastJobRefusal(); !refusal.empty()) {
    throw PrintFailure("L'imprimante " + printerName + " n'a pas pris les bulletins : " + refusal +
                       ".");
  }
  return done;
}

}  // namespace printing::pdf
