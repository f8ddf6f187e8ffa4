// As root, with the web engine's sandbox on, the engine would end the whole program as soon as it started:
// the preview remembered as on, and F12, must show why in the pane instead. Run alone, without
// --no-sandbox, this program would end here if the engine were started.
#include <unistd.h>

#include <QLabel>
#include <QScopeGuard>

#include "live_preview_fixture.h"

namespace {

TEST(LivePreviewForRoot, SaysWhyAndStartsNoWebEngine) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root meets the sandbox's refusal";
  ASSERT_TRUE(SchemeRegistered);
  const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  const auto restore = qScopeGuard([flags] { qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags); });
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
  ASSERT_FALSE(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));

  auto form = ShownMainForm({}, {{"livepreview", "True"}});
  auto* pane = form->findChild<TLivePreviewPane*>("LivePreviewPane");
  ASSERT_NE(pane, nullptr);
  EXPECT_TRUE(pane->isVisible());
  EXPECT_EQ(pane->View(), nullptr);
  EXPECT_EQ(form->findChild<QWebEngineView*>(), nullptr);
  EXPECT_TRUE(pane->Notice().startsWith("The live preview is not available for root"))
      << pane->Notice().toStdString();
  EXPECT_TRUE(pane->findChild<QLabel*>("LivePreviewNotice")->isVisible());

  // F12 turns the pane off and on; the editor works on.
  QAction* action = form->Action("Livepreview1");
  action->trigger();
  EXPECT_TRUE(pane->isHidden());
  action->trigger();
  EXPECT_TRUE(pane->isVisible());
  form->Memo1->setFocus();
  QTest::keyClicks(form->Memo1, "<p>still here</p>");
  QTest::qWait(TLivePreviewPane::PauseMs * 2);
  EXPECT_EQ(form->Memo1->LineText(1), "<p>still here</p>");
  EXPECT_EQ(form->findChild<QWebEngineView*>(), nullptr);
}

}  // namespace
