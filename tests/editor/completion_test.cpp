// Completion on an editor bound in the test: the shortcut opens the popup with the fragment left of
// the caret, typing and Backspace edit the document, Enter replaces the fragment, Escape inserts nothing.
#include "widget_fixture.h"
#include "xeCompletionProposal.h"

#include <QScrollBar>

namespace {

class CompletionTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    Proposal = std::make_unique<TXeCompletionProposal>();
    Proposal->SetItemList({"alert", "Array", "all", "document", "write", "writeln"});
    Proposal->SetEditor(Edit.get());
  }
  void TearDown() override {
    Proposal.reset();
    WidgetTest::TearDown();
  }
  TCompletionProposalForm* Popup() const { return Proposal->Form(); }
  void OpenAt(const std::string& text, int col) {
    SetText(text);
    Edit->SetCaretXY(col, 1);
    QTest::keyClick(Edit.get(), Qt::Key_Space, Qt::ControlModifier);
  }
  std::string Line() const { return std::string(Edit->LineText(1)); }

  std::unique_ptr<TXeCompletionProposal> Proposal;
};

TEST_F(CompletionTest, TokenBeforeCaret) {
  struct {
    const char* Text;
    int Col;
    const char* Token;
  } cases[] = {
      {"document.wri", 13, "wri"},
      {"alert(", 7, ""},
      {"  al", 5, "al"},
      {"x\tab", 5, "ab"},
      {"abc", 1, ""},
      {"abc", 9, ""},
      {"a[b]c", 5, ""},
      {"word(x).y z", 11, ""},
      {"ab cd", 3, "ab"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    SetText(c.Text);
    Edit->SetCaretXY(c.Col, 1);
    EXPECT_EQ(Proposal->TokenBeforeCaret(Edit.get()), c.Token);
  }
  EXPECT_EQ(Proposal->TokenBeforeCaret(nullptr), "");
}

TEST_F(CompletionTest, ShortcutOpensWithThePreselection) {
  OpenAt("x = document.wri", 17);
  ASSERT_TRUE(Popup()->isVisible());
  EXPECT_EQ(Popup()->CurrentString(), "wri");
  EXPECT_EQ(Proposal->Position(), 4);
  EXPECT_EQ(Line(), "x = document.wri");  // the shortcut's character is not typed
  const QPoint below =
      Edit->viewport()->mapToGlobal(Edit->TextPosToPixel(Edit->CaretPos()) + QPoint(0, Edit->LineHeight()));
  EXPECT_EQ(Popup()->pos(), below);
}

TEST_F(CompletionTest, TypingBackspaceAndEnter) {
  OpenAt("document.wri", 13);
  QTest::keyClicks(Popup(), "tel");
  EXPECT_EQ(Line(), "document.writel");
  EXPECT_EQ(Proposal->Position(), 5);
  QTest::keyClick(Popup(), Qt::Key_Backspace);
  QTest::keyClick(Popup(), Qt::Key_Backspace);
  EXPECT_EQ(Line(), "document.writ");
  EXPECT_EQ(Popup()->CurrentString(), "writ");
  QTest::keyClick(Popup(), Qt::Key_Down);
  QTest::keyClick(Popup(), Qt::Key_Return);
  EXPECT_FALSE(Popup()->isVisible());
  EXPECT_EQ(Line(), "document.writeln");
  EXPECT_EQ(Edit->CaretPos(), (TPoint{17, 1}));
  // One replacement of the selection: one undo brings the typed fragment back.
  Edit->Undo();
  EXPECT_EQ(Line(), "document.writ");
}

TEST_F(CompletionTest, UnmatchedCharacterStillGoesIntoTheDocument) {
  OpenAt("a", 2);
  EXPECT_EQ(Proposal->Position(), 0);
  QTest::keyClicks(Popup(), "r");
  EXPECT_EQ(Proposal->Position(), 0);  // "ar" matches nothing: alert stays
  EXPECT_EQ(Line(), "ar");
}

TEST_F(CompletionTest, PlaceHookFilteringAndTab) {
  int asked = 0;
  Proposal->OnPlace = [&](TxeCustomEdit* editor, QString& fragment, QStringList& items) {
    ++asked;
    EXPECT_EQ(editor, Edit.get());
    EXPECT_EQ(fragment, "x=wr");  // what TokenBeforeCaret found
    if (asked == 2) return false;
    fragment = "wr";
    items = QStringList{"alert", "write", "writeln", "wrap"};
    return true;
  };
  Proposal->SetFilterItems(true);
  Proposal->SetTabValidates(true);
  OpenAt(" x=wr", 6);
  ASSERT_TRUE(Popup()->isVisible());
  EXPECT_EQ(Popup()->ShownItems(), QStringList({"write", "writeln", "wrap"}));
  QTest::keyClicks(Popup(), "it");
  EXPECT_EQ(Popup()->ShownItems(), QStringList({"write", "writeln"}));
  QTest::keyClick(Popup(), Qt::Key_Down);
  QTest::keyClick(Popup(), Qt::Key_Backspace);
  EXPECT_EQ(Popup()->ShownItems(), QStringList({"write", "writeln"}));
  EXPECT_EQ(Proposal->Position(), 0) << "a new filter selects its first entry";
  QTest::keyClick(Popup(), Qt::Key_Down);
  QTest::keyClick(Popup(), Qt::Key_Tab);
  EXPECT_FALSE(Popup()->isVisible());
  EXPECT_EQ(Line(), " x=writeln");
  // Nothing fits: no popup, and the shortcut types nothing.
  OpenAt(" x=wr", 6);
  EXPECT_FALSE(Popup()->isVisible());
  EXPECT_EQ(Line(), " x=wr");
  // Without TabValidates, Tab closes the popup like any other closing character.
  Proposal->SetTabValidates(false);
  OpenAt(" x=wr", 6);
  QTest::keyClick(Popup(), Qt::Key_Tab);
  EXPECT_FALSE(Popup()->isVisible());
  EXPECT_EQ(Line(), " x=wr");
}

TEST_F(CompletionTest, ClosingKeysInsertNothing) {
  for (auto key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_BraceLeft}) {
    OpenAt("al", 3);
    ASSERT_TRUE(Popup()->isVisible());
    QTest::keyClick(Popup(), key);
    EXPECT_FALSE(Popup()->isVisible());
    EXPECT_EQ(Line(), "al");
  }
}

TEST_F(CompletionTest, EmptyListValidatesToNothing) {
  Proposal->SetItemList({});
  OpenAt("ab", 3);
  QTest::keyClick(Popup(), Qt::Key_End, Qt::ControlModifier);
  QTest::keyClick(Popup(), Qt::Key_Return);
  EXPECT_EQ(Line(), "ab");
  EXPECT_FALSE(Popup()->isVisible());
}

TEST_F(CompletionTest, ReadOnlyAndOtherKeys) {
  Edit->SetReadOnly(true);
  OpenAt("al", 3);
  EXPECT_FALSE(Popup()->isVisible());
  Edit->SetReadOnly(false);
  SetText("al");
  Edit->SetCaretXY(3, 1);
  QTest::keyClick(Edit.get(), Qt::Key_X);
  EXPECT_FALSE(Popup()->isVisible());
  EXPECT_EQ(Line(), "alx");
}

TEST_F(CompletionTest, HooksNeverOutliveTheComponent) {
  Proposal.reset();
  OpenAt("al", 3);
  QTest::keyClick(Edit.get(), Qt::Key_X);
  EXPECT_EQ(Line(), "alx");
}

TEST_F(CompletionTest, DestroyedEditorIsDetached) {
  auto other = std::make_unique<TxeCustomEdit>();
  Proposal->AttachEditor(other.get());
  Proposal->AttachEditor(other.get());
  EXPECT_EQ(Proposal->EditorCount(), 2);
  other.reset();
  EXPECT_EQ(Proposal->EditorCount(), 1);
  EXPECT_EQ(Proposal->Editor(), Edit.get());
  Proposal->DetachEditor(Edit.get());
  EXPECT_EQ(Proposal->Editor(), nullptr);
  OpenAt("al", 3);
  EXPECT_FALSE(Popup()->isVisible());
}

}  // namespace
