#include "xeCustomEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "xeAccessibleEdit.h"
#include "xeAccessibleText.h"
#include "xeColors.h"
#include "xeHighlighter.h"

namespace {

QFont FallbackFont() {
  QFont f(QStringLiteral("Courier New"));
  f.setPointSize(10);
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  return f;
}

}  // namespace

TxeCustomEdit::TxeCustomEdit(QWidget* parent) : QAbstractScrollArea(parent) {
  InstallAccessibleEditFactory();
  FFont = FallbackFont();
  FTextDrawer = std::make_unique<TheTextDrawer>(fsBold, &FFont);
  setObjectName(QStringLiteral("xeCustomEdit"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAttribute(Qt::WA_NoSystemBackground);
  viewport()->setMouseTracking(true);
  viewport()->setCursor(Qt::IBeamCursor);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  resize(200, 150);

  FSelectedColor.OnChange = [this](TObject*) { InvalidateAll(); };
  FGutter.OnChange = [this](TObject*) { GutterChanged(); };
  FBookMarkOptions.OnChange = [this](TObject*) { InvalidateGutterRows(-1, -1); };
  FGutterWidth = FGutter.PixelWidth(FCharWidth);

  SetClipboard(&FQtClipboard);
  SetView(this);
  // A large document shows and takes keys at once; its ranges follow in idle time or as painting needs.
  SetLazyRanges(true);

  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setSingleStep(1);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(verticalScrollBar(), &QScrollBar::sliderPressed, this, [this] { FScrollInProgress = true; });
  connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, [this] {
    FScrollInProgress = false;
    HideScrollHint();
  });
  connect(horizontalScrollBar(), &QScrollBar::sliderPressed, this, [this] { FScrollInProgress = true; });
  connect(horizontalScrollBar(), &QScrollBar::sliderReleased, this, [this] { FScrollInProgress = false; });

  RemeasureFont();
}

TxeCustomEdit::~TxeCustomEdit() {
  SetView(nullptr);
  SetClipboard(nullptr);
}

// ---------------------------------------------------------------- look

void TxeCustomEdit::SetFont(const QFont& Value) {
  const QFontInfo info(Value);
  const QFontMetrics fm(Value);
  if (!info.fixedPitch() && fm.averageCharWidth() != fm.maxWidth()) {
    QFont f = FallbackFont();
    if (Value.pixelSize() > 0)
      f.setPixelSize(Value.pixelSize());
    else
      f.setPointSizeF(Value.pointSizeF());
    f.setBold(Value.bold());
    f.setItalic(Value.italic());
    f.setUnderline(Value.underline());
    f.setStrikeOut(Value.strikeOut());
    FFont = f;
  } else {
    FFont = Value;
  }
  RemeasureFont();
  if (FGutter.ShowLineNumbers()) GutterChanged();
}

void TxeCustomEdit::SetFontColor(TColor Value) {
  if (Value == FFontColor) return;
  FFontColor = Value;
  InvalidateAll();
}

void TxeCustomEdit::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  InvalidateAll();
}

void TxeCustomEdit::SetExtraLineSpacing(int Value) {
  TxeEditModel::SetExtraLineSpacing(Value);
  RemeasureFont();
}

void TxeCustomEdit::SetInsertCaret(TCaretType Value) {
  if (Value == FInsertCaret) return;
  FInsertCaret = Value;
  RebuildCaret();
}

void TxeCustomEdit::SetOverwriteCaret(TCaretType Value) {
  if (Value == FOverwriteCaret) return;
  FOverwriteCaret = Value;
  RebuildCaret();
}

void TxeCustomEdit::SetScrollBars(TScrollStyle Value) {
  FScrollBars = Value;
  setHorizontalScrollBarPolicy((Value == ssHorizontal || Value == ssBoth) ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy((Value == ssVertical || Value == ssBoth) ? Qt::ScrollBarAlwaysOn
                                                                      : Qt::ScrollBarAlwaysOff);
  RefreshScrollBars(true);
  InvalidateAll();
}

void TxeCustomEdit::SetBorderStyle(TBorderStyle Value) {
  FBorderStyle = Value;
  setFrameStyle(Value == bsSingle ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
}

TColor TxeCustomEdit::EditorBackground() const {
  if (TxeCustomHighLighter* hl = HighLighter()) {
    if (const TxeHighLightAttributes* a = hl->StandardAttribute(0))
      if (a->Background() != clNone) return a->Background();
  }
  return FColor;
}

// ---------------------------------------------------------------- fonts and metrics

void TxeCustomEdit::RemeasureFont() {
  FTextDrawer->SetBaseFont(&FFont);
  bool italic = FFont.italic(), bold = FFont.bold();
  if (TxeCustomHighLighter* hl = HighLighter()) {
    italic = bold = false;
    for (int i = 0; i < hl->AttributeCount(); ++i) {
      if (const TxeHighLightAttributes* a = hl->AttributeAt(i)) {
        italic = italic || (a->Style() & fsItalic);
        bold = bold || (a->Style() & fsBold);
      }
    }
  }
  FTextDrawer->SetMetricsStyle(italic ? fsItalic : 0);
  FLineHeight = std::max(1, FTextDrawer->CellHeight() + ExtraLineSpacing());
  FTextDrawer->SetMetricsStyle(bold ? fsBold : 0);
  FCharWidth = std::max(1, FTextDrawer->CellWidth());
  RecalcWindowMetrics(true);
}

void TxeCustomEdit::RecalcWindowMetrics(bool FontChanged) {
  const QSize client = viewport()->size();
  FVisibleColumns = std::max(0, (client.width() - FGutterWidth - 2) / FCharWidth);
  FVisibleLines = std::max(0, client.height() / FLineHeight);
  if (FontChanged) {
    if (FGutter.ShowLineNumbers())
      GutterChanged();
    else
      RefreshScrollBars(true);
    RebuildCaret();
    viewport()->update();
  } else {
    RefreshScrollBars(true);
  }
}

void TxeCustomEdit::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  RecalcWindowMetrics(false);
  SetFirstVisibleColumn(FirstVisibleColumn());
  UpdateCaret();
}

void TxeCustomEdit::GutterChanged() {
  FGutterLineCount = LineCount();
  if (FGutter.ShowLineNumbers() && FGutter.AutoSize()) {
    auto saved = std::move(FGutter.OnChange);  // fitting fires OnChange; we are already here
    FGutter.FitDigitCount(LineCount());
    FGutter.OnChange = std::move(saved);
  }
  const int w = FGutter.PixelWidth(FCharWidth);
  if (w == FGutterWidth)
    InvalidateGutterRows(-1, -1);
  else
    SetGutterWidth(w);
}

void TxeCustomEdit::SetGutterWidth(int Value) {
  Value = std::max(0, Value);
  if (Value == FGutterWidth) return;
  FGutterWidth = Value;
  FVisibleColumns = std::max(0, (viewport()->width() - FGutterWidth - 2) / FCharWidth);
  RefreshScrollBars(true);
  UpdateCaret();
  viewport()->update();
}

// ---------------------------------------------------------------- TxeEditView

void TxeCustomEdit::InvalidateLines(int First, int Last, TxeViewArea Area) {
  const int w = viewport()->width();
  int top = 0, bottom = viewport()->height();
  if (First != -1) {
    if (First > Last) std::swap(First, Last);
    top = (First - FirstVisibleLine()) * FLineHeight;
    bottom = (Last - FirstVisibleLine() + 1) * FLineHeight;
  }
  if (bottom <= top) return;
  int left = (Area & vaGutter) ? 0 : FGutterWidth;
  int right = (Area & vaText) ? w : FGutterWidth;
  if (right > left) viewport()->update(QRect(left, top, right - left, bottom - top));
}

void TxeCustomEdit::LinesScrolled(int Delta) {
  if (Delta != 0 && std::abs(Delta) < FVisibleLines) {
    InvalidateCaret();
    viewport()->scroll(0, Delta * FLineHeight);
    FCaretRect.translate(0, Delta * FLineHeight);
    InvalidateCaret();
  } else {
    viewport()->update();
  }
  UpdateCaret();
}

void TxeCustomEdit::ColumnsScrolled() {
  viewport()->update(QRect(FGutterWidth, 0, viewport()->width() - FGutterWidth, viewport()->height()));
  UpdateCaret();
}

TxeAccessibleText& TxeCustomEdit::AccessibleText() {
  if (!FAccessible) FAccessible = std::make_unique<TxeAccessibleText>(*this);
  return *FAccessible;
}

void TxeCustomEdit::LinesChanging() {
  if (AccessibilityReporting()) AccessibleText().LinesChanging();
}

void TxeCustomEdit::LinesReplaced(int First, int OldCount, int NewCount) {
  if (AccessibilityReporting())
    AccessibleText().LinesReplaced(First, OldCount, NewCount);
  else if (FAccessible)
    FAccessible->Forget();
}

void TxeCustomEdit::LinesChanged() {
  if (!FGutter.ShowLineNumbers()) return;
  // A row's number follows from the scroll position alone, so typing within a line leaves the
  // gutter as it is; a new line count may widen the field and shows or clears rows at the end.
  if (LineCount() != FGutterLineCount) GutterChanged();
}

void TxeCustomEdit::RangesPending() {
  if (!FRangesTimer.isActive()) FRangesTimer.start(0, this);
}

void TxeCustomEdit::HighlighterChanged() {
  RemeasureFont();
  viewport()->update();
}

void TxeCustomEdit::UpdateScrollBars() {
  FSettingBars = true;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) {
    QScrollBar* h = horizontalScrollBar();
    const int page = std::max(1, FVisibleColumns);
    h->setRange(1, std::max(1, MaxScrollColumn() - page + 1));
    h->setPageStep(page);
    h->setValue(FirstVisibleColumn());
  }
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) {
    QScrollBar* v = verticalScrollBar();
    v->setRange(1, std::max(1, LineCount()));
    v->setPageStep(std::max(1, FVisibleLines));
    v->setValue(FirstVisibleLine());
  }
  FSettingBars = false;
}

void TxeCustomEdit::scrollContentsBy(int, int) {
  if (FSettingBars) return;
  SetFirstVisibleColumn(horizontalScrollBar()->value());
  SetFirstVisibleLine(verticalScrollBar()->value());
  if (verticalScrollBar()->isSliderDown()) ShowScrollHint();
}
