// The life of the document: types and highlighter buttons, New, Open, Load, Save, Save As, Paste.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "CharsetDeclarationEdit.h"
#include "DocumentFile.h"
#include "EncodingDlg.h"
#include "FileDlg.h"
#include "MainStatusBar.h"
#include "MsgDlg.h"
#include "RecoveryKeeper.h"
#include "main.h"
#include "xeCustomEdit.h"
#include "xeUtf8.h"

namespace {

const char* const FileFilter =
    "HTML files|*.htm?;*.?htm?;*.htm|Style Sheets|*.css|JavaScript files|*.js|"
    "Text files|*.txt;*.me;*.diz;*.log|All files|*.*";

// Shows progress only when a load or save runs longer than half a second.
class TSlowProgress {
 public:
  TSlowProgress(QWidget* Parent, const QString& Label) : FParent(Parent), FLabel(Label) { FClock.start(); }

  void Step(qint64 Done, qint64 Total) {
    if (!FDialog) {
      if (FClock.elapsed() < 500 || Total <= 0) return;
      FDialog = std::make_unique<QProgressDialog>(FLabel, QString(), 0, 1000, FParent);
      FDialog->setWindowModality(Qt::WindowModal);
      FDialog->setMinimumDuration(0);
    }
    FDialog->setValue(int(Done * 1000 / Total));
  }

 private:
  QWidget* FParent;
  QString FLabel;
  QElapsedTimer FClock;
  std::unique_ptr<QProgressDialog> FDialog;
};

// A wait cursor while a large document is read, split and highlighted, or written.
class TBusyCursor {
 public:
  explicit TBusyCursor(bool Large) : FOn(Large) {
    if (FOn) QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~TBusyCursor() {
    if (FOn) QApplication::restoreOverrideCursor();
  }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;

 private:
  bool FOn;
};

constexpr qint64 LargeFile = 8 << 20;

const char* const OverruledMessage = "The file declares %1 but is UTF-8; it was read as UTF-8.";

// Says in the status bar that the document was read as UTF-8 against its declaration (an empty Label: it
// was not), taking back only such a message of an earlier document: others are not the document's.
void ShowOverruled(QStatusBar* Bar, const std::string& Label) {
  const QString message = QString::fromLatin1(OverruledMessage);
  const QString shown = Bar->currentMessage();
  if (!Label.empty())
    Bar->showMessage(message.arg(QString::fromStdString(Label)));
  else if (shown.startsWith(message.section(QLatin1Char('%'), 0, 0)) &&
           shown.endsWith(message.section(QStringLiteral("%1"), 1)))
    Bar->clearMessage();
}

// The declarations a file of this name can hold, as its reader and writer look for them.
TDeclarations DeclarationsOf(const QString& FileName) {
  const int type = DocTypeOf(FileName);
  return type == dtHTML ? dcHTML : type == dtCSS ? dcCSS : dcNone;
}

}  // namespace

void TMainForm::SetDocType(int Type) {
  if (Type < dtNone || Type > dtCSS) return;
  HLBtnClick(Type);
  if (AutoHide) {
    Menu(QStringLiteral("HTML1"))->menuAction()->setVisible(Type == dtHTML);
    Menu(QStringLiteral("JavaScript1"))->menuAction()->setVisible(Type == dtJavaScript);
    Menu(QStringLiteral("CSS1"))->menuAction()->setVisible(Type == dtCSS);
  }
}

void TMainForm::HLBtnClick(int Type) {
  if (Highlite) {
    FDocType = Type;
    EditorSetHighLighter(Type);
  }
  SyncHLButtons();
  emit DocumentChanged();
}

void TMainForm::SyncHLButtons() {
  for (int i = 0; i < 4; ++i)
    if (FHLButtons[i]) FHLButtons[i]->setChecked(i == FDocType);
}

bool TMainForm::ConfirmDiscard() {
  if (!EditorModified()) return true;
  switch (MessageDlg(QStringLiteral("Save current file before close?"), mtWarning, mbYes | mbNo | mbCancel,
                     this)) {
    case mrYes: return Save1Click();  // a failed or cancelled save keeps the text
    case mrNo: return true;
    default: return false;
  }
}

bool TMainForm::NewDocument(int Kind) {
  if (!ConfirmDiscard()) return false;
  const TDocTemplate* pattern = DocTemplate(Kind, ModernHTML);
  if (!pattern) return true;
  EditorSetText(pattern->Text);
  SetDocType(pattern->DocType);
  EditorSetCaret(pattern->CaretX, pattern->CaretY);
  EditorSetModified(false);
  FOnDisk = false;
  FLineBreak = lbLF;
  FEncoding = TEncoding{};
  FKeepBytes = false;
  FTypeSwitch = -1;
  FRecovery->Settled();
  ShowOverruled(StatusBar1, {});
  return true;
}

void TMainForm::Newblank1Click() {
  if (!NewDocument(0)) return;
  DocFileName = DefFn + QLatin1Char('.') + DefFTExtension(DefFT);
  SetTitle();
}

void TMainForm::NewFromTemplate(int Kind) {
  if (!NewDocument(Kind)) return;
  DocFileName = DefFn + QLatin1Char('.') + QString::fromLatin1(DocTemplate(Kind)->Extension);
  SetTitle();
}

void TMainForm::Open1Click() {
  if (EditorModified() && !ConfirmDiscard()) return;
  const QString name =
      FileDialogs().OpenFileName(this, QStringLiteral("Open"), QString::fromLatin1(FileFilter));
  if (name.isEmpty()) return;
  OpenDocument(name);
}

void TMainForm::OpenDocument(const QString& FileName) {
  if (LoadDocument(FileName)) FTypeSwitch = -1;
  SetDocType(DocTypeOf(FileName));
}

bool TMainForm::LoadDocument(const QString& FileName, const std::optional<TEncoding>& Encoding) {
  QString why;
  TReadResult result;
  TFileForm form;
  form.ExchangeTabs = !KeepTabs;
  TEncodingChoice choice;
  choice.Forced = Encoding;
  choice.Declarations = DeclarationsOf(FileName);
  choice.EightBit = CodePageEncoding(EightBit.toStdString());
  {
    TBusyCursor busy(QFileInfo(FileName).size() >= LargeFile);
    result = ReadIntoEditor(FileName, &why, &form, choice);
  }
  if (result == TReadResult::Declined) return false;
  if (result == TReadResult::Failed) {
    QString text = QStringLiteral("Error on load file");
    if (!why.isEmpty()) text += QStringLiteral("\n\n") + why;
    MessageDlg(text, mtError, mbOK, this);
    return false;
  }
  DocFileName = FileName;
  FOnDisk = true;
  FLineBreak = form.Break;
  FEncoding = form.Encoding;
  FKeepBytes = form.KeepBytes;
  // The text is the file's: nothing to save, whatever the document before it was.
  EditorSetModified(false);
  FRecovery->Settled();
  RememberDiskState(form.Checksum);
  RememberDocument(FileName);
  SetTitle();
  ShowOverruled(StatusBar1, form.OverruledDeclaration);
  return true;
}

bool TMainForm::Save1Click() {
  // A document that never was on disk gets a name from the user first.
  if (DocFileName == DefFn || !FOnDisk || DocFileName.isEmpty()) return SaveAs1Click();
  return SaveDocument(DocFileName);
}

bool TMainForm::SaveAs1Click() {
  const QString name =
      FileDialogs().SaveFileName(this, QStringLiteral("Save As"), QString::fromLatin1(FileFilter),
                                 DocTypeDefaultExt(DocTypeOf(DocFileName)), DocFileName);
  if (name.isEmpty()) return false;
  if (!SaveDocument(name)) return false;
  FTypeSwitch = -1;
  return true;
}

bool TMainForm::WriteWithProgress(const QString& FileName, const TFileForm& Form, QString* Why,
                                  std::uint64_t* Checksum) {
  TBusyCursor busy(EditorLineCount() >= 100000);
  TSlowProgress progress(this, QStringLiteral("Saving ") + FileName);
  return WriteDocumentFile(
      FileName, EditorLineCount(), [this](std::size_t i) { return EditorLine(i); }, Why,
      [&progress](qint64 Done, qint64 Total) { progress.Step(Done, Total); }, Form, Checksum);
}

bool TMainForm::ConfirmEncodable(TEncoding& Encoding) {
  TUnencodable found;
  if (!FindUnencodable(
          EditorLineCount(), [this](std::size_t i) { return EditorLine(i); }, Encoding, &found))
    return true;
  const std::string_view line = EditorLine(found.Line);
  const int length = std::max(Utf8CharLen(line, found.Offset), 1);
  char32_t code = 0;
  Utf8Decode(line, found.Offset, &code);
  const QString what =
      length > 1
          ? QStringLiteral("\u201C%1\u201D (U+%2)")
                .arg(QString::fromUtf8(line.data() + found.Offset, length))
                .arg(QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0')))
          : QStringLiteral("a byte (0x%1) that is no character").arg(QString::number(code, 16).toUpper());
  const QString text =
      QStringLiteral("Line %1 holds %2, which %3 cannot hold.\n\nSave the document as UTF-8 instead?")
          .arg(found.Line + 1)
          .arg(what, QString::fromStdString(EncodingName(Encoding)));
  if (MessageDlg(text, mtWarning, mbYes | mbCancel, this) != mrYes) {
    // The caret goes to the character, so that it can be changed.
    EditorSetCaret(int(found.Offset) + 1, int(found.Line) + 1);
    return false;
  }
  Encoding = TEncoding{};
  return true;
}

bool TMainForm::SaveDocument(const QString& FileName) {
  if (!MayOverwrite(FileName)) return false;
  QString why;
  TFileForm form = SaveForm();
  const TEncoding asked = form.Encoding;
  if (!ConfirmEncodable(form.Encoding)) return false;
  // An encoding the user chose is declared by the file too, when it declares one.
  if (FSavingWithEncoding || !(form.Encoding == asked))
    OfferDeclarationChange(this, *Memo1, DeclarationsOf(FileName), form.Encoding);
  std::uint64_t checksum = 0;
  if (!WriteWithProgress(FileName, form, &why, &checksum)) {
    QString text = QStringLiteral("Unable to save file!\nCheck you access rights to select drive");
    if (!why.isEmpty()) text += QStringLiteral("\n\n") + why;
    MessageDlg(text, mtError, mbOK, this);
    return false;
  }
  DocFileName = FileName;
  FOnDisk = true;
  FLineBreak = form.Break;
  FEncoding = form.Encoding;
  RememberDiskState(checksum);
  RememberDocument(FileName);
  SetTitle();
  EditorSetModified(false);
  FRecovery->Settled();
  LastSeenStamp = NowStamp();
  return true;
}

void TMainForm::ReopenWithEncoding1Click() {
  if (!FOnDisk) return;
  TEncoding chosen;
  if (!EncodingDialogs().Choose(this, QStringLiteral("Reopen with encoding"), FEncoding, &chosen)) return;
  if (EditorModified() && !ConfirmDiscard()) return;
  LoadDocument(DocFileName, chosen);
}

bool TMainForm::SaveWithEncoding1Click() {
  TEncoding chosen;
  if (!EncodingDialogs().Choose(this, QStringLiteral("Save with encoding"), FEncoding, &chosen)) return false;
  // The document takes the encoding once it is saved in it.
  const TEncoding before = FEncoding;
  FEncoding = chosen;
  FSavingWithEncoding = true;
  const auto reset = qScopeGuard([this] { FSavingWithEncoding = false; });
  if (Save1Click()) return true;
  FEncoding = before;
  return false;
}

void TMainForm::EditPaste1Execute() {
  const std::string text = QGuiApplication::clipboard()->text().toUtf8().toStdString();
  // Kept bytes have no tab exchange on saving either.
  EditorReplaceSelection(KeepTabs || FKeepBytes ? text : ExpandTabs(text));
}
