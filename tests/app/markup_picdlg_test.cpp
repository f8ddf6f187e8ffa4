// The picture dialog's preview pane.
#include "LinkCommandsPicDlg.h"
#include "QtTestApp.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(PictureDialog, PreviewFitsThePaneAndShowsTheSize) {
  EnsureQtApp();
  QTemporaryDir dir;
  TOpenPicDlg dialog;
  struct {
    const char* Name;
    QSize Size;
    const char* Format;
  } pictures[] = {
      {"wide.jpg", {900, 300}, "JPEG"}, {"small.png", {40, 20}, "PNG"}, {"tall.png", {30, 600}, "PNG"}};
  for (const auto& p : pictures) {
    SCOPED_TRACE(p.Name);
    QImage image(p.Size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString path = dir.filePath(p.Name);
    ASSERT_TRUE(image.save(path, p.Format));
    dialog.ShowPreview(path);
    const QPixmap shown = dialog.PreviewImage()->pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_LE(shown.width(), 180);
    EXPECT_LE(shown.height(), 180);
    EXPECT_TRUE(shown.width() == std::min(180, p.Size.width()) ||
                shown.height() == std::min(180, p.Size.height()));
    EXPECT_EQ(dialog.PreviewSize()->text(), QString("%1 x %2").arg(p.Size.width()).arg(p.Size.height()));
  }
  dialog.ShowPreview(dir.filePath("missing.png"));
  EXPECT_TRUE(dialog.PreviewImage()->pixmap().isNull());
  EXPECT_TRUE(dialog.PreviewSize()->text().isEmpty());

  // A name typed into the dialog is previewed too.
  TOpenPicDlg typed;
  typed.setDirectory(dir.path());
  typed.show();
  auto* name = typed.findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr);
  name->setText("small.png");
  EXPECT_EQ(typed.PreviewSize()->text(), "40 x 20");
  name->setText("nothing.png");
  EXPECT_TRUE(typed.PreviewImage()->pixmap().isNull());
}

}  // namespace
