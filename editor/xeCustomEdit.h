// TxeCustomEdit: the Qt widget that owns an editing model and shows it. It paints the lines on a
// fixed cell grid, scrolls, shows the caret, selects with the mouse, drags text inside itself and
// draws the gutter. The model reaches it through TxeEditView.
#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

#include "uTextDrawer.h"
#include "xeEditModel.h"
#include "xeEditView.h"
#include "xeInternalImage.h"
#include "xeQtClipboard.h"
#include "xeSupportClasses.h"

class QLabel;
class QMenu;
class QMimeData;
class TxeAccessibleText;

enum TCaretType : unsigned char { ctVerticalLine = 0, ctHorizontalLine = 1, ctHalfBlock = 2, ctBlock = 3 };
enum TScrollStyle : unsigned char { ssNone = 0, ssHorizontal = 1, ssVertical = 2, ssBoth = 3 };
enum TBorderStyle : unsigned char { bsNone = 0, bsSingle = 1 };

class TxeCustomEdit : public QAbstractScrollArea, public TxeEditModel, public TxeEditView {
  Q_OBJECT

 public:
  using TPaintEvent = std::function<void(TObject* Sender, QPainter& Canvas)>;
  using TSpecialLineColorsEvent =
      std::function<void(TObject* Sender, int Line, bool& Special, TColor& FG, TColor& BG)>;
  using TDropFilesEvent = std::function<void(TObject* Sender, int X, int Y, const QStringList& Files)>;
  using TGutterClickEvent = std::function<void(TObject* Sender, int X, int Y, int Line, TMark* Mark)>;

  explicit TxeCustomEdit(QWidget* parent = nullptr);
  ~TxeCustomEdit() override;
  const char* ClassName() const override { return "TxeCustomEdit"; }

  // ---- look ----
  const QFont& Font() const { return FFont; }
  // A proportional font is replaced by "Courier New" of the same size and style.
  void SetFont(const QFont& Value);
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  void SetExtraLineSpacing(int Value);
  TxeSelectedColor& SelectedColor() { return FSelectedColor; }
  TxeGutter& Gutter() { return FGutter; }
  TxeBookMarkOpt& BookMarkOptions() { return FBookMarkOptions; }
  TCaretType InsertCaret() const { return FInsertCaret; }
  void SetInsertCaret(TCaretType Value);
  TCaretType OverwriteCaret() const { return FOverwriteCaret; }
  void SetOverwriteCaret(TCaretType Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  QMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(QMenu* Menu) { FPopupMenu = Menu; }
  TheTextDrawer& TextDrawer() { return *FTextDrawer; }

  // ---- TxeEditView ----
  int VisibleLineCount() const override { return FVisibleLines; }
  int VisibleColumnCount() const override { return FVisibleColumns; }
  int CharWidth() const override { return FCharWidth; }
  int LineHeight() const override { return FLineHeight; }
  void InvalidateLines(int First, int Last, TxeViewArea Area) override;
  void LinesScrolled(int Delta) override;
  void ColumnsScrolled() override;
  void UpdateScrollBars() override;
  void UpdateCaret() override;
  void RebuildCaret() override;
  void LinesChanging() override;
  void LinesReplaced(int First, int OldCount, int NewCount) override;
  void LinesChanged() override;
  void HighlighterChanged() override;
  void RangesPending() override;

  // The document as assistive technology reads it (made on first use).
  TxeAccessibleText& AccessibleText();

  // ---- dragging the selection ----
  // What a drag of the selection carries: its text, the private block (with the selection mode) and a mark
  // of this editor, so that a drop here moves within the document.
  QMimeData* TextDragData() const;
  // After a drag of the selection ended with Action: a move into another window takes the text away here.
  void EndTextDrag(Qt::DropAction Action);

  // ---- geometry ----
  int GutterWidth() const { return FGutterWidth; }
  // x of display cell 1 of the view.
  int TextOffset() const { return FGutterWidth + 2 - (FirstVisibleColumn() - 1) * FCharWidth; }
  // x of 1-based display cell Cell.
  int ColumnToX(int Cell) const { return (Cell - 1) * FCharWidth + TextOffset(); }
  TPoint PixelToTextPos(int X, int Y);
  QPoint TextPosToPixel(TPoint P) const;
  void MoveCaretToPixel(int X, int Y);
  void RecalcWindowMetrics(bool FontChanged);
  void RemeasureFont();
  void GutterChanged();
  bool PosInSelection(TPoint P) const;
  void SelectWordAt(TPoint P);

  // The scroll hint window shared by all editors.
  static QLabel* ScrollHintWindow();

  // ---- caret ----
  bool CaretShown() const { return FCaretShown; }
  // Where the caret is drawn (valid while shown).
  QRect CaretRect() const { return FCaretRect; }
  QPoint CaretOffset() const { return FCaretOffset; }
  void ShowEditorCaret();
  void HideEditorCaret();

  // ---- events ----
  TPaintEvent OnPaint;
  TSpecialLineColorsEvent OnSpecialLineColors;
  TDropFilesEvent OnDropFiles;
  TGutterClickEvent OnGutterClick;

  // ---- keyboard ----
  // Runs one key press through the keystroke map; true when it became a command.
  bool ProcessKey(int QtKey, Qt::KeyboardModifiers Modifiers);
  bool BookmarkKeysEnabled() const override { return FBookMarkOptions.EnableKeys(); }

  // Milliseconds until the next pass of the selection scroll (-1: not scrolling).
  int AutoScrollDelay() const { return FAutoScrollTimer.isActive() ? FAutoScrollDelay : -1; }

  // Paints the rectangle of the viewport (the paint handler).
  void Paint(QPainter& Canvas, const QRect& Clip);
  // Count of CellTextOut calls in the last paint; benchmarks and tests read it.
  int LastPaintDrawCalls() const { return FLastDrawCalls; }
  int LastPaintRows() const { return FLastPaintRows; }

 protected:
  virtual void GutterClicked(int X, int Y);
  virtual void DrawGutter(QPainter& Canvas, const QRect& Rect, int FirstLine, int LastLine);
  virtual void DrawTextLines(QPainter& Canvas, const QRect& Rect, int FirstLine, int LastLine, int FirstCell,
                             int LastCell);

  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dragLeaveEvent(QDragLeaveEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  void timerEvent(QTimerEvent* e) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void SetGutterWidth(int Value);
  void PaintArea(QPainter& Canvas, const QRect& Clip);
  void FinishPaint(QPainter& Canvas, const QRect& Clip);
  void InvalidateCaret();
  void UpdateCursorShape(const QPoint& pos);
  bool InTextArea(const QPoint& p) const;
  void AutoScrollStep();
  // Accepts a drag of files or text with its action; true for text.
  bool AcceptDrag(QDropEvent* e);
  void StartTextDrag();
  void ShowScrollHint();
  void HideScrollHint();
  TColor EditorBackground() const;
  void RowSelection(int Line, bool any, const TPoint& b, const TPoint& e, int& start, int& end,
                    bool& selected) const;

  QFont FFont;
  TColor FFontColor = clWindowText;
  TColor FColor = clWindow;
  std::unique_ptr<TheTextDrawer> FTextDrawer;
  TxeQtClipboard FQtClipboard;
  TxeSelectedColor FSelectedColor;
  TxeGutter FGutter;
  TxeBookMarkOpt FBookMarkOptions;
  std::unique_ptr<TxeInternalImage> FInternalImage;
  TCaretType FInsertCaret = ctVerticalLine;
  TCaretType FOverwriteCaret = ctBlock;
  TScrollStyle FScrollBars = ssBoth;
  TBorderStyle FBorderStyle = bsSingle;
  QMenu* FPopupMenu = nullptr;

  int FCharWidth = 8;
  int FLineHeight = 16;
  int FGutterWidth = 0;
  int FVisibleLines = 0;
  int FVisibleColumns = 0;

  // caret
  QPoint FCaretOffset;
  QSize FCaretSize;
  QRect FCaretRect;
  bool FCaretShown = false;
  bool FCaretBlinkOn = true;
  QBasicTimer FCaretTimer;

  // scrolling
  int FWheelRemainder = 0;
  bool FSettingBars = false;
  bool FScrollInProgress = false;

  // mouse
  QPoint FMouseDownPos;
  QPoint FLastMousePos;
  TPoint FDragBlockBegin, FDragBlockEnd;
  bool FCaptured = false;
  bool FDragPending = false;
  bool FDroppedHere = false;  // the running drag of this editor's selection ended in it
  TPoint FDragCaret, FDropCaret;
  bool FDoubleClicked = false;
  bool FGutterPress = false;
  QBasicTimer FAutoScrollTimer;
  int FAutoScrollDelay = 0;

  // Fills the highlighter ranges not yet needed, a few milliseconds at a time, while nothing else waits.
  QBasicTimer FRangesTimer;

  int FGutterLineCount = -1;  // the line count the gutter's numbers were last painted for
  int FLastDrawCalls = 0;
  int FLastPaintRows = 0;
  std::string FRowBuf;  // zero-terminated copy of a row for the highlighter
  std::unique_ptr<TxeAccessibleText> FAccessible;
};
