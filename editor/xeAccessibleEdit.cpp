#include "xeAccessibleEdit.h"

#include <QTextBoundaryFinder>
#include <algorithm>

#include "xeAccessibleText.h"
#include "xeCustomEdit.h"

namespace {

QAccessibleInterface* EditFactory(const QString& ClassName, QObject* Object) {
  if (ClassName == QLatin1String("TxeCustomEdit"))
    if (auto* edit = qobject_cast<TxeCustomEdit*>(Object)) return new TxeAccessibleEdit(edit);
  return nullptr;
}

}  // namespace

void InstallAccessibleEditFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(EditFactory);
    return true;
  }();
  (void)installed;
}

TxeAccessibleEdit::TxeAccessibleEdit(TxeCustomEdit* Edit)
    : QAccessibleWidget(Edit, QAccessible::EditableText) {}

TxeCustomEdit* TxeAccessibleEdit::Edit() const { return static_cast<TxeCustomEdit*>(widget()); }

void* TxeAccessibleEdit::interface_cast(QAccessible::InterfaceType Type) {
  if (Type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (Type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
  return QAccessibleWidget::interface_cast(Type);
}

QAccessible::State TxeAccessibleEdit::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.multiLine = true;
  s.selectableText = true;
  s.focusable = true;
  s.readOnly = Edit()->ReadOnly();
  s.editable = !Edit()->ReadOnly();
  return s;
}

QString TxeAccessibleEdit::text(QAccessible::Text Kind) const {
  // The whole document is never handed over as one value; it is read through the text interface.
  if (Kind == QAccessible::Value) return {};
  return QAccessibleWidget::text(Kind);
}

void TxeAccessibleEdit::selection(int SelectionIndex, int* StartOffset, int* EndOffset) const {
  Edit()->AccessibleText().Selection(SelectionIndex, StartOffset, EndOffset);
}

int TxeAccessibleEdit::selectionCount() const { return Edit()->AccessibleText().SelectionCount(); }

void TxeAccessibleEdit::addSelection(int StartOffset, int EndOffset) {
  setSelection(0, StartOffset, EndOffset);
}

void TxeAccessibleEdit::removeSelection(int SelectionIndex) {
  if (SelectionIndex == 0) Edit()->SetSelBegin(Edit()->CaretPos());
}

void TxeAccessibleEdit::setSelection(int SelectionIndex, int StartOffset, int EndOffset) {
  if (SelectionIndex != 0) return;
  TxeAccessibleText& text = Edit()->AccessibleText();
  const TPoint start = text.Position(StartOffset), end = text.Position(EndOffset);
  TxeCustomEdit* e = Edit();
  e->SetSelectionMode(smNormal);
  e->SetCaretPos(start);
  e->SetSelBegin(start);
  e->SetCaretPos(end);
  e->SetSelEnd(end);
}

int TxeAccessibleEdit::cursorPosition() const { return Edit()->AccessibleText().CaretOffset(); }

void TxeAccessibleEdit::setCursorPosition(int Position) {
  const TPoint p = Edit()->AccessibleText().Position(Position);
  Edit()->SetCaretPos(p);
  Edit()->SetSelBegin(p);
}

QString TxeAccessibleEdit::text(int StartOffset, int EndOffset) const {
  return Edit()->AccessibleText().Text(StartOffset, EndOffset);
}

int TxeAccessibleEdit::characterCount() const { return Edit()->AccessibleText().Length(); }

QString TxeAccessibleEdit::textAtOffset(int Offset, QAccessible::TextBoundaryType Boundary, int* StartOffset,
                                        int* EndOffset) const {
  TxeAccessibleText& t = Edit()->AccessibleText();
  const int length = t.Length();
  *StartOffset = *EndOffset = -1;
  if (Offset == -2) Offset = t.CaretOffset();
  if (Offset < 0 || Offset > length) return {};
  if (Boundary == QAccessible::NoBoundary) {
    *StartOffset = 0;
    *EndOffset = length;
    return t.Text(0, length);
  }
  // Everything else lies within the offset's line (its "\n" belongs to it).
  const int line = t.LineAt(Offset);
  const int lineStart = t.LineStart(line);
  const int lineEnd = line + 1 < Edit()->LineCount() ? t.LineStart(line + 1) : length;
  if (Boundary == QAccessible::LineBoundary || Boundary == QAccessible::ParagraphBoundary) {
    *StartOffset = lineStart;
    *EndOffset = lineEnd;
    return t.Text(lineStart, lineEnd);
  }
  const QString text = t.Text(lineStart, lineEnd);
  const int at = Offset - lineStart;
  if (Boundary == QAccessible::CharBoundary) {
    if (at >= text.size()) return {};
    const int n = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    *StartOffset = Offset;
    *EndOffset = Offset + n;
    return text.mid(at, n);
  }
  QTextBoundaryFinder finder(
      Boundary == QAccessible::WordBoundary ? QTextBoundaryFinder::Word : QTextBoundaryFinder::Sentence,
      text);
  finder.setPosition(at);
  int start = finder.isAtBoundary() ? at : finder.toPreviousBoundary();
  finder.setPosition(at);
  int end = finder.toNextBoundary();
  if (start < 0) start = 0;
  if (end < 0) end = static_cast<int>(text.size());
  *StartOffset = lineStart + start;
  *EndOffset = lineStart + end;
  return text.mid(start, end - start);
}

QString TxeAccessibleEdit::textBeforeOffset(int Offset, QAccessible::TextBoundaryType Boundary,
                                            int* StartOffset, int* EndOffset) const {
  int start = 0, end = 0;
  textAtOffset(Offset, Boundary, &start, &end);
  *StartOffset = *EndOffset = -1;
  if (start <= 0) return {};
  return textAtOffset(start - 1, Boundary, StartOffset, EndOffset);
}

QString TxeAccessibleEdit::textAfterOffset(int Offset, QAccessible::TextBoundaryType Boundary,
                                           int* StartOffset, int* EndOffset) const {
  int start = 0, end = 0;
  textAtOffset(Offset, Boundary, &start, &end);
  *StartOffset = *EndOffset = -1;
  if (end < 0 || end >= characterCount()) return {};
  return textAtOffset(end, Boundary, StartOffset, EndOffset);
}

QRect TxeAccessibleEdit::characterRect(int Offset) const {
  TxeCustomEdit* e = Edit();
  const TPoint p = e->AccessibleText().Position(Offset);
  const QPoint topLeft = e->TextPosToPixel(p);
  const std::string_view line = e->LineText(p.Y);
  const int cells = std::max(1, e->ColumnToCell(p.Y, p.X + 1) - e->ColumnToCell(p.Y, p.X));
  const int width = p.X <= static_cast<int>(line.size()) ? cells * e->CharWidth() : e->CharWidth();
  return QRect(e->viewport()->mapToGlobal(topLeft), QSize(width, e->LineHeight()));
}

int TxeAccessibleEdit::offsetAtPoint(const QPoint& Point) const {
  TxeCustomEdit* e = Edit();
  const QPoint local = e->viewport()->mapFromGlobal(Point);
  if (!e->viewport()->rect().contains(local)) return -1;
  // Hit-testing clears a pending vertical-move flag of the model; keep it.
  const bool flag = e->CaretDBFlag();
  const TPoint p = e->PixelToTextPos(local.x(), local.y());
  e->SetCaretDBFlag(flag);
  return e->AccessibleText().Offset(p);
}

void TxeAccessibleEdit::scrollToSubstring(int StartIndex, int EndIndex) {
  TxeCustomEdit* e = Edit();
  const TPoint start = e->AccessibleText().Position(StartIndex);
  (void)EndIndex;
  if (start.Y < e->FirstVisibleLine() || start.Y >= e->FirstVisibleLine() + e->VisibleLineCount())
    e->SetFirstVisibleLine(std::max(1, start.Y - e->VisibleLineCount() / 2));
}

QString TxeAccessibleEdit::attributes(int Offset, int* StartOffset, int* EndOffset) const {
  (void)Offset;
  *StartOffset = 0;
  *EndOffset = characterCount();
  return {};
}

void TxeAccessibleEdit::deleteText(int StartOffset, int EndOffset) {
  replaceText(StartOffset, EndOffset, {});
}

void TxeAccessibleEdit::insertText(int Offset, const QString& Text) { replaceText(Offset, Offset, Text); }

void TxeAccessibleEdit::replaceText(int StartOffset, int EndOffset, const QString& Text) {
  if (Edit()->ReadOnly()) return;
  setSelection(0, StartOffset, EndOffset);
  Edit()->ReplaceSelectionWithUndo(Text.toUtf8().toStdString());
}
