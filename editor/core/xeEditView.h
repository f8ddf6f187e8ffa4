// TxeEditView: what the editing model needs from the window that shows it. The Qt widget implements it;
// tests implement it with fixed numbers. Lines are 1-based; columns and counts of columns are display cells.
#pragma once

enum TxeViewArea : unsigned char { vaText = 1, vaGutter = 2, vaBoth = 3 };

class TxeEditView {
 public:
  virtual ~TxeEditView() = default;

  // Whole lines and whole character cells that fit in the text area.
  virtual int VisibleLineCount() const = 0;
  virtual int VisibleColumnCount() const = 0;
  // Character cell size in pixels.
  virtual int CharWidth() const { return 1; }
  virtual int LineHeight() const { return 1; }

  // Repaint rows First..Last (already clipped to the visible lines; First = -1 means the whole area).
  virtual void InvalidateLines(int First, int Last, TxeViewArea Area) = 0;
  // The top line moved by Delta lines (old - new): scroll the pixels or repaint everything.
  virtual void LinesScrolled(int Delta) = 0;
  // The left column moved: recompute the text offset and repaint the text area.
  virtual void ColumnsScrolled() = 0;
  // Deferred to the end of a painting hold by the model.
  virtual void UpdateScrollBars() = 0;
  virtual void UpdateCaret() = 0;
  // The caret shape depends on the insert mode.
  virtual void RebuildCaret() {}
  // The line list is about to change: its outermost update begins.
  virtual void LinesChanging() {}
  // In the update that ends now, lines First..First+OldCount-1 (0-based) became NewCount lines; the
  // lines before and after are as they were. Reported just before LinesChanged.
  virtual void LinesReplaced(int First, int OldCount, int NewCount) {
    (void)First, (void)OldCount, (void)NewCount;
  }
  // The outermost update of the line list ended (the gutter may need to fit a new line count).
  virtual void LinesChanged() {}
  // Fonts depend on the highlighter's attributes.
  virtual void HighlighterChanged() {}
  // Lazy ranges wait to be filled (TxeEditModel::FillRangesSlice) when there is time.
  virtual void RangesPending() {}
};
