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
    } pictures[] = {{"wide.jpg", {900, 300}, "JPEG"}, {"small.png", {40, 20}, "PNG"}, {"tall.png", {30, 600}, "PNG"}};
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
        EXPECT_TRUE(shown.width() == std::min(180, p.Size.width()) || shown.height() == std::min(180, p.Size.height()));
        EXPECT_EQ(dialog.PreviewSize()->text(), QString("%1 x %2").arg(p.Size.width()).arg(p.Size.height()));
    }
    dialog.ShowPreview(dir.filePath("missing.png"));
    EXPECT_TRUE(dialog.PreviewImage()->pixmap().isNull());
    EXPECT_TRUE(dialog.PreviewSize()->text().isEmpty());
}

// The preview follows a file picked in the list or typed as a name, not only the current item.
TEST(PictureDialog, PreviewFollowsThePickedFile) {
    EnsureQtApp();
    QTemporaryDir dir;
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir.filePath("a.png"), "PNG"));
    ASSERT_TRUE(image.scaled(60, 30).save(dir.filePath("b.jpg"), "JPEG"));
    {
        TOpenPicDlg dialog;
        dialog.setDirectory(dir.path());
        dialog.show();
        dialog.selectFile(dir.filePath("a.png"));
        EXPECT_EQ(dialog.PreviewSize()->text(), "120 x 90");
    }
    TOpenPicDlg dialog;
    dialog.setDirectory(dir.path());
    dialog.show();
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText("b.jpg");
    EXPECT_EQ(dialog.PreviewSize()->text(), "60 x 30");
    name->setText("nothing.png");
    EXPECT_TRUE(dialog.PreviewImage()->pixmap().isNull());
}

} // namespace
