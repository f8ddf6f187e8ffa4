// The document of an editor as assistive technology sees it: offsets in UTF-16 units of the lines
// joined by "\n" (TxeTextUnits), and the events of edits, caret moves and selections. The counts
// are kept only while accessibility is active, and every answer reads only the lines it needs, so
// an edit never costs time in proportion to the document.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "xeEditTypes.h"
#include "xeTextUnits.h"

class QAccessibleEvent;
class TxeCustomEdit;

// Where the editor's events go: to Qt's accessibility, or to a receiver of a test or benchmark on
// a platform without an accessibility bridge (offscreen), which also turns the reporting on.
using TAccessibleEventSink = void (*)(QAccessibleEvent* Event);
void SetAccessibleEventSink(TAccessibleEventSink Sink);
// Whether edits are told: while Qt's accessibility is active or a receiver is set.
bool AccessibilityReporting();

class TxeAccessibleText {
 public:
  explicit TxeAccessibleText(TxeCustomEdit& Edit) : FEdit(Edit) {}

  // From the widget's view hooks while accessibility is active.
  void LinesChanging();
  void LinesReplaced(int First, int OldCount, int NewCount);
  void CaretPlaced();
  // Accessibility is off: the counts would go stale.
  void Forget() { FBuilt = false; }

  // Questions of the accessible interface.
  int Length();
  int Offset(TPoint P);
  TPoint Position(int Offset);
  QString Text(int Start, int End);
  int LineAt(int Offset);
  int LineStart(int Line);  // 0-based line
  int CaretOffset() { return Offset(CaretPoint()); }
  // The selections as offset ranges: one stream, or one range per line of a column block.
  int SelectionCount();
  void Selection(int Index, int* Start, int* End);

 private:
  void EnsureCounts();
  TPoint CaretPoint() const;
  std::u16string SpanText(int First, int Count, const std::vector<std::string>* Old) const;
  void SendTextChange(int Position, const std::u16string& Removed, const std::u16string& Inserted);
  static void Send(QAccessibleEvent& Event);

  TxeCustomEdit& FEdit;
  TxeTextUnits FUnits;
  bool FBuilt = false;
  // The lines an edit is likely to change, as they were before it.
  int FSnapFirst = 0;
  std::vector<std::string> FSnapshot;
  bool FSnapped = false;
  // Last reported caret offset and selection.
  int FCaret = -1;
  int FSelStart = -1, FSelEnd = -1;
};
