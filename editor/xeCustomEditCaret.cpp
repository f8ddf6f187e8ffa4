// Pixel and text-position mapping, the caret, focus, the scroll hint and the wheel.
#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QInputMethod>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "xeAccessibleText.h"
#include "xeCellMap.h"
#include "xeCustomEdit.h"

// Resource string of the scroll hint.
static const char* const STopLine = "Top Line: %d";

TPoint TxeCustomEdit::PixelToTextPos(int X, int Y) {
  SetCaretDBFlag(false);
  const int line = FirstVisibleLine() + (Y >= 0 ? Y / FLineHeight : -((-Y + FLineHeight - 1) / FLineHeight));
  // 0-based cell position as a real number
  const double u =
      (static_cast<double>((FirstVisibleColumn() - 1) * FCharWidth) + X - FGutterWidth - 2) / FCharWidth;
  if (u < 0) return {static_cast<int>(std::lround(u)) + 1, line};
  const int cell = static_cast<int>(std::floor(u));
  const std::string_view text = (line >= 1 && line <= LineCount()) ? LineText(line) : std::string_view();
  int start = 0;
  const int b = TxeCellMap::ByteOfCell(text, cell, TabWidth(), &start);
  int width = 1, bytes = 1;
  if (b < static_cast<int>(text.size())) {
    const TxeCellChar ch = DecodeCellChar(text.data() + b, text.size() - static_cast<std::size_t>(b));
    width = ch.Tab ? TabCells(start, TabWidth()) : ch.Cells;
    bytes = ch.Bytes;
  }
  // the right half of a character gives the column after it
  const int col = (u - start >= width / 2.0) ? b + bytes + 1 : b + 1;
  return {col, line};
}

QPoint TxeCustomEdit::TextPosToPixel(TPoint P) const {
  const int cell = ColumnToCell(P.Y, P.X);
  return {(cell - 1) * FCharWidth + TextOffset(), (P.Y - FirstVisibleLine()) * FLineHeight + 1};
}

void TxeCustomEdit::MoveCaretToPixel(int X, int Y) { SetCaretPos(PixelToTextPos(X, Y)); }

// ---------------------------------------------------------------- caret

void TxeCustomEdit::RebuildCaret() {
  const TCaretType shape = InsertMode() ? FInsertCaret : FOverwriteCaret;
  const int h = FLineHeight - 2;
  switch (shape) {
    case ctHorizontalLine:
      FCaretSize = QSize(FCharWidth, 2);
      FCaretOffset = QPoint(0, FLineHeight - 2);
      break;
    case ctHalfBlock:
      FCaretSize = QSize(FCharWidth, h / 2);
      FCaretOffset = QPoint(0, h / 2);
      break;
    case ctBlock:
      FCaretSize = QSize(FCharWidth, h);
      FCaretOffset = QPoint(0, 0);
      break;
    case ctVerticalLine:
    default:
      FCaretSize = QSize(2, h);
      FCaretOffset = QPoint(-1, 0);
      break;
  }
  HideEditorCaret();
  UpdateCaret();
}

void TxeCustomEdit::InvalidateCaret() {
  if (!FCaretRect.isEmpty()) viewport()->update(FCaretRect);
}

void TxeCustomEdit::UpdateCaret() {
  if (AccessibilityReporting()) AccessibleText().CaretPlaced();
  if (!hasFocus()) return;
  const QPoint p = TextPosToPixel(CaretPos()) + FCaretOffset;
  InvalidateCaret();
  FCaretRect = QRect(p, FCaretSize);
  const QSize client = viewport()->size();
  if (p.x() < FGutterWidth || p.x() >= client.width() || p.y() < 0 || p.y() >= client.height()) {
    HideEditorCaret();
  } else {
    FCaretBlinkOn = true;
    ShowEditorCaret();
    InvalidateCaret();
    const int flash = QApplication::cursorFlashTime();
    if (flash > 0)
      FCaretTimer.start(flash / 2, this);
    else
      FCaretTimer.stop();
  }
  if (QInputMethod* im = QGuiApplication::inputMethod()) im->update(Qt::ImCursorRectangle);
}

void TxeCustomEdit::ShowEditorCaret() {
  if (HasOption(xeoNoCaret) || FCaretShown) return;
  FCaretShown = true;
  InvalidateCaret();
}

void TxeCustomEdit::HideEditorCaret() {
  if (!FCaretShown) return;
  FCaretShown = false;
  InvalidateCaret();
}

QVariant TxeCustomEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImCursorRectangle || query == Qt::ImAnchorRectangle) {
    const QPoint p = TextPosToPixel(CaretPos()) + FCaretOffset;
    return QRect(p, QSize(1, FLineHeight));
  }
  if (query == Qt::ImEnabled) return !ReadOnly();
  return QAbstractScrollArea::inputMethodQuery(query);
}

// ---------------------------------------------------------------- focus

void TxeCustomEdit::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  RebuildCaret();
  if (HideSelection() && HasSelection()) InvalidateAll();
}

void TxeCustomEdit::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  HideEditorCaret();
  FCaretTimer.stop();
  if (HideSelection() && HasSelection()) InvalidateAll();
}

bool TxeCustomEdit::focusNextPrevChild(bool next) {
  if (WantTabs()) return false;
  return QAbstractScrollArea::focusNextPrevChild(next);
}

// ---------------------------------------------------------------- scroll hint and wheel

QLabel* TxeCustomEdit::ScrollHintWindow() {
  // one hint window for the whole program, made hidden on first use
  static QPointer<QLabel> hint;
  if (!hint) {
    hint = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    hint->setForegroundRole(QPalette::ToolTipText);
    hint->setBackgroundRole(QPalette::ToolTipBase);
    hint->setAutoFillBackground(true);
    hint->setFrameStyle(QFrame::Box | QFrame::Plain);
    hint->setMargin(2);
    // One line: a word-wrapped label would break "Top Line:" from its number.
    hint->setWordWrap(false);
    QObject::connect(qApp, &QObject::destroyed, hint.data(), [] { delete hint.data(); });
  }
  return hint;
}

void TxeCustomEdit::ShowScrollHint() {
  if (!HasOption(xeoShowScrollHint)) return;
  QLabel* hint = ScrollHintWindow();
  hint->setText(QString::asprintf(STopLine, FirstVisibleLine()));
  hint->adjustSize();
  // right edge 4 pixels left of the client's right edge, top 10 pixels below the client's top
  const QPoint at = viewport()->mapToGlobal(QPoint(viewport()->width() - 4 - hint->width(), 10));
  hint->move(at);
  hint->show();
  hint->repaint();
}

void TxeCustomEdit::HideScrollHint() {
  QLabel* hint = ScrollHintWindow();
  hint->hide();
  hint->setText(QString());
}

void TxeCustomEdit::wheelEvent(QWheelEvent* e) {
  const int delta = e->angleDelta().y();
  if (delta == 0) {
    QAbstractScrollArea::wheelEvent(e);
    return;
  }
  int step;
  if (e->modifiers() & Qt::ControlModifier) {
    step = FVisibleLines;
    if (HasOption(xeoHalfPageScroll)) step /= 2;
  } else {
    step = QApplication::wheelScrollLines();
    if (step < 0 || step > FVisibleLines) step = FVisibleLines;
  }
  FWheelRemainder += delta;
  const int notches = FWheelRemainder / 120;
  FWheelRemainder %= 120;
  if (notches != 0) SetFirstVisibleLine(FirstVisibleLine() - notches * step);
  e->accept();
}
