// The About window: its texts, the credits scroll and the menu command.
#include "about.h"
#include "GoToWeb.h"
#include "QtTestApp.h"
#include "ToolIcons.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace {

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureQtApp(); }
};

class TUrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> Urls;
 public slots:
  void Catch(const QUrl& url) { Urls << url; }
};

TEST_F(AboutTest, ShowsNameVersionAndLink) {
  TAboutForm form;
  EXPECT_EQ(form.windowTitle(), "About Quillan");
  EXPECT_EQ(form.AppLbl->text(), "Orvex Quillan 2.0 ");
  EXPECT_EQ(form.URLLbl->text(), kMakerWebSite);
  EXPECT_EQ(form.URLLbl->toolTip(), "Orvex Software online - click here!");
  EXPECT_EQ(form.size(), QSize(332, 229));
  EXPECT_FALSE(form.Image1->pixmap().isNull());
  EXPECT_TRUE(form.Credits->text().startsWith("\n\nCredits:\n"));
  EXPECT_TRUE(form.Credits->text().endsWith("\n<<< - >>>"));
}

TEST_F(AboutTest, CreditsScrollOnceThenTheClosingLineStays) {
  TAboutForm form;
  EXPECT_EQ(form.Credits->y(), 50);
  EXPECT_TRUE(form.Timer1->isActive());
  EXPECT_EQ(form.Timer1->interval(), 50);

  for (int tick = 1; tick <= 205; ++tick) form.Timer1Timer();
  EXPECT_EQ(form.Credits->y(), -360);  // still scrolling at the last line
  EXPECT_TRUE(form.Timer1->isActive());
  EXPECT_EQ(form.Panel1->Caption(), "");

  form.Timer1Timer();                // tick 206 goes past the end
  EXPECT_EQ(form.Credits->y(), 60);  // parked below the panel's visible height
  EXPECT_FALSE(form.Timer1->isActive());
  EXPECT_EQ(form.Panel1->Caption(), "Thanks for using this software!");
  EXPECT_GE(form.Credits->y(), form.Panel1->height() - 5);
}

TEST_F(AboutTest, LinkOpensTheMakersSite) {
  TUrlCatcher catcher;
  QDesktopServices::setUrlHandler("https", &catcher, "Catch");
  TAboutForm form;
  form.GoToWeb->Url = "https://elsewhere.example/";
  const QPointF at(5, 5);
  QMouseEvent press(QEvent::MouseButtonPress, at, form.URLLbl->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, form.URLLbl->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(form.URLLbl, &press);
  QApplication::sendEvent(form.URLLbl, &release);
  QDesktopServices::unsetUrlHandler("https");
  ASSERT_EQ(catcher.Urls.size(), 1);
  EXPECT_EQ(catcher.Urls[0], QUrl(kMakerWebSite));
}

TEST_F(AboutTest, MenuItemShowsANewWindowEachTime) {
  QMainWindow mainForm;
  auto* about1 = new QAction("&About...", &mainForm);
  about1->setObjectName("About1");
  ASSERT_TRUE(InstallAboutCommand(&mainForm));
  EXPECT_FALSE(InstallAboutCommand(nullptr));

  QList<int> startTops;
  for (int round = 0; round < 2; ++round) {
    // The window is modal: look at it from inside its own loop, then close it.
    QTimer::singleShot(0, [&] {
      auto* form = qobject_cast<TAboutForm*>(QApplication::activeModalWidget());
      ASSERT_NE(form, nullptr);
      startTops << form->Credits->y();
      for (int i = 0; i < 30; ++i) form->Timer1Timer();
      form->BitBtn1->click();
    });
    about1->trigger();
  }
  EXPECT_EQ(startTops, (QList<int>{50, 50}));
  EXPECT_TRUE(mainForm.findChildren<TAboutForm*>().isEmpty());  // released after closing
}

}  // namespace

#include "about_test.moc"

// Pictures drawn by the program come in the pixel density of a scaled screen, not enlarged.
TEST(HighDensity, LogoAndToolIconsAreDrawnForTheScreensDensity) {
  EnsureQtApp();
  for (qreal ratio : {1.0, 2.0}) {
    const QPixmap logo = TAboutForm::Logo(ratio);
    EXPECT_EQ(logo.size(), QSize(64, 64) * ratio);
    EXPECT_EQ(logo.devicePixelRatio(), ratio);
    const QPixmap icon = ToolIcon(tiSave).pixmap(QSize(18, 18), ratio);
    EXPECT_EQ(icon.size(), QSize(18, 18) * ratio);
  }
}
