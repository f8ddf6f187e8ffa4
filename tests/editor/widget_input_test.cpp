// Keyboard entry and the clipboard through Qt.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>

#include "widget_fixture.h"
#include "xeQtClipboard.h"

namespace {

using InputTest = WidgetTest;

TEST_F(InputTest, TypedTextAndKeysReachTheText) {
  SetText("");
  Edit->setFocus();
  QTest::keyClicks(Edit.get(), "abc");
  QTest::keyClick(Edit.get(), Qt::Key_Left);
  QTest::keyClicks(Edit.get(), "X");
  QTest::keyClick(Edit.get(), Qt::Key_Return);
  QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\xC3\xA9"));
  QApplication::sendEvent(Edit.get(), &accented);
  EXPECT_EQ(Edit->Text(),
            "abX\r\n\xC3\xA9"
            "c\r\n");
  QTest::keyClick(Edit.get(), Qt::Key_Backspace);
  EXPECT_EQ(Edit->Text(), "abX\r\nc\r\n");  // the whole character goes
}

TEST_F(InputTest, TabReachesTheEditorWhenItWantsTabs) {
  QWidget window;
  auto* edit = new TxeCustomEdit(&window);
  auto* next = new QWidget(&window);
  next->setFocusPolicy(Qt::StrongFocus);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (bool want : {true, false}) {
    edit->SetText("x");
    edit->SetCaretPos({1, 1});
    edit->SetWantTabs(want);
    edit->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(edit->hasFocus(), want);
    EXPECT_EQ(edit->LineLength(1) > 1, want);
  }
}

TEST_F(InputTest, ClipboardKeepsColumnBlocksAndTakesOthersAsPlainText) {
  TxeQtClipboard cb;
  const std::string block = std::string(1, '\x01') + "bc\r\nde" + std::string(1, '\0');
  ASSERT_TRUE(cb.SetContent("bc\r\nde", &block));
  EXPECT_TRUE(cb.HasText());
  EXPECT_TRUE(cb.HasBlock());
  std::string got;
  ASSERT_TRUE(cb.Block(got));
  EXPECT_EQ(got, block);
  EXPECT_EQ(cb.Text(), "bc\r\nde");
  // another program's text: plain only
  QGuiApplication::clipboard()->setText(QString::fromUtf8("caf\xC3\xA9"));
  EXPECT_TRUE(cb.HasText());
  EXPECT_FALSE(cb.HasBlock());
  EXPECT_EQ(cb.Text(), "caf\xC3\xA9");
}

TEST_F(InputTest, ColumnBlockPastesAsARectangle) {
  SetText("abc\r\nabc\r\nxyz\r\nxyz");
  Edit->SetSelectionMode(smColumn);
  Edit->SetSelBegin({2, 1});
  Edit->SetSelEnd({3, 2});
  Edit->CopyToClipboard();
  Edit->SetSelectionMode(smNormal);
  Edit->SetSelBegin({1, 3});
  Edit->SetCaretPos({1, 3});
  Edit->PasteFromClipboard();
  EXPECT_EQ(Edit->Text(), "abc\r\nabc\r\nbxyz\r\nbxyz\r\n");
  EXPECT_TRUE(Edit->CanPaste());
}

}  // namespace
