// The editor control through Qt's accessibility interfaces, as assistive technology reads it:
// text, caret offset and selection, and the events of edits in order.
#include <QAccessible>
#include <random>
#include <vector>

#include "widget_fixture.h"
#include "xeAccessibleText.h"
#include "xeKeyCmds.h"

namespace {

struct TEvent {
  QAccessible::Event Type;
  int Position;
  QString Removed, Inserted;
};

std::vector<TEvent>* gEvents = nullptr;

void Record(QAccessibleEvent* Event) {
  if (!gEvents || Event->object() == nullptr) return;
  TEvent e{Event->type(), -1, {}, {}};
  switch (Event->type()) {
    case QAccessible::TextInserted: {
      auto* t = static_cast<QAccessibleTextInsertEvent*>(Event);
      e.Position = t->changePosition();
      e.Inserted = t->textInserted();
      break;
    }
    case QAccessible::TextRemoved: {
      auto* t = static_cast<QAccessibleTextRemoveEvent*>(Event);
      e.Position = t->changePosition();
      e.Removed = t->textRemoved();
      break;
    }
    case QAccessible::TextUpdated: {
      auto* t = static_cast<QAccessibleTextUpdateEvent*>(Event);
      e.Position = t->changePosition();
      e.Removed = t->textRemoved();
      e.Inserted = t->textInserted();
      break;
    }
    case QAccessible::TextCaretMoved:
      e.Position = static_cast<QAccessibleTextCursorEvent*>(Event)->cursorPosition();
      break;
    case QAccessible::TextSelectionChanged: {
      auto* t = static_cast<QAccessibleTextSelectionEvent*>(Event);
      e.Position = t->selectionStart();
      e.Inserted = QString::number(t->selectionEnd());
      break;
    }
    default: return;
  }
  gEvents->push_back(e);
}

class AccessibleEdit : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    gEvents = &Events;
    SetAccessibleEventSink(Record);
    Iface = QAccessible::queryAccessibleInterface(Edit.get());
    ASSERT_NE(Iface, nullptr);
    Text = Iface->textInterface();
    ASSERT_NE(Text, nullptr);
    ASSERT_NE(Iface->editableTextInterface(), nullptr);
  }
  void TearDown() override {
    SetAccessibleEventSink(nullptr);
    gEvents = nullptr;
    WidgetTest::TearDown();
  }
  // The document as the events told it, edit after edit.
  void Apply(QString& Mirror) const {
    for (const TEvent& e : Events) {
      if (e.Type != QAccessible::TextInserted && e.Type != QAccessible::TextRemoved &&
          e.Type != QAccessible::TextUpdated)
        continue;
      ASSERT_GE(e.Position, 0);
      ASSERT_LE(e.Position + e.Removed.size(), Mirror.size());
      // Removed text that could not be known is told as blanks of its length.
      if (!e.Removed.trimmed().isEmpty()) {
        ASSERT_EQ(Mirror.mid(e.Position, e.Removed.size()), e.Removed);
      }
      Mirror.replace(e.Position, e.Removed.size(), e.Inserted);
    }
  }

  std::vector<TEvent> Events;
  QAccessibleInterface* Iface = nullptr;
  QAccessibleTextInterface* Text = nullptr;
};

TEST_F(AccessibleEdit, TextCaretAndSelectionInUtf16Offsets) {
  SetText(
      "ab\r\nc\xC3\xA9"
      "d\r\n\xF0\x9F\x98\x80x");
  EXPECT_EQ(Iface->role(), QAccessible::EditableText);
  EXPECT_TRUE(Iface->state().multiLine);
  EXPECT_TRUE(Iface->state().editable);
  EXPECT_EQ(Text->characterCount(), 10);
  EXPECT_EQ(Text->text(0, -1), QString::fromUtf8("ab\nc\xC3\xA9"
                                                 "d\n\xF0\x9F\x98\x80x"));
  EXPECT_EQ(Text->text(4, 9), QString::fromUtf8("\xC3\xA9"
                                                "d\n\xF0\x9F\x98\x80"));
  Edit->SetCaretPos({4, 2});  // after the two bytes of é
  EXPECT_EQ(Text->cursorPosition(), 5);
  Edit->SetCaretPos({50, 2});  // beyond the line's end: its end
  EXPECT_EQ(Text->cursorPosition(), 6);
  int start = 0, end = 0;
  EXPECT_EQ(Text->textAtOffset(4, QAccessible::LineBoundary, &start, &end), QString::fromUtf8("c\xC3\xA9"
                                                                                              "d\n"));
  EXPECT_EQ(start, 3);
  EXPECT_EQ(end, 7);
  EXPECT_EQ(Text->textAtOffset(7, QAccessible::CharBoundary, &start, &end),
            QString::fromUtf8("\xF0\x9F\x98\x80"));
  EXPECT_EQ(end - start, 2);
  EXPECT_EQ(Text->textAfterOffset(1, QAccessible::LineBoundary, &start, &end), QString::fromUtf8("c\xC3\xA9"
                                                                                                 "d\n"));
  EXPECT_EQ(Text->textBeforeOffset(8, QAccessible::LineBoundary, &start, &end), QString::fromUtf8("c\xC3\xA9"
                                                                                                  "d\n"));

  Edit->SetCaretPos({2, 1});
  Edit->SetSelBegin({2, 1});
  Edit->SetSelEnd({4, 2});
  ASSERT_EQ(Text->selectionCount(), 1);
  Text->selection(0, &start, &end);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 5);
  // Set from outside: the editor's caret and block follow.
  Text->setSelection(0, 3, 6);
  EXPECT_EQ(Edit->SelBegin(), (TPoint{1, 2}));
  EXPECT_EQ(Edit->SelEnd(), (TPoint{5, 2}));
  Text->setCursorPosition(9);
  EXPECT_EQ(Edit->CaretPos(), (TPoint{5, 3}));
  Iface->editableTextInterface()->insertText(0, QStringLiteral("Z"));
  EXPECT_EQ(Edit->LineText(1), "Zab");
  EXPECT_GT(Text->characterRect(0).width(), 0);
  EXPECT_EQ(Text->offsetAtPoint(Text->characterRect(1).center()), 1);
}

TEST_F(AccessibleEdit, EditsAreToldBeforeTheCaretThatFollows) {
  SetText("one\r\ntwo\r\n");
  Edit->SetCaretPos({4, 1});
  Events.clear();
  Edit->CommandProcessor(ecChar, U'!');
  ASSERT_EQ(Events.size(), 2u);
  EXPECT_EQ(Events[0].Type, QAccessible::TextInserted);
  EXPECT_EQ(Events[0].Position, 3);
  EXPECT_EQ(Events[0].Inserted, "!");
  EXPECT_EQ(Events[1].Type, QAccessible::TextCaretMoved);
  EXPECT_EQ(Events[1].Position, 4);

  Events.clear();
  Edit->CommandProcessor(ecDeleteLastChar);
  ASSERT_EQ(Events.size(), 2u);
  EXPECT_EQ(Events[0].Type, QAccessible::TextRemoved);
  EXPECT_EQ(Events[0].Position, 3);
  EXPECT_EQ(Events[0].Removed, "!");
  EXPECT_EQ(Events[1].Type, QAccessible::TextCaretMoved);

  Edit->SetCaretPos({1, 2});
  Events.clear();
  Edit->CommandProcessor(ecSelRight);
  ASSERT_EQ(Events.size(), 2u);
  EXPECT_EQ(Events[0].Type, QAccessible::TextSelectionChanged);
  EXPECT_EQ(Events[0].Position, 4);
  EXPECT_EQ(Events[0].Inserted, "5");
  EXPECT_EQ(Events[1].Type, QAccessible::TextCaretMoved);
  EXPECT_EQ(Events[1].Position, 5);
}

// The events replayed on a copy of the text give the text, whatever the edits.
TEST_F(AccessibleEdit, EventsReplayedGiveTheDocument) {
  const char* const pieces[] = {"a", "\xC3\xA9", "\xF0\x9F\x98\x80", "x\ny", "\n", "  "};
  const TxeEditorCommand commands[] = {ecLineBreak,  ecDeleteChar,   ecDeleteLastChar, ecDeleteLine,
                                       ecSelDown,    ecCut,          ecPaste,          ecUndo,
                                       ecRedo,       ecEditorBottom, ecSelUp,          ecLineEnd,
                                       ecDeleteWord, ecSelectAll,    ecBlockIndent};
  std::mt19937 rng(7);
  Edit->SetMaxUndo(100);
  SetText("first\r\nsecond line\r\n\xC3\xA9t\xC3\xA9\r\nlast");
  QString mirror = Text->text(0, -1);
  int edits = 0;
  for (int step = 0; step < 600; ++step) {
    edits += int(Events.size());
    Events.clear();
    if (rng() % 3 == 0) {
      Edit->ReplaceSelectionWithUndo(pieces[rng() % std::size(pieces)]);
    } else if (rng() % 4 == 0) {
      const TPoint to{int(rng() % 12) + 1, int(rng() % Edit->LineCount()) + 1};
      Edit->CommandProcessor(rng() % 2 ? ecGotoXY : ecSelGotoXY, 0, &to);
    } else {
      Edit->CommandProcessor(commands[rng() % std::size(commands)]);
    }
    Apply(mirror);
    if (HasFatalFailure()) return;
    ASSERT_EQ(mirror, Text->text(0, -1)) << "step " << step;
    ASSERT_EQ(mirror.size(), Text->characterCount());
    ASSERT_LE(Text->cursorPosition(), Text->characterCount());
  }
  EXPECT_GT(edits, 300);
}

}  // namespace
