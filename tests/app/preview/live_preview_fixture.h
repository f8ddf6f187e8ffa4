// A main window with its live preview, for the tests that run a real web engine.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

#include "FormStorage.h"
#include "LivePreview.h"
#include "LivePreviewScheme.h"
#include "main_fakes.h"
#include "xeCustomEdit.h"

// The scheme is known to the web engine only when registered before the application object.
inline const bool SchemeRegistered = (RegisterLivePreviewScheme(), true);

// What the script gives back (invalid after ten seconds without an answer).
inline QVariant RunJs(QWebEnginePage* Page, const QString& Script) {
  QVariant result;
  QEventLoop loop;
  Page->runJavaScript(Script, [&](const QVariant& Value) {
    result = Value;
    loop.quit();
  });
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  loop.exec();
  return result;
}

// Processes events until Condition holds, up to Ms milliseconds; whether it came to hold.
template <typename F>
bool WaitFor(F Condition, int Ms = 10000) {
  QElapsedTimer waited;
  waited.start();
  while (!Condition()) {
    if (waited.elapsed() > Ms) return false;
    QTest::qWait(20);
  }
  return true;
}

struct LivePreviewBase : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(SchemeRegistered && Dir.isValid());
    Form = ShownMainForm();
    Form->resize(1000, 700);
  }
  TLivePreviewPane* Pane() const { return Form->findChild<TLivePreviewPane*>("LivePreviewPane"); }
  QWebEnginePage* Page() const { return Pane()->View()->page(); }
  // Opens the file, turns the preview on and waits for its first page.
  void Open(const QString& Name, const std::string& Bytes) {
    WriteBytes(Dir.filePath(Name), Bytes);
    ASSERT_TRUE(Form->LoadDocument(Dir.filePath(Name)));
    Form->SetDocType(DocTypeOf(Name));
    QAction* action = Form->Action("Livepreview1");
    ASSERT_NE(action, nullptr);
    if (action->isChecked()) {
      Pane()->Render();
    } else {
      action->trigger();
    }
    ASSERT_NE(Pane(), nullptr);
    QSignalSpy rendered(Pane(), &TLivePreviewPane::Rendered);
    ASSERT_TRUE(rendered.wait(20000));
    EXPECT_TRUE(rendered.first().first().toBool());
  }
  // Types at the end of the document and waits for the page that follows the pause.
  void TypeAtEnd(const QString& Keys) {
    TxeCustomEdit* memo = Form->Memo1;
    memo->SetCaretXY(memo->LineLength(memo->LineCount()) + 1, memo->LineCount());
    QSignalSpy rendered(Pane(), &TLivePreviewPane::Rendered);
    QTest::keyClicks(memo, Keys);
    EXPECT_EQ(rendered.count(), 0) << "nothing is rendered before the pause";
    ASSERT_TRUE(rendered.wait(20000));
  }

  QTemporaryDir Dir;
  std::unique_ptr<TMainForm> Form;
};
