#include "printing/pdf/printer_queue.h"

#include <QProcess>

#include "data/error.h"
#include "printing/print_control.h"

namespace printing::pdf {

void SendToPrinter(const std::filesystem::path& pdf, const std::string& printer,
                   const std::string& title) {
  QStringList args;
  if (printer != "default") args << "-d" << QString::fromStdString(printer);
  args << "-t" << QString::fromStdString(title) << "--" << QString::fromStdString(pdf.string());
  QProcess lp;
  lp.start("lp", args);
  const std::string where = "the printer " + printer + " did not take " + pdf.string() + ": ";
  if (!lp.waitForStarted(10000)) {
    throw dba::Error(kPrintFailed, where + "lp cannot be run (" + lp.errorString().toStdString() +
                                       "); is cups-client installed?");
  }
  if (!lp.waitForFinished(60000)) {
    lp.kill();
    lp.waitForFinished(1000);
    throw dba::Error(kPrintFailed, where + "lp did not answer within a minute");
  }
  if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
    throw dba::Error(
        kPrintFailed,
        where + QString::fromLocal8Bit(lp.readAllStandardError()).trimmed().toStdString());
  }
}

}  // namespace printing::pdf
