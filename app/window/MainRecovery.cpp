// Crash recovery for the main window's document: the keeper of its recovery copy, the question at start
// for copies left behind by a program that is gone, and leaving on a signal with the copy written.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include "MainStatusBar.h"
#include "MemoryReport.h"
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
    if (FOnDisk) header.Disk = FDiskState;
    return header;
  };
  FRecovery = new TRecoveryKeeper(std::move(document), this);
  FRecovery->OnTrouble = [this](const QString& Why) { ShowRecoveryTrouble(Why); };
  Memo1->OnChange = [this, next = std::move(Memo1->OnChange)](TObject* Sender) {
    if (next) next(Sender);
    FRecovery->Changed();
  };
}

void TMainForm::ShowRecoveryTrouble(const QString& Why) {
  // Said once: the keeper reports again only after a copy was written in between. The narrow field shows
  // the reason; the folder may be cut off there, so the whole text is the bar's tool tip too.
  if (!Why.isEmpty())
    StatusBar1->showMessage(Why);
  else if (StatusBar1->currentMessage() == FRecoveryTrouble)
    StatusBar1->clearMessage();
  if (StatusBar1->toolTip() == FRecoveryTrouble) StatusBar1->setToolTip(Why);
  FRecoveryTrouble = Why;
}

void TMainForm::OfferRecovery() {
  std::vector<TFoundCopy> copies = FindOrphanedCopies();
  // The file named on the command line first.
  std::stable_partition(copies.begin(), copies.end(),
                        [this](const TFoundCopy& C) { return FOnDisk && C.Header.FileName == DocFileName; });
  for (TFoundCopy& copy : copies) {
    const QString name = copy.Header.FileName;
    QString question = QStringLiteral("Recover the unsaved text of %1 from %2?")
                           .arg(name, QLocale::system().toString(copy.Written, QLocale::ShortFormat));
    TContentStamp file;
    const TCopyTarget target = TargetOf(copy, &file);
    if (target == TCopyTarget::FileChanged)
      question +=
          QStringLiteral(
              "\n\n%1 has been changed since. The text opens as a new document that is not saved yet; "
              "the file stays as it is.")
              .arg(name);
    else if (target == TCopyTarget::Unknown)
      question += QStringLiteral(
          "\n\nThe copy does not tell which folder the file is in. The text opens as a new document that is "
          "not saved yet.");
    switch (MessageDlg(question, mtWarning, mbYes | mbNo, this)) {
      case mrYes: Recover(copy, target, file); return;
      case mrNo: DeleteFoundCopy(copy); break;
      default: return;  // closed without an answer: the copies stay for the next start
    }
  }
}

bool TMainForm::Recover(TFoundCopy& Copy, TCopyTarget Target, const TContentStamp& File) {
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
  // A copy that cannot go back to its file is saved under a name the user gives (a new document's name
  // only proposes one).
  if (QDir::isRelativePath(DocFileName)) {
    const QString suffix = QFileInfo(DocFileName).suffix();
    DocFileName = DefFn + QLatin1Char('.') + (suffix.isEmpty() ? DefFTExtension(DefFT) : suffix);
  }
  FOnDisk = header.OnDisk && Target == TCopyTarget::OwnFile;
  FLineBreak = header.Break;
  FEncoding = header.Encoding;
  FKeepBytes = false;
  FTypeSwitch = -1;
  EditorSetCaret(header.CaretX, header.CaretY);
  // Unsaved text, to be saved under its own name.
  EditorSetModified(true);
  RememberDiskState(File.Identity == FileIdentityOf(DocFileName) ? File.Checksum : std::nullopt);
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
