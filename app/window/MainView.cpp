// What the window shows around the document: the status bar, line numbers, zoom, and the state of
// the Undo and Redo actions. None of it changes the stored settings' meaning; the two view switches
// are remembered in the settings store.
#include <QAction>
#include <QMenu>
#include <optional>

#include "DocumentText.h"
#include "FormStorage.h"
#if QUILLAN_WEBENGINE
#include "LivePreview.h"
#endif
#include "MainStatusBar.h"
#include "ShortCuts.h"
#include "main.h"
#include "xeCustomEdit.h"

namespace {

constexpr int MinFontSize = 6;
constexpr int MaxFontSize = 72;

// The font Setup gave, Steps points (or pixels, for a font sized in pixels) larger; none when that
// size lies outside what Setup allows.
std::optional<QFont> ZoomedFont(const QFont& Base, int Steps) {
  QFont font = Base;
  if (Steps == 0) return font;
  const bool points = Base.pointSize() > 0;
  const int size = (points ? Base.pointSize() : Base.pixelSize()) + Steps;
  if (size < MinFontSize || size > (points ? MaxFontSize : MaxFontSize * 4 / 3)) return std::nullopt;
  if (points)
    font.setPointSize(size);
  else
    font.setPixelSize(size);
  return font;
}

// The key the editor's keystroke map gives a command first.
QKeySequence EditorKeyOf(const TxeKeyStrokes& Keys, TxeEditorCommand Command) {
  for (int i = 0; i < Keys.Count(); ++i)
    if (Keys.Items(i).Command == Command && Keys.Items(i).Key2 == 0)
      return ShortCutToKeySequence(Keys.Items(i).GetShortCut());
  return {};
}

}  // namespace

void TMainForm::CreateViewCommands() {
  StatusBar1 = new TMainStatusBar(this);
  setStatusBar(StatusBar1);
  FBaseFont = Memo1->Font();

  // Others may listen to the editor as well: chain, do not replace.
  Memo1->OnStatusChange = [this, next = std::move(Memo1->OnStatusChange)](TObject* Sender,
                                                                          TxeStatusChanges Changes) {
    if (next) next(Sender, Changes);
    EditorStatusChanged();
  };
  Memo1->OnChange = [this, next = std::move(Memo1->OnChange)](TObject* Sender) {
    if (next) next(Sender);
    UpdateEditActions();
  };

  Action(QStringLiteral("EditRedo1"))->setShortcut(EditorKeyOf(Memo1->Keystrokes(), ecRedo));
  Action(QStringLiteral("ZoomIn1"))
      ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  Action(QStringLiteral("ZoomOut1"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  Action(QStringLiteral("ZoomNormal1"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

  QAction* lineNumbers = Action(QStringLiteral("ShowLineNumbers1"));
  lineNumbers->setCheckable(true);
  connect(lineNumbers, &QAction::toggled, this, &TMainForm::ShowLineNumbers);
  QAction* statusBar = Action(QStringLiteral("ShowStatusBar1"));
  statusBar->setCheckable(true);
  statusBar->setChecked(true);
  connect(statusBar, &QAction::toggled, this, &TMainForm::ShowStatusBar);
  connect(Action(QStringLiteral("ZoomIn1")), &QAction::triggered, this, [this] { ZoomBy(1); });
  connect(Action(QStringLiteral("ZoomOut1")), &QAction::triggered, this, [this] { ZoomBy(-1); });
  connect(Action(QStringLiteral("ZoomNormal1")), &QAction::triggered, this, [this] { ZoomBy(-FZoom); });
  connect(Menu(QStringLiteral("Edit1")), &QMenu::aboutToShow, this, &TMainForm::UpdateEditActions);
  EditorStatusChanged();
}

void TMainForm::ApplyViewSettings() {
  Action(QStringLiteral("ShowLineNumbers1"))
      ->setChecked(FormStorage->ReadBool(QStringLiteral("linenumbers")));
  Action(QStringLiteral("ShowStatusBar1"))->setChecked(FormStorage->ReadBool(QStringLiteral("statusbar")));
#if QUILLAN_WEBENGINE
  RestoreLivePreview(*this, FormStorage->ReadBool(QStringLiteral("livepreview")));
#endif
}

void TMainForm::ShowLineNumbers(bool On) {
  Action(QStringLiteral("ShowLineNumbers1"))->setChecked(On);
  TxeGutter& gutter = Memo1->Gutter();
  if (On) {
    // The narrowest field that holds the line count, growing with it.
    gutter.SetDigitCount(2);
    gutter.SetAutoSize(true);
    gutter.SetShowLineNumbers(true);
    gutter.SetVisible(true);
  } else {
    gutter.SetShowLineNumbers(false);
    gutter.SetVisible(false);
    gutter.SetWidth(0);
  }
  FormStorage->WriteBool(QStringLiteral("linenumbers"), On);
}

void TMainForm::ShowStatusBar(bool On) {
  Action(QStringLiteral("ShowStatusBar1"))->setChecked(On);
  StatusBar1->setVisible(On);
  if (On) EditorStatusChanged();
  FormStorage->WriteBool(QStringLiteral("statusbar"), On);
}

void TMainForm::ShowFileFormat() {
  StatusBar1->SetFileFormat(QString::fromStdString(EncodingName(FEncoding)),
                            QString::fromLatin1(LineBreakName(FLineBreak)));
}

void TMainForm::EditorStatusChanged() {
  if (!StatusBar1->isHidden()) StatusBar1->ShowEditorState(*Memo1);
  UpdateEditActions();
}

void TMainForm::UpdateEditActions() {
  Action(QStringLiteral("EditUndo1"))->setEnabled(Memo1->UndoAvailable());
  Action(QStringLiteral("EditRedo1"))->setEnabled(Memo1->RedoAvailable());
}

void TMainForm::SetEditorFont(const QFont& Font) {
  FBaseFont = Font;
  std::optional<QFont> zoomed = ZoomedFont(FBaseFont, FZoom);
  if (!zoomed) {
    FZoom = 0;  // the new size leaves no room for the old zoom
    zoomed = FBaseFont;
  }
  Memo1->SetFont(*zoomed);
}

void TMainForm::ZoomBy(int Steps) {
  const std::optional<QFont> zoomed = ZoomedFont(FBaseFont, FZoom + Steps);
  if (!zoomed) return;
  FZoom += Steps;
  Memo1->SetFont(*zoomed);
}
