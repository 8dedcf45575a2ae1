#include <gtest/gtest.h>

#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <set>

#include "qt_app.h"

namespace {

using WindowsTest = ui_test::QtGallery;

// Outside a script (a clerk's session) a modal window runs its own event loop.
TEST_F(WindowsTest, AModalFormRunsInANestedLoopUntilItUnloads) {
  bool seen_modal = false;
  QTimer::singleShot(0, [&] {
    ui::GalleryDialog* dialog = gallery.Dialog();
    seen_modal = QApplication::activeModalWidget() != nullptr && dialog->Loaded();
    dialog->Txt_Note.SetText("vu");
    QTest::mouseClick(ui::qt::WidgetFor(dialog->Cmd_Retour), Qt::LeftButton);
  });
  QTest::mouseClick(ui::qt::WidgetFor(gallery.Cmd_Fenetre), Qt::LeftButton);
  EXPECT_TRUE(seen_modal);
  EXPECT_EQ(gallery.Lbl_Etat.Caption(), "Note : vu");
  EXPECT_TRUE(ui::Form::ModalStack().empty());
}

TEST_F(WindowsTest, MessageBoxesHaveTheIconButtonsAndTitleOfTheirStyle) {
  struct Seen {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    int buttons = 0;
    QString yes;
  } seen;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = {box->icon(), box->windowTitle(), static_cast<int>(box->buttons().size()),
            box->button(QMessageBox::Yes)->text().remove('&')};
    QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
  });
  EXPECT_EQ(ui::desktop().MessageBox("Imprimer ?", ui::kQuestionYesNo, "Message KALVENOR"),
            ui::kAnswerNo);
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.title, "Message KALVENOR");
  EXPECT_EQ(seen.buttons, 2);
  EXPECT_EQ(seen.yes, "Oui");  // Qt's own texts in French
}

TEST_F(WindowsTest, AScreenshotIsAPictureOfTheWindowNotABlank) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("galerie.png").toStdString();
  ASSERT_TRUE(ui::qt::SaveScreenshot(gallery, path));
  const QImage image(QString::fromStdString(path));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(400, 300));
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 10u);  // text, frames, list rows: far more than a blank
  EXPECT_FALSE(ui::qt::SaveScreenshot(gallery, dir.filePath("absent/x.png").toStdString()));
}

}  // namespace
