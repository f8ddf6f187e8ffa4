// Mouse handling of TxeCustomEdit: caret placement, selecting (with auto-scroll outside the text
// area), word selection, dragging text (within the editor, between windows and programs), files dropped from
// the file manager.
#include <QApplication>
#include <QChar>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QUrl>
#include <algorithm>

#include "xeCustomEdit.h"
#include "xeHighlighter.h"
#include "xeUtf8.h"

namespace {

// Character classes for word selection without a highlighter.
int CharClass(char32_t c) {
  if (c == 0) return -1;
  const QChar::Category cat = c <= 0xFFFF ? QChar::category(char16_t(c)) : QChar::category(c);
  if (QChar::isSpace(c)) return 0;
  if (c >= 0x3040 && c <= 0x309F) return 7;                                    // hiragana
  if (c >= 0x30A0 && c <= 0x30FF) return 6;                                    // katakana
  if ((c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF)) return 8;  // ideographs
  if (QChar::isLetterOrNumber(c) || c == '_' || cat == QChar::Mark_NonSpacing) return 1;
  return 2;  // punctuation and symbols
}

}  // namespace

bool TxeCustomEdit::InTextArea(const QPoint& p) const {
  return p.x() >= FGutterWidth && p.x() < viewport()->width() && p.y() >= 0 && p.y() < viewport()->height();
}

bool TxeCustomEdit::PosInSelection(TPoint P) const {
  const TPoint b = SelBegin(), e = SelEnd();
  if (P.Y < b.Y || P.Y > e.Y || b == e) return false;
  switch (SelectionMode()) {
    case smLine: return true;
    case smColumn: {
      const int lo = std::min(b.X, e.X), hi = std::max(b.X, e.X);
      return lo != hi && lo <= P.X && P.X < hi;
    }
    default:
      if (P.Y == b.Y && P.X < b.X) return false;
      if (P.Y < e.Y) return true;
      return P.X < e.X;
  }
}

void TxeCustomEdit::SelectWordAt(TPoint P) {
  const int Y = std::clamp(P.Y, 1, std::max(1, LineCount()));
  const std::string_view line = LineText(Y);
  const int len = static_cast<int>(line.size());  // length(T) = len + 1
  // Words beyond the widest column (minified lines) are reachable too.
  const int X = std::clamp(P.X, 1, std::max(MaxColumn, len + 1));
  if (X >= len + 1) {
    SetCaretPos({len + 1, Y});
    return;
  }
  int begin = 1, end = len + 1;
  const auto byteAt = [&](int col) {
    return static_cast<unsigned char>(line[static_cast<std::size_t>(col - 1)]);
  };
  TxeCustomHighLighter* hl = HighLighter();
  if (hl && Utf8CharLen(line, static_cast<std::size_t>(X - 1)) == 1) {
    const TxeCharSet& w = hl->WordCharacters();
    for (int c = X; c <= len; ++c)
      if (!w.test(byteAt(c))) {
        end = c;
        break;
      }
    for (int c = X - 1; c >= 1; --c)
      if (!w.test(byteAt(c))) {
        begin = c + 1;
        break;
      }
  } else {
    // by character classes, whole characters at a time
    const auto classAt = [&](int col) {
      const int n = Utf8CharLen(line, static_cast<std::size_t>(col - 1));
      const QString s = QString::fromUtf8(line.data() + col - 1, n);
      return CharClass(s.isEmpty() ? 0 : s.toUcs4().value(0));
    };
    const int x0 = static_cast<int>(Utf8CharStart(line, static_cast<std::size_t>(X - 1))) + 1;
    const int cls = classAt(x0);
    end = x0;
    while (end <= len && classAt(end) == cls) end += Utf8CharLen(line, static_cast<std::size_t>(end - 1));
    begin = x0;
    while (begin > 1) {
      const int prev = static_cast<int>(Utf8CharStart(line, static_cast<std::size_t>(begin - 2))) + 1;
      if (classAt(prev) != cls) break;
      begin = prev;
    }
  }
  SetBlockDirect({begin, Y}, {end, Y});
  SetCaretPos({end, Y});
  InvalidateRow(Y);
  StatusChanged(stSelection);
}

void TxeCustomEdit::mousePressEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  const Qt::MouseButton button = e->button();
  const bool shift = e->modifiers() & Qt::ShiftModifier;
  if (button == Qt::RightButton && FPopupMenu && HasSelection() &&
      !(e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
    return;
  bool hadSelection = false;
  if (button == Qt::LeftButton && HasSelection()) {
    hadSelection = true;
    FDragBlockBegin = SelBegin();
    FDragBlockEnd = SelEnd();
    FMouseDownPos = p;
  }
  QAbstractScrollArea::mousePressEvent(e);
  FLastMousePos = p;
  TxePaintHold hold(*this);
  MoveCaretToPixel(p.x(), p.y());
  bool startDrag = false;
  if (button == Qt::LeftButton) {
    FCaptured = true;
    FDragPending = false;
    if (hadSelection && HasOption(xeoDragDropEditing))
      startDrag = PosInSelection(CaretPos()) && p.x() >= FGutterWidth + 2;
  }
  if (startDrag) {
    FDragPending = true;
  } else if (!FDoubleClicked) {
    if (shift)
      SetSelEnd(CaretPos());
    else
      SetSelBegin(CaretPos());
  }
  if (p.x() < FGutterWidth) FGutterPress = true;
  setFocus(Qt::MouseFocusReason);
  e->accept();
}

void TxeCustomEdit::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  FLastMousePos = p;
  QAbstractScrollArea::mouseMoveEvent(e);
  e->accept();
  if (FCaptured && FDragPending) {
    if (std::abs(FMouseDownPos.x() - p.x()) >= QApplication::startDragDistance() ||
        std::abs(FMouseDownPos.y() - p.y()) >= QApplication::startDragDistance()) {
      FDragPending = false;
      FCaptured = false;
      StartTextDrag();
    }
    return;
  }
  if (!(e->buttons() & Qt::LeftButton) || !FCaptured) {
    UpdateCursorShape(p);
    return;
  }
  if (FScrollInProgress) return;
  {
    TxePaintHold hold(*this);
    if (InTextArea(p)) MoveCaretToPixel(p.x(), p.y());
    SetSelEnd(CaretPos());
  }
  if (!InTextArea(p)) {
    if (!FAutoScrollTimer.isActive()) AutoScrollStep();
  } else {
    FAutoScrollTimer.stop();
  }
}

// One pass of the selection scroll while the mouse is outside the text area. Within 10 pixels of
// the edge one unit per 100 ms; from 10 pixels 8 columns or a window of lines; from 42 without waiting.
void TxeCustomEdit::AutoScrollStep() {
  const QPoint p = FLastMousePos;
  if (!FCaptured || InTextArea(p)) {
    FAutoScrollTimer.stop();
    return;
  }
  FScrollInProgress = true;
  bool sleepAfter = true;
  {
    TxePaintHold hold(*this);
    const int w = viewport()->width(), h = viewport()->height();
    if (p.x() < FGutterWidth) {
      const int d = FGutterWidth - p.x();
      SetFirstVisibleColumn(FirstVisibleColumn() - (d < 10 ? 1 : 8));
      if (d >= 42) sleepAfter = false;
      SetCaretPos({CellToColumn(PixelToTextPos(p.x(), p.y()).Y, FirstVisibleColumn()),
                   PixelToTextPos(p.x(), p.y()).Y});
      SetSelEnd(CaretPos());
    } else if (p.x() > w) {
      const int d = p.x() - w;
      SetFirstVisibleColumn(FirstVisibleColumn() + (d < 10 ? 1 : 8));
      if (d >= 42) sleepAfter = false;
      const int line = PixelToTextPos(p.x(), p.y()).Y;
      SetCaretPos({CellToColumn(line, FirstVisibleColumn() + FVisibleColumns), line});
      SetSelEnd(CaretPos());
    }
    if (p.y() < 0) {
      SetFirstVisibleLine(FirstVisibleLine() - (p.y() > -10 ? 1 : FVisibleLines));
      if (p.y() <= -42) sleepAfter = false;
      SetCaretPos({PixelToTextPos(p.x(), p.y()).X, FirstVisibleLine()});
      SetSelEnd(CaretPos());
    } else if (p.y() > h) {
      const int d = p.y() - h;
      SetFirstVisibleLine(FirstVisibleLine() + (d < 10 ? 1 : FVisibleLines));
      if (d >= 42) sleepAfter = false;
      SetCaretPos({PixelToTextPos(p.x(), p.y()).X, FirstVisibleLine() + FVisibleLines - 1});
      SetSelEnd(CaretPos());
    }
  }
  FScrollInProgress = false;
  FAutoScrollDelay = sleepAfter ? 100 : 0;
  FAutoScrollTimer.start(FAutoScrollDelay, this);
}

void TxeCustomEdit::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  QAbstractScrollArea::mouseReleaseEvent(e);
  if (e->button() == Qt::RightButton && FPopupMenu &&
      !(e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
    return;
  FCaptured = false;
  FAutoScrollTimer.stop();
  if (FGutterPress && p.x() < FGutterWidth) {
    GutterClicked(p.x(), p.y());
  } else if (FDragPending && !FDoubleClicked) {
    TxePaintHold hold(*this);
    MoveCaretToPixel(p.x(), p.y());
    SetSelBegin(CaretPos());
    SetSelEnd(CaretPos());
  }
  FDragPending = false;
  FDoubleClicked = false;
  FGutterPress = false;
  e->accept();
}

void TxeCustomEdit::mouseDoubleClickEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (p.x() < FGutterWidth + 2) {
    QAbstractScrollArea::mouseDoubleClickEvent(e);
    return;
  }
  SelectWordAt(CaretPos());
  QAbstractScrollArea::mouseDoubleClickEvent(e);
  FDoubleClicked = true;
  FCaptured = false;
  FDragPending = false;
  e->accept();
}

void TxeCustomEdit::UpdateCursorShape(const QPoint& p) {
  if (p.x() < FGutterWidth) {
    viewport()->setCursor(FGutter.Cursor() == 0 ? Qt::ArrowCursor : Qt::CursorShape(FGutter.Cursor()));
    return;
  }
  const int col = ((FirstVisibleColumn() - 1) * FCharWidth + p.x() - FGutterWidth - 2) / FCharWidth + 1;
  const int line = FirstVisibleLine() + p.y() / FLineHeight;
  if (HasOption(xeoDragDropEditing) && PosInSelection({CellToColumn(line, col), line}))
    viewport()->setCursor(Qt::ArrowCursor);
  else
    viewport()->setCursor(Qt::IBeamCursor);
}

void TxeCustomEdit::GutterClicked(int X, int Y) {
  if (!OnGutterClick) return;
  const int line = PixelToTextPos(X, Y).Y;
  if (line > LineCount()) return;
  const auto marks = Marks().MarksOnLine(line);
  TMark* clicked = nullptr;
  int sum = 0;
  for (TMark* m : marks) {
    if (!m) continue;
    sum += FBookMarkOptions.Xoffset();
    if (sum > X) {
      clicked = m;
      break;
    }
  }
  OnGutterClick(this, X, Y, line, clicked);
}

void TxeCustomEdit::contextMenuEvent(QContextMenuEvent* e) {
  if (!FPopupMenu) {
    e->ignore();
    return;
  }
  FPopupMenu->popup(e->globalPos());
  e->accept();
}

// ---------------------------------------------------------------- dragging text and files

namespace {

// Marks a drag as coming from one editor of one running program.
const QString kDragSourceFormat = QStringLiteral("application/x-quillan-drag-source");

QByteArray DragSourceTag(const TxeCustomEdit* Edit) {
  return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
         QByteArray::number(reinterpret_cast<quintptr>(Edit));
}

}  // namespace

QMimeData* TxeCustomEdit::TextDragData() const {
  const std::string text = SelectedText();
  const std::string block = MakeClipboardBlock(SelectionMode(), text);
  QMimeData* data = TxeQtClipboard::NewMimeData(text, &block);
  data->setData(kDragSourceFormat, DragSourceTag(this));
  return data;
}

void TxeCustomEdit::StartTextDrag() {
  FDroppedHere = false;
  FDragCaret = CaretPos();
  auto* drag = new QDrag(this);
  drag->setMimeData(TextDragData());
  const Qt::DropAction action =
      drag->exec(ReadOnly() ? Qt::CopyAction : Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
  EndTextDrag(action);
}

void TxeCustomEdit::EndTextDrag(Qt::DropAction Action) {
  // Moved into another window: the text leaves this one. Cancelled (Esc) or refused: it stays.
  if (Action == Qt::MoveAction && !FDroppedHere && !ReadOnly() && HasSelection()) {
    TxePaintHold hold(*this);
    DeleteSelectionWithUndo(ukDropRemoved);
  } else if (!FDroppedHere) {
    SetCaretPos(FDragCaret);
  }
  FDroppedHere = false;
  UpdateCursorShape(viewport()->mapFromGlobal(QCursor::pos()));
}

bool TxeCustomEdit::AcceptDrag(QDropEvent* e) {
  const QMimeData* m = e->mimeData();
  if (HasOption(xeoDropFiles) && m->hasUrls()) {
    e->acceptProposedAction();
    return false;
  }
  // Links and files are the file drop's business (QMimeData counts them as text too).
  const bool text = m->hasFormat(TxeQtClipboard::BlockMimeType()) || (m->hasText() && !m->hasUrls());
  if (ReadOnly() || !text) {
    e->ignore();
    return false;
  }
  // Between editors Ctrl copies and a plain drag moves; another program's proposal stands.
  if (m->hasFormat(kDragSourceFormat) && (e->possibleActions() & Qt::MoveAction)) {
    e->setDropAction(e->modifiers() & Qt::ControlModifier ? Qt::CopyAction : Qt::MoveAction);
    e->accept();
  } else {
    e->acceptProposedAction();
  }
  return true;
}

void TxeCustomEdit::dragEnterEvent(QDragEnterEvent* e) {
  if (AcceptDrag(e)) FDropCaret = CaretPos();
}

void TxeCustomEdit::dragMoveEvent(QDragMoveEvent* e) {
  // The caret shows where the text would go.
  if (AcceptDrag(e)) MoveCaretToPixel(e->position().toPoint().x(), e->position().toPoint().y());
}

void TxeCustomEdit::dragLeaveEvent(QDragLeaveEvent* e) {
  SetCaretPos(FDropCaret);
  e->accept();
}

void TxeCustomEdit::dropEvent(QDropEvent* e) {
  const QMimeData* m = e->mimeData();
  const QPoint p = e->position().toPoint();  // viewport coordinates
  if (HasOption(xeoDropFiles) && m->hasUrls()) {
    e->acceptProposedAction();
    if (!OnDropFiles) return;
    QStringList files;
    for (const QUrl& url : m->urls())
      if (url.isLocalFile()) files << url.toLocalFile();
    OnDropFiles(this, p.x(), p.y(), files);
    return;
  }
  if (!AcceptDrag(e)) return;
  TxePaintHold hold(*this);
  MoveCaretToPixel(p.x(), p.y());
  const bool copy = e->dropAction() == Qt::CopyAction;
  if (m->data(kDragSourceFormat) == DragSourceTag(this)) {
    // Within this editor: a move or copy of the selection, one undo step.
    FDroppedHere = true;
    DropText(CaretPos(), SelectedText(), SelectionMode(), true, copy);
    return;
  }
  // Another Quillan window brings its block (and so its selection mode), other programs plain text.
  std::string block;
  if (TxeQtClipboard::BlockOf(*m, block)) {
    std::string_view text;
    const auto mode = static_cast<TSelectionMode>(ReadClipboardBlock(block, text));
    DropText(CaretPos(), text, mode, false, true);
  } else {
    DropText(CaretPos(), TxeQtClipboard::TextOf(*m), smNormal, false, true);
  }
  activateWindow();
  setFocus(Qt::MouseFocusReason);
}

void TxeCustomEdit::timerEvent(QTimerEvent* e) {
  if (e->timerId() == FCaretTimer.timerId()) {
    FCaretBlinkOn = !FCaretBlinkOn;
    InvalidateCaret();
  } else if (e->timerId() == FAutoScrollTimer.timerId()) {
    AutoScrollStep();
  } else if (e->timerId() == FRangesTimer.timerId()) {
    // A slice short enough that a key or a paint waiting behind it is not felt.
    if (FillRangesSlice(3000)) FRangesTimer.stop();
  } else {
    QAbstractScrollArea::timerEvent(e);
  }
}
