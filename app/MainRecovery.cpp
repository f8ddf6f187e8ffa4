// Crash recovery for the main window's document: the keeper of its recovery copy, the question at start
// for copies left behind by a program that is gone, and leaving on a signal with the copy written.
#include <QApplication>
#include <QLocale>
#include <algorithm>

#include "MemoryBudget.h"
#include "MsgDlg.h"
#include "RecoveryKeeper.h"
#include "main.h"
#include "xeCustomEdit.h"

void TMainForm::CreateRecovery() {
  TRecoveryKeeper::TDocument document;
  document.Modified = [this] { return EditorModified(); };
  document.LineCount = [this] { return EditorLineCount(); };
  document.Line = [this](std::size_t Index) { return EditorLine(Index); };
  document.Header = [this] {
    TRecoveryHeader header;
    header.FileName = DocFileName;
    header.OnDisk = FOnDisk;
    header.Break = FLineBreak;
    header.CaretX = Memo1->CaretCol();
    header.CaretY = Memo1->CaretLine();
    header.Encoding = FEncoding;
    return header;
  };
  FRecovery = new TRecoveryKeeper(std::move(document), this);
  Memo1->OnChange = [this, next = std::move(Memo1->OnChange)](TObject* Sender) {
    if (next) next(Sender);
    FRecovery->Changed();
  };
}

void TMainForm::OfferRecovery() {
  std::vector<TFoundCopy> copies = FindOrphanedCopies();
  // The file named on the command line first.
  std::stable_partition(copies.begin(), copies.end(),
                        [this](const TFoundCopy& C) { return FOnDisk && C.Header.FileName == DocFileName; });
  for (TFoundCopy& copy : copies) {
    if (!NewerThanItsFile(copy)) continue;
    const QString question =
        QStringLiteral("Recover the unsaved text of %1 from %2?")
            .arg(copy.Header.FileName, QLocale::system().toString(copy.Written, QLocale::ShortFormat));
    switch (MessageDlg(question, mtWarning, mbYes | mbNo, this)) {
      case mrYes: Recover(copy); return;
      case mrNo: DeleteFoundCopy(copy); break;
      default: return;  // closed without an answer: the copies stay for the next start
    }
  }
}

bool TMainForm::Recover(TFoundCopy& Copy) {
  std::string text;
  QString why;
  if (!ReadRecoveryText(Copy, text, &why)) {
    MessageDlg(QStringLiteral("Error on load file\n\n") + why, mtError, mbOK, this);
    return false;
  }
  const TRecoveryHeader& header = Copy.Header;
  SetDocType(DocTypeOf(header.FileName));
  if (!RunWithinMemory(this, [&] { Memo1->SetText(std::move(text)); })) return false;
  Memo1->ClearUndo();
  emit DocumentReplaced();
  DocFileName = header.FileName;
  FOnDisk = header.OnDisk;
  FLineBreak = header.Break;
  FEncoding = header.Encoding;
  FKeepBytes = false;
  FTypeSwitch = -1;
  EditorSetCaret(header.CaretX, header.CaretY);
  // Unsaved text, to be saved under its own name.
  EditorSetModified(true);
  RememberDiskState(std::nullopt);
  SetTitle();
  FRecovery->Adopt(std::move(Copy));
  return true;
}

void TMainForm::LeaveOnSignal() {
  if (FLeaving) return;
  FLeaving = true;
  FRecovery->WriteNow();
  // Leaves every event loop, a question's too, without the questions of closing the window.
  QCoreApplication::exit(0);
}
