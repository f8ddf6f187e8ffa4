#include "xeAccessibleText.h"

#include <QAccessible>
#include <algorithm>

#include "xeCustomEdit.h"

namespace {

// Larger edits are reported without their text (assistive technology reads what it needs).
constexpr std::size_t MaxEventUnits = 1 << 20;
constexpr std::size_t MaxSnapshotBytes = 16 << 20;

int ClampInt(std::int64_t V) { return static_cast<int>(std::clamp<std::int64_t>(V, 0, 0x7FFFFFFF)); }

QString ToQString(const std::u16string& S) {
  return QString::fromUtf16(S.data(), static_cast<qsizetype>(S.size()));
}

TAccessibleEventSink gSink = nullptr;

}  // namespace

void SetAccessibleEventSink(TAccessibleEventSink Sink) { gSink = Sink; }

bool AccessibilityReporting() { return gSink || QAccessible::isActive(); }

void TxeAccessibleText::Send(QAccessibleEvent& Event) {
  if (gSink)
    gSink(&Event);
  else
    QAccessible::updateAccessibility(&Event);
}

void TxeAccessibleText::EnsureCounts() {
  if (FBuilt) return;
  FUnits.Reset(FEdit.Lines());
  FBuilt = true;
}

TPoint TxeAccessibleText::CaretPoint() const { return FEdit.CaretPos(); }

int TxeAccessibleText::Length() {
  EnsureCounts();
  return ClampInt(FUnits.Length());
}

int TxeAccessibleText::LineStart(int Line) {
  EnsureCounts();
  return ClampInt(FUnits.LineStart(Line));
}

int TxeAccessibleText::LineAt(int Offset) {
  EnsureCounts();
  return FUnits.LineAt(Offset);
}

int TxeAccessibleText::Offset(TPoint P) {
  EnsureCounts();
  const int line = std::clamp(P.Y, 1, std::max(FEdit.LineCount(), 1));
  const std::string_view text = FEdit.LineText(line);
  // Beyond a line's end is its end.
  const std::size_t bytes =
      std::min<std::size_t>(static_cast<std::size_t>(std::max(P.X - 1, 0)), text.size());
  return ClampInt(FUnits.LineStart(line - 1) + Utf16Length(text.substr(0, bytes)));
}

TPoint TxeAccessibleText::Position(int Offset) {
  EnsureCounts();
  const std::int64_t offset = std::clamp<std::int64_t>(Offset, 0, FUnits.Length());
  const int line = FUnits.LineAt(offset);
  const std::string_view text = FEdit.LineText(line + 1);
  const std::int64_t within = std::min(offset - FUnits.LineStart(line), FUnits.LineUnits(line));
  return {static_cast<int>(ByteOfUnit(text, within)) + 1, line + 1};
}

QString TxeAccessibleText::Text(int Start, int End) {
  EnsureCounts();
  const std::int64_t length = FUnits.Length();
  const std::int64_t start = std::clamp<std::int64_t>(Start, 0, length);
  const std::int64_t end = End < 0 ? length : std::clamp<std::int64_t>(End, start, length);
  const std::size_t want = static_cast<std::size_t>(end - start);
  std::u16string out;
  out.reserve(want);
  int line = FUnits.LineAt(start);
  std::int64_t skip = start - FUnits.LineStart(line);
  const int count = FEdit.LineCount();
  for (; line < count && out.size() < want; ++line) {
    const std::string_view text = FEdit.LineText(line + 1);
    const std::size_t from = ByteOfUnit(text, skip);
    // A start inside a surrogate pair drops the pair's first half.
    const std::int64_t drop = skip - Utf16Length(text.substr(0, from));
    // No more bytes than the units still wanted can fill.
    const std::size_t bytes = std::min(text.size() - from, (want - out.size() + 2) * 4);
    const std::size_t before = out.size();
    AppendUtf16(out, text.substr(from, bytes));
    if (drop > 0) out.erase(before, static_cast<std::size_t>(drop));
    if (line + 1 < count) out.push_back(u'\n');
    skip = 0;
  }
  if (out.size() > want) out.resize(want);
  return ToQString(out);
}

int TxeAccessibleText::SelectionCount() {
  if (!FEdit.HasSelection()) return 0;
  if (FEdit.SelectionMode() != smColumn) return 1;
  return FEdit.SelEnd().Y - FEdit.SelBegin().Y + 1;
}

void TxeAccessibleText::Selection(int Index, int* Start, int* End) {
  *Start = *End = 0;
  if (Index < 0 || Index >= SelectionCount()) return;
  const TPoint b = FEdit.SelBegin(), e = FEdit.SelEnd();
  switch (FEdit.SelectionMode()) {
    case smNormal:
      *Start = Offset(b);
      *End = Offset(e);
      break;
    case smLine:
      *Start = Offset({1, b.Y});
      *End = e.Y < FEdit.LineCount() ? Offset({1, e.Y + 1}) : Length();
      break;
    case smColumn: {
      const int line = b.Y + Index;
      *Start = Offset({std::min(b.X, e.X), line});
      *End = Offset({std::max(b.X, e.X), line});
      break;
    }
  }
}

void TxeAccessibleText::LinesChanging() {
  EnsureCounts();
  // The caret line and the selection, with a line either side: what typing, deleting and pasting
  // change. Their old text lets the events carry what was removed.
  const int first = std::max(1, std::min(FEdit.CaretLine(), FEdit.SelBegin().Y) - 1);
  const int last = std::min(FEdit.LineCount(), std::max(FEdit.CaretLine(), FEdit.SelEnd().Y) + 1);
  FSnapshot.clear();
  FSnapped = false;
  std::size_t bytes = 0;
  for (int y = first; y <= last; ++y) bytes += FEdit.LineText(y).size();
  if (bytes > MaxSnapshotBytes) return;
  FSnapFirst = first - 1;
  for (int y = first; y <= last; ++y) FSnapshot.emplace_back(FEdit.LineText(y));
  FSnapped = true;
}

// The lines First..First+Count-1, each followed by "\n"; from the snapshot when Old is given.
std::u16string TxeAccessibleText::SpanText(int First, int Count, const std::vector<std::string>* Old) const {
  std::u16string out;
  for (int i = 0; i < Count; ++i) {
    AppendUtf16(out, Old ? std::string_view((*Old)[static_cast<std::size_t>(First - FSnapFirst + i)])
                         : FEdit.LineText(First + i + 1));
    out.push_back(u'\n');
  }
  return out;
}

void TxeAccessibleText::LinesReplaced(int First, int OldCount, int NewCount) {
  if (!FBuilt) {
    // Counted after the change: the old text is unknown, so nothing can be told.
    EnsureCounts();
    FSnapped = false;
    return;
  }
  std::int64_t position = FUnits.LineStart(First);
  const std::int64_t oldUnits = FUnits.Replace(First, OldCount, NewCount, FEdit.Lines());
  const std::int64_t newUnits = NewCount > 0 ? FUnits.LineStart(First + NewCount) - position : 0;
  const bool known =
      FSnapped && First >= FSnapFirst && First + OldCount <= FSnapFirst + static_cast<int>(FSnapshot.size());
  FSnapped = false;
  FSnapshot.shrink_to_fit();
  std::u16string removed, inserted;
  const bool small = static_cast<std::size_t>(oldUnits) <= MaxEventUnits &&
                     static_cast<std::size_t>(newUnits) <= MaxEventUnits;
  if (small) {
    removed = known ? SpanText(First, OldCount, &FSnapshot)
                    : std::u16string(static_cast<std::size_t>(oldUnits), u' ');
    inserted = SpanText(First, NewCount, nullptr);
  }
  FSnapshot.clear();
  // The last line has no "\n" of its own: a span at the end gives its break to the line before.
  if (First + NewCount == FEdit.LineCount()) {
    if (small) {
      if (!removed.empty() && !inserted.empty()) {
        removed.pop_back();
        inserted.pop_back();
      } else if (!removed.empty() || !inserted.empty()) {
        std::u16string& side = removed.empty() ? inserted : removed;
        side.pop_back();
        side.insert(side.begin(), u'\n');
        --position;
      }
    }
  }
  if (!small) {
    SendTextChange(ClampInt(position), {}, {});
    return;
  }
  // Only what differs.
  std::size_t head = 0;
  if (known) {
    while (head < removed.size() && head < inserted.size() && removed[head] == inserted[head]) ++head;
    std::size_t tail = 0;
    while (tail < removed.size() - head && tail < inserted.size() - head &&
           removed[removed.size() - 1 - tail] == inserted[inserted.size() - 1 - tail])
      ++tail;
    removed = removed.substr(head, removed.size() - head - tail);
    inserted = inserted.substr(head, inserted.size() - head - tail);
  }
  if (!removed.empty() || !inserted.empty())
    SendTextChange(ClampInt(position + static_cast<std::int64_t>(head)), removed, inserted);
}

void TxeAccessibleText::SendTextChange(int Position, const std::u16string& Removed,
                                       const std::u16string& Inserted) {
  FCaret = -1;  // the caret's offset is told again after any edit
  QObject* object = &FEdit;
  if (Removed.empty() && !Inserted.empty()) {
    QAccessibleTextInsertEvent event(object, Position, ToQString(Inserted));
    Send(event);
  } else if (Inserted.empty() && !Removed.empty()) {
    QAccessibleTextRemoveEvent event(object, Position, ToQString(Removed));
    Send(event);
  } else {
    QAccessibleTextUpdateEvent event(object, Position, ToQString(Removed), ToQString(Inserted));
    Send(event);
  }
}

void TxeAccessibleText::CaretPlaced() {
  int start = 0, end = 0;
  if (SelectionCount() > 0) Selection(0, &start, &end);
  if (start != FSelStart || end != FSelEnd) {
    FSelStart = start;
    FSelEnd = end;
    QAccessibleTextSelectionEvent event(&FEdit, start, end);
    Send(event);
  }
  const int caret = CaretOffset();
  if (caret != FCaret) {
    FCaret = caret;
    QAccessibleTextCursorEvent event(&FEdit, caret);
    Send(event);
  }
}
