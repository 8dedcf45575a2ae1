#include "printing/pdf/print_desk.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSettings>
#include <QUrl>
#include <QVBoxLayout>

#include "printing/pdf/sheet_painter.h"

namespace printing::pdf {
namespace {

// One group per user: a clerk's choice is not another's, even on a shared account.
QString Group(const std::string& user) {
  return "impression/" + QString::fromStdString(user.empty() ? "-" : user);
}

QSettings Store() { return QSettings("Vantelor", "impression"); }

std::optional<PrintChoice> Remembered(const std::string& user) {
  QSettings s = Store();
  s.beginGroup(Group(user));
  if (!s.contains("destination")) return std::nullopt;
  PrintChoice c;
  c.destination = s.value("destination").toString().toStdString();
  c.copies = s.value("copies", 1).toInt();
  c.folder = s.value("folder").toString().toStdString();
  return c;
}

void Remember(const std::string& user, const PrintChoice& c) {
  QSettings s = Store();
  s.beginGroup(Group(user));
  s.setValue("destination", QString::fromStdString(c.destination));
  s.setValue("copies", c.copies);
  if (c.IsPdf()) s.setValue("folder", QString::fromStdString(c.folder));
}

}  // namespace

QWidget* ShowPreview(const DrawSheets& draw, const std::string& title, QWidget* parent) {
  auto* dialog = new QDialog(parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QString::fromStdString("Aperçu : " + title));
  auto* printer = new QPrinter(QPrinter::HighResolution);
  QObject::connect(dialog, &QObject::destroyed, [printer] { delete printer; });
  PrepareForSheets(*printer, QString::fromStdString(title));
  auto* preview = new QPrintPreviewWidget(printer, dialog);
  preview->setObjectName("Apercu");
  auto* pages = new QLabel(dialog);
  QObject::connect(
      preview, &QPrintPreviewWidget::paintRequested, [draw, title, pages](QPrinter* p) {
        PrepareForSheets(*p, QString::fromStdString(title));
        SheetPainter painter(*p);
        draw(painter);
        painter.Finish();
        pages->setText(painter.Pages() == 1 ? QString("1 page")
                                            : QString("%1 pages").arg(painter.Pages()));
      });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(preview);
  layout->addWidget(pages);
  layout->addWidget(buttons);
  preview->fitToWidth();
  dialog->resize(700, 900);
  dialog->show();
  return dialog;
}

PrintDesk QtPrintDesk() {
  PrintDesk desk;
  desk.printers = KnownPrinters;
  desk.chooseFolder = [](const std::string& current) -> std::optional<std::string> {
    const QString folder =
        QFileDialog::getExistingDirectory(QApplication::activeModalWidget(),
                                          "Dossier des bulletins", QString::fromStdString(current));
    if (folder.isEmpty()) return std::nullopt;
    return folder.toStdString();
  };
  desk.preview = [](const DrawSheets& draw, const std::string& title) {
    ShowPreview(draw, title, QApplication::activeModalWidget());
  };
  desk.open = [](const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
  };
  desk.remembered = Remembered;
  desk.remember = Remember;
  return desk;
}

}  // namespace printing::pdf
