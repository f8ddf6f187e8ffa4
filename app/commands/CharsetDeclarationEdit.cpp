#include "CharsetDeclarationEdit.h"

#include <QString>
#include <algorithm>
#include <string>
#include <vector>

#include "MsgDlg.h"
#include "xeCommands.h"
#include "xeEditModel.h"

namespace {

// The first lines joined by LF, as far as a declaration can stand; Starts receives where each begins.
std::string HeadOf(const TxeEditModel& Editor, std::vector<std::size_t>& Starts) {
  std::string head;
  for (int y = 1; y <= Editor.LineCount() && head.size() < DeclarationReach; ++y) {
    if (y > 1) head += '\n';
    Starts.push_back(head.size());
    head.append(Editor.LineText(y).substr(0, DeclarationReach - std::min(head.size(), DeclarationReach)));
  }
  return head;
}

TPoint PointAt(const std::vector<std::size_t>& Starts, std::size_t Offset) {
  const auto line = std::size_t(std::upper_bound(Starts.begin(), Starts.end(), Offset) - Starts.begin()) - 1;
  return {int(Offset - Starts[line]) + 1, int(line) + 1};
}

bool Before(TPoint A, TPoint B) { return A.Y < B.Y || (A.Y == B.Y && A.X < B.X); }

// Where P is once From..To has become Length bytes on one line; a point inside goes to the end.
TPoint Shifted(TPoint P, TPoint From, TPoint To, int Length) {
  if (!Before(From, P)) return P;
  if (!Before(To, P)) return {From.X + Length, From.Y};
  if (P.Y == To.Y) return {From.X + Length + (P.X - To.X), From.Y};
  return {P.X, P.Y - (To.Y - From.Y)};
}

// A label from a hostile file may be anything: the question shows a short one.
QString Shown(const std::string& Label) {
  const QString label = QString::fromUtf8(Label.data(), qsizetype(Label.size()));
  return label.size() > 40 ? label.left(40) + QStringLiteral("\u2026") : label;
}

}  // namespace

bool OfferDeclarationChange(QWidget* Parent, TxeEditModel& Editor, TDeclarations Kind,
                            const TEncoding& Encoding) {
  std::vector<std::size_t> starts;
  const std::optional<TDeclarationChange> change =
      DeclarationChangeFor(HeadOf(Editor, starts), Kind, Encoding);
  if (!change) return false;
  const QString question = QStringLiteral("The page declares %1; change the declaration to %2?")
                               .arg(Shown(change->Old), QString::fromStdString(change->New));
  if (MessageDlg(question, mtConfirmation, mbYes | mbNo, Parent) != mrYes) return false;
  const TPoint from = PointAt(starts, change->Start), to = PointAt(starts, change->End);
  const int length = int(change->New.size());
  const TPoint caret = Shifted(Editor.CaretPos(), from, to, length);
  const TPoint blockBegin = Shifted(Editor.BlockBegin(), from, to, length);
  const TPoint blockEnd = Shifted(Editor.BlockEnd(), from, to, length);
  TxePaintHold hold(Editor);
  TxeUndoGroup step(Editor);
  {
    xeCmd::TModeHold stream(Editor, smNormal);
    Editor.SelectBlock(from, to);
    Editor.ReplaceSelectionWithUndo(change->New);
  }
  Editor.SelectBlock(blockBegin, blockEnd);
  Editor.SetCaretFree(caret);
  return true;
}
