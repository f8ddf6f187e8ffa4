// TxeEditModel: the window-free editor. It owns the lines, caret and block, options and properties, the undo
// and redo lists, the marks and bookmarks, and keeps the highlighter's per-line ranges current. The Qt widget
// TxeCustomEdit inherits it and implements TxeEditView; tests drive it directly with a view of their own.
//
// Positions are 1-based (X = byte column, Y = line). After every change of the line list the block collapses
// to the caret. State changes made inside a painting hold (BeginUpdate/EndUpdate) are reported once, when
// the outermost hold ends, through OnStatusChange.
//
// Every change of the text goes through one path: the splice primitives (InsertText, DeleteText,
// ReplaceText, SetLineText) and the selection replacement built on them. Each splice is recorded in the open
// undo step (TxeUndoStep), so that undo and redo give back the exact bytes.
#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "xeClipboard.h"
#include "xeEditList.h"
#include "xeEditSearch.h"
#include "xeEditTypes.h"
#include "xeEditView.h"
#include "xeKeyCmds.h"
#include "xeMarks.h"
#include "xePrintStatus.h"
#include "xeRegexSearch.h"
#include "xeTypes.h"
#include "xeUndoList.h"

class TxeCustomHighLighter;
class TxeUndoStep;
class TxeUndoGroup;
namespace xeCmd {
class TOptionHold;
}

// Raised for programming and platform failures (the clipboard), never for user input.
class ExeEditError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TxeEditModel : public TObject {
 public:
  using TStatusChangeEvent = std::function<void(TObject* Sender, TxeStatusChanges Changes)>;
  using TPlaceMarkEvent = std::function<void(TObject* Sender, std::unique_ptr<TMark>& Mark)>;

  static constexpr int MaxColumn = 1024;

  TxeEditModel();
  ~TxeEditModel() override;
  TxeEditModel(const TxeEditModel&) = delete;
  TxeEditModel& operator=(const TxeEditModel&) = delete;
  const char* ClassName() const override { return "TxeEditModel"; }

  // ---- view and clipboard (not owned; null = no window / an in-memory clipboard) ----
  void SetView(TxeEditView* View);
  TxeEditView* View() const { return FView; }
  void SetClipboard(TxeClipboard* Clipboard) { FClipboard = Clipboard; }
  TxeClipboard& Clipboard() { return FClipboard ? *FClipboard : FOwnClipboard; }

  // ---- lines (read-only: the text changes only through the primitives below) ----
  const TxeEditList& Lines() const { return FLines; }
  int LineCount() const { return FLines.Count(); }
  // Text of 1-based line Line; empty when it does not exist. Valid until the next change of the lines.
  std::string_view LineText(int Line) const;
  int LineLength(int Line) const { return static_cast<int>(LineText(Line).size()); }
  // Every line followed by CR LF.
  std::string Text() const { return FLines.Text(); }
  // Replaces the whole text (one range pass, no per-line hooks) and clears both undo lists.
  void SetText(std::string Value);
  // The same with the lines already laid out (read straight from a file), which the model takes over.
  void SetLines(TxeLineStore&& Lines);
  std::string CurrentLineText() const { return std::string(LineText(FCaretY)); }

  // ---- the primitives: every change of the text is one of these ----
  // Positions are clamped to the text (X at most the line's length + 1); a text's lines are separated by
  // CR, LF or CR LF. Each is recorded in the open undo step, or in an undo record of its own when none is
  // open. They do not move the caret.
  // Inserts Text at At; returns the position after it.
  TPoint InsertText(TPoint At, std::string_view Text);
  // Deletes the stream from From up to To; returns the removed text, its lines separated by LF.
  std::string DeleteText(TPoint From, TPoint To);
  // Replaces the stream from From up to To by Text; returns the position after the new text.
  TPoint ReplaceText(TPoint From, TPoint To, std::string_view Text);
  // Changes line Line (1-based) to Value, as one splice of the bytes that differ; breaks in Value split it.
  void SetLineText(int Line, std::string_view Value);
  // Removes the blanks at the end of line Line, keeping at least Keep bytes.
  void TrimLineEnd(int Line, std::size_t Keep = 0);

  // ---- caret and block ----
  TPoint CaretPos() const { return {FCaretX, FCaretY}; }
  // Every caret move goes through here: clamps, keeps the caret visible, reports stCaretCol/stCaretLine.
  virtual void SetCaretPos(TPoint P);
  void SetCaretXY(int X, int Y) { SetCaretPos({X, Y}); }
  int CaretCol() const { return FCaretX; }
  int CaretLine() const { return FCaretY; }
  void SetCaretCol(int X) { SetCaretPos({X, FCaretY}); }
  void SetCaretLine(int Y) { SetCaretPos({FCaretX, Y}); }
  // Sets the caret even beyond its line's end, whatever xeoScrollPastEol says.
  void SetCaretFree(TPoint P);
  // The earlier and the later of the two block points.
  TPoint SelBegin() const;
  TPoint SelEnd() const;
  // Collapses the block to P (clamped).
  void SetSelBegin(TPoint P);
  // Moves the block's end to P (clamped); ignored with xeoNoSelection.
  void SetSelEnd(TPoint P);
  // The block points as stored (not ordered).
  TPoint BlockBegin() const { return FBlockBegin; }
  TPoint BlockEnd() const { return FBlockEnd; }
  // Sets both block points (clamped), whatever xeoNoSelection says.
  void SelectBlock(TPoint Begin, TPoint End);
  // Sets both block points without clamping (double-click word selection).
  void SetBlockDirect(TPoint Begin, TPoint End);
  bool HasSelection() const;
  TSelectionMode SelectionMode() const { return FSelectionMode; }
  void SetSelectionMode(TSelectionMode Value);
  // Pending double-byte flag of vertical movement.
  bool CaretDBFlag() const { return FCaretDBFlag; }
  void SetCaretDBFlag(bool Value) { FCaretDBFlag = Value; }

  // ---- view quantities ----
  int FirstVisibleLine() const { return FFirstVisibleLine; }
  void SetFirstVisibleLine(int Value);
  int FirstVisibleColumn() const { return FFirstVisibleColumn; }
  void SetFirstVisibleColumn(int Value);
  int VisibleLineCount() const { return FView ? FView->VisibleLineCount() : 0; }
  int VisibleColumnCount() const { return FView ? FView->VisibleColumnCount() : 0; }
  // The horizontal scroll range in display cells: MaxColumn, or more when a wider line exists.
  int MaxScrollColumn() const;
  // Display cell (1-based) of byte column Col on Line: tabs reach the next TabWidth stop, wide characters
  // take two cells; beyond the line's end one cell per column. The same map the screen paints with.
  int ColumnToCell(int Line, int Col) const;
  // The byte column shown in cell Cell of Line (the start of the character covering it).
  int CellToColumn(int Line, int Cell) const;
  void ScrollCaretIntoView();

  // ---- properties ----
  bool InsertMode() const { return FInsertMode; }
  void SetInsertMode(bool Value);
  bool Modified() const { return FModified; }
  void SetModified(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int Value);
  int RightEdge() const { return FRightEdge; }
  void SetRightEdge(int Value);
  TColor RightEdgeColor() const { return FRightEdgeColor; }
  void SetRightEdgeColor(TColor Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  int ExtraLineSpacing() const { return FExtraLineSpacing; }
  void SetExtraLineSpacing(int Value) { FExtraLineSpacing = Value; }
  TxeEditorOptions Options() const { return FOptions; }
  bool HasOption(TxeEditorOptions Option) const { return (FOptions & Option) != 0; }
  // The widget extends it (files dropped from the shell follow xeoDropFiles).
  virtual void SetOptions(TxeEditorOptions Value);
  int MaxUndo() const { return FUndoList.MaxUndo(); }
  // Negative values are ignored; otherwise both lists are trimmed to it.
  void SetMaxUndo(int Value);
  // Number of leading characters with codes 1..32 (0 with xeoAutoIndent off).
  int AutoIndentCount(std::string_view S) const;

  // ---- highlighter ----
  TxeCustomHighLighter* HighLighter() const { return FHighLighter; }
  // Attaches (or detaches with null) and rescans every line's range.
  void SetHighLighter(TxeCustomHighLighter* Value);
  // A word character for movement: the highlighter's word characters, else every byte above 32.
  bool IsWordChar(unsigned char C) const;
  // Lazy ranges: a new text or highlighter scans nothing at once; a line's range is filled when asked for
  // (Lines().Objects, as painting and printing do), the rest by FillRangesSlice in idle time. Off (the
  // default), the whole text is scanned at once.
  bool LazyRanges() const { return FLazyRanges; }
  void SetLazyRanges(bool Value);
  // Every line's range is known (always so without a highlighter).
  bool RangesComplete() const { return !FHighLighter || FLines.RangesKnown() >= FLines.Count(); }
  // Makes the ranges of lines 0..Index (0-based) known.
  void FillRanges(int Index);
  // Fills ranges for about Budget microseconds (at least one line); true when all are known.
  bool FillRangesSlice(long long Budget);

  // ---- painting hold and status ----
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  // Adds to the pending status changes; reported at once outside a hold.
  void StatusChanged(TxeStatusChanges Changes);
  TxeStatusChanges PendingStatus() const { return FPendingStatus; }
  // Deferred to the end of the hold; direct outside it (or with Force).
  void RefreshScrollBars(bool Force = false);
  void PlaceCaret();

  // ---- invalidation (lines 1-based; (-1, -1) = everything) ----
  void InvalidateTextRows(int First, int Last);
  void InvalidateGutterRows(int First, int Last);
  void InvalidateRow(int Line);
  void InvalidateLines(int First, int Last) { InvalidateTextRows(First, Last); }
  void InvalidateAll();
  bool LinesChanging() const { return FLinesChanging; }

  // ---- selection text and replacement ----
  std::string SelectedText() const;
  // Replaces the selection by Value as a stream, recording nothing.
  void SetSelectedText(std::string_view Value);
  // The selection replacement every command builds on: deletes the selection in the current mode, then
  // inserts Text at the caret in InsertMode (smNormal stream, smColumn rectangle, smLine whole lines).
  // LastSegmentWidth receives the length of the last column segment. Returns the number of lines added.
  int ReplaceSelection(TSelectionMode InsertMode, std::string_view Text, int* LastSegmentWidth = nullptr);
  // Deletes the selection as one undo record of Kind (ukSelectionReplaced, ukDeletedBack, ...) from the
  // block's begin to its end as stored; nothing without a selection.
  void DeleteSelectionWithUndo(TUndoKind Kind);
  // The same with the record's positions given.
  void DeleteSelectionWithUndo(TUndoKind Kind, TPoint StartPos, TPoint EndPos);
  // Replaces the selection by Value, undoable as one step.
  void ReplaceSelectionWithUndo(std::string_view Value);
  void SelectAll();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  bool CanPaste();
  // ecLineBreak (MoveCaret) and ecInsertLine (caret stays): splits the caret line, records ukLineBreak.
  void InsertLineBreak(bool MoveCaret);
  // A drop of dragged text at D. FromSelection: the text is this editor's selection, moved there (or with
  // Copy copied) as ukDropRemoved and ukDropInserted. Otherwise Text (in Mode) comes from elsewhere and is
  // inserted as ukDropInserted. A drop at the block's edges or inside it changes nothing.
  void DropText(TPoint D, std::string_view Text, TSelectionMode Mode, bool FromSelection, bool Copy);

  // ---- undo ----
  void Undo();
  void Redo();
  void ClearUndo();
  bool UndoAvailable() const { return FUndoList.ItemCount() > 0; }
  bool RedoAvailable() const { return FRedoList.ItemCount() > 0; }
  int UndoCount() const { return FUndoList.ItemCount(); }
  int RedoCount() const { return FRedoList.ItemCount(); }
  void LockUndo();
  void UnlockUndo();
  // Records pushed between these go onto the undo list as one step (one record against MaxUndo) when
  // OneStep is true at the end, else one by one. Nests; see TxeUndoGroup. When the outermost group ends
  // Failed (a command cut short by an exception), its records are taken back instead: the text, caret
  // and block are as they were when it began, and nothing goes onto the undo list.
  void BeginUndoGroup();
  void EndUndoGroup(bool OneStep, bool Failed = false);

  // ---- marks and bookmarks ----
  TMarkList& Marks() { return FMarks; }
  const TMarkList& Marks() const { return FMarks; }
  // The mark in bookmark slot Number (0..9), or null.
  TMark* Bookmark(int Number) const;
  void PlaceBookmark(int Number, int X, int Y);
  void RemoveBookmark(int Number);
  void JumpToBookmark(int Number);

  // ---- events ----
  TNotifyEvent OnChange;
  TNotifyEvent OnCommandDone;
  TNotifyEvent OnSelectionChange;
  TStatusChangeEvent OnStatusChange;
  TPlaceMarkEvent OnPlaceBookmark;

  // ==== Command processor (editor/core/xeCommand*.cpp): declarations go below this line ====

  // (Sender, var Command, var AChar, Data): may change the command or the character, or cancel with ecNone.
  using TProcessCommandEvent =
      std::function<void(TObject* Sender, TxeEditorCommand& Command, char32_t& AChar, const void* Data)>;
  TProcessCommandEvent OnProcessCommand;
  TProcessCommandEvent OnProcessUserCommand;
  // Runs one command: the hook, then (codes 1..1000) the command inside a painting hold, then OnCommandDone.
  // AChar is the typed character of ecChar; Data points to a TPoint for ecGotoXY and ecSelGotoXY, and to a
  // zero-terminated UTF-8 string for ecImeStr.
  void CommandProcessor(TxeEditorCommand Command, char32_t AChar = 0, const void* Data = nullptr);
  void RunCommand(TxeEditorCommand Command, char32_t AChar = 0, const void* Data = nullptr) {
    CommandProcessor(Command, AChar, Data);
  }
  // The command itself, without the hooks; false when OnCommandDone is to be skipped.
  virtual bool ExecuteCommand(TxeEditorCommand Command, char32_t AChar, const void* Data);
  // The keystroke map, filled with the default keys.
  TxeKeyStrokes& Keystrokes() { return FKeystrokes; }
  const TxeKeyStrokes& Keystrokes() const { return FKeystrokes; }
  // Copies Value, or clears the map when given none.
  void SetKeystrokes(const TxeKeyStrokes* Value);
  // One key-down: runs the bound command and returns true (the key's character is then ignored), or returns
  // false so that the character goes on to ecChar. Two-key sequences wait for their second key here.
  bool KeyDown(std::uint16_t Key, TShiftState Shift);
  // Whether the bookmark keys work; the widget answers from its bookmark options.
  virtual bool BookmarkKeysEnabled() const { return FBookmarkKeysEnabled; }
  void SetBookmarkKeysEnabled(bool Value) { FBookmarkKeysEnabled = Value; }

 private:
  friend class xeCmd::TOptionHold;
  // Sets the options without the setter's side effects, for a switch that lasts one command.
  void SetOptionsQuiet(TxeEditorOptions Value) { FOptions = Value; }
  TxeKeyStrokes FKeystrokes = [] {
    TxeKeyStrokes k;
    k.LoadDefaultKeys();
    return k;
  }();
  TxeKeyPending FPendingKey;
  bool FBookmarkKeysEnabled = true;

 public:
  // ==== end of the command processor's block ====

  // ==== Search and replace (editor/core/xeFindReplace.cpp): declarations go below this line ====
  using TReplaceTextEvent =
      std::function<void(TObject* Sender, std::string_view ASearch, std::string_view AReplace, int Line,
                         int Column, TxeReplaceAction& Action)>;
  // Asked before each replacement when srPrompt is given.
  TReplaceTextEvent OnReplaceText;
  // Finds, or replaces, ASearch; returns the number of occurrences found and processed.
  int FindReplace(std::string_view ASearch, std::string_view AReplace, TxeSearchOptions Options);
  TxeEditSearch& SearchEngine() { return FSearchEngine; }
  TxeRegexSearch& RegexSearch() { return FRegexSearch; }
  // Why the last FindReplace with srRegExpr could not search, or stopped early; empty otherwise.
  const TxeRegexError& SearchError() const { return FSearchError; }
  // Asked while FindReplace walks the lines, with the lines walked so far and the lines to walk: for every
  // line of a regular expression search (and between stretches of a long line), every few hundred lines or
  // so otherwise. False stops the search: a find then finds nothing, and a replacement takes back all it
  // had replaced (text, caret and block as they were, nothing on the undo list) and returns 0.
  using TSearchProgressEvent = std::function<bool(int Done, int Total)>;
  TSearchProgressEvent OnSearchProgress;
  // The last FindReplace was stopped by OnSearchProgress.
  bool SearchStopped() const { return FSearchStopped; }
  // Progress of PrintDocument (editor/xePrint.cpp), which prints through the widget.
  TxePrintStatusEvent OnPrintStatus;

 private:
  // Where matches may lie: a stream between Start and End (smNormal), the columns Left..Right of the
  // lines Start.Y..End.Y (smColumn), or whole lines (smLine).
  struct TSearchRange {
    TPoint Start, End;
    int Left = 0, Right = 0;
    TSelectionMode Limits = smNormal;
    bool Usable(int Line, int P, int Length) const;
  };
  TSearchRange SearchRange(TxeSearchOptions Options) const;
  TxeLineSearch* PrepareSearch(std::string_view ASearch, std::string_view AReplace, TxeSearchOptions Options);
  void SkipEmptyMatchAtCaret(TSearchRange& Range, bool Backward) const;
  void SelectMatch(int Line, int P, int Length, bool Backward);
  void ReplaceMatch(std::string_view AReplace);
  int ReplaceLineMatches(int Line, TSearchRange& Range, bool Backward, TxeLineSearch& Engine,
                         TPoint& CaretAfter);
  int FindReplaceRun(std::string_view ASearch, std::string_view AReplace, TxeSearchOptions Options,
                     bool& ReplacedAll);
  TxeEditSearch FSearchEngine;
  TxeRegexSearch FRegexSearch;
  TxeRegexError FSearchError;
  bool FSearchStopped = false;
  // Where the last find left the caret on an empty match, which the next search steps over.
  TPoint FEmptyMatchCaret{0, 0};

 public:
  // ==== end of the search block ====

  // Removes trailing blanks.
  static std::string_view TrimRight(std::string_view S);

 protected:
  // Line-list hooks; marks follow the inserted and deleted lines.
  void LineAdded();
  void ListCleared();
  void LineDeleted(int Index, int Count);
  void LineInserted(int Index, int Count);
  void LinePut(int Index);
  void TextAssigned();
  void RangesRescan();
  void LinesChangingStart();
  void LinesChangingEnd();

  // Highlighter range passes (0-based line indexes).
  void ScanLine(int Index);
  // Rescans from Index until a stored range matches; returns the last index touched.
  int RescanFrom(int Index);
  void FullRescan();
  // Line 0 gets the highlighter's first range and counts as known.
  void StartRanges();
  void HighLighterDestroyed();
  void DetachHighLighter();

  // The splice every primitive is: replaces the stream From..To (clamped) by Text and records it in the
  // open undo record. Returns the position after the new text.
  TPoint Splice(TPoint From, TPoint To, std::string Text);
  TPoint ClampTextPoint(TPoint P) const;

  // Pieces of the selection replacement.
  void DeleteBlock();
  // DeleteSelectionWithUndo for a command that records a change of its own next. A selection that held no
  // text records nothing: true then, with the caret and block it had in Before for the command's record.
  bool DeleteEmptySelection(TUndoKind Kind, TUndoRecord& Before);
  int InsertNormal(std::string_view Text);
  int InsertColumn(std::string_view Text, int* LastSegmentWidth);
  int InsertLines(std::string_view Text);
  int BlockColumnLimit(int Line) const;
  TPoint EffectivePoint(TPoint P) const;
  TPoint ClampBlockPoint(TPoint P) const;

  // Undo and redo: Replay reverses a record's splices, newest first, and returns the record that reverses
  // the replay; then one function per record kind places caret and block. True when the paired record
  // should follow.
  TUndoRecord Replay(TUndoRecord& R);
  bool UndoOne(TUndoRecord& R);
  bool RedoOne(TUndoRecord& R);
  void PushRecord(TUndoRecord&& R);
  void RollBackGroup(std::vector<TUndoRecord>& Records);

 private:
  TxeEditList FLines;
  TUndoList FUndoList;
  TUndoList FRedoList;
  TMarkList FMarks;
  std::array<TMark*, 10> FBookmarks{};
  TxeEditView* FView = nullptr;
  TxeClipboard* FClipboard = nullptr;
  TxeMemoryClipboard FOwnClipboard;
  TxeCustomHighLighter* FHighLighter = nullptr;
  bool FLazyRanges = false;
  std::string FScanBuffer;
  friend class TxeUndoStep;
  // Where the splices are recorded: the open undo step's record, or null.
  TUndoRecord* FRecording = nullptr;
  int FGroupDepth = 0;
  TPoint FGroupCaret;
  TPoint FGroupBlockBegin, FGroupBlockEnd;
  std::vector<TUndoRecord> FGroupRecords;

  int FCaretX = 1;
  int FCaretY = 1;
  TPoint FBlockBegin{1, 1};
  TPoint FBlockEnd{1, 1};
  TSelectionMode FSelectionMode = smNormal;
  bool FCaretDBFlag = false;
  int FFirstVisibleLine = 1;
  int FFirstVisibleColumn = 1;

  bool FInsertMode = true;
  bool FModified = false;
  bool FReadOnly = false;
  bool FWantTabs = false;
  int FTabWidth = 8;
  int FRightEdge = 80;
  TColor FRightEdgeColor = 12632256;
  bool FHideSelection = false;
  int FExtraLineSpacing = 0;
  TxeEditorOptions FOptions = xeDefaultOptions;

  int FUpdateCount = 0;
  TxeStatusChanges FPendingStatus = 0;
  bool FCaretPending = false;
  bool FScrollBarsPending = false;
  bool FLinesChanging = false;
  // Rows waiting while the line list is inside an update.
  int FPendingFirst = 0;
  int FPendingLast = 0;
  // The span of lines the current update of the line list changed: from FSpanFirst to all but the
  // last FSpanTail lines; counts before the update and after the last hook.
  int FSpanFirst = 0;
  int FSpanTail = 0;
  int FSpanCountBefore = 0;
  int FSpanCountNow = 0;
  void NoteSpan(int First, int Tail);
  unsigned FPendingArea = 0;
  bool FPendingAll = false;
  void AddPending(int First, int Last, TxeViewArea Area);
  void Invalidate(int First, int Last, TxeViewArea Area);
};

// One undo step: the splices made while it is open form one record of Kind, pushed by Push (with the
// record's positions) or, when it closes without Push, with the caret before and after as positions if
// anything was changed. A step opened while another is open joins that one. While open it holds painting
// and the line list's update, so the block collapses to the caret once, when it closes. When an exception
// leaves it open, its splices are taken back, so a failed command leaves the text as it was.
class TxeUndoStep {
 public:
  TxeUndoStep(TxeEditModel& Model, TUndoKind Kind);
  ~TxeUndoStep();
  TxeUndoStep(const TxeUndoStep&) = delete;
  TxeUndoStep& operator=(const TxeUndoStep&) = delete;
  void Push(TPoint StartPos, TPoint EndPos, TSelectionMode Mode);
  bool Edited() const { return !FRecord.Splices.empty(); }
  // Undo puts the caret at Caret and selects Begin..End (as stored, unclamped) again.
  void SetBlockBefore(TPoint Caret, TPoint Begin, TPoint End);

 private:
  void Close();
  TxeEditModel& FModel;
  TUndoRecord FRecord;
  bool FOwner = false;
  int FExceptions = 0;
};

// Groups the records pushed in its scope into one undo step when SetOneStep(true) was called. Left by an
// exception, it takes back what its scope changed.
class TxeUndoGroup {
 public:
  explicit TxeUndoGroup(TxeEditModel& Model, bool OneStep = true)
      : FModel(Model), FOneStep(OneStep), FExceptions(std::uncaught_exceptions()) {
    FModel.BeginUndoGroup();
  }
  ~TxeUndoGroup() { FModel.EndUndoGroup(FOneStep, FTakeBack || std::uncaught_exceptions() > FExceptions); }
  TxeUndoGroup(const TxeUndoGroup&) = delete;
  TxeUndoGroup& operator=(const TxeUndoGroup&) = delete;
  void SetOneStep(bool Value) { FOneStep = Value; }
  // At its end the scope's changes are taken back, as after a failure (an outermost group only).
  void TakeBack() { FTakeBack = true; }

 private:
  TxeEditModel& FModel;
  bool FOneStep;
  bool FTakeBack = false;
  int FExceptions;
};

// Holds painting for a scope.
class TxePaintHold {
 public:
  explicit TxePaintHold(TxeEditModel& Model) : FModel(Model) { FModel.BeginUpdate(); }
  ~TxePaintHold() { FModel.EndUpdate(); }
  TxePaintHold(const TxePaintHold&) = delete;
  TxePaintHold& operator=(const TxePaintHold&) = delete;

 private:
  TxeEditModel& FModel;
};
