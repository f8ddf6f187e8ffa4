#include "main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>
#include <utility>

#include "CompletionCommands.h"
#include "HelpView.h"
#include "IniLang.h"
#include "InsertMarkupCommands.h"
#include "MemoryReport.h"
#include "MsgDlg.h"
#if QUILLAN_WEBENGINE
#include "LivePreview.h"
#endif
#include "PageCheckPane.h"
#include "ReplaceDlg.h"
#include "SearchProgress.h"
#include "about.h"
#include "xeCustomEdit.h"

namespace {

const char* const TitlePrefix = "Orvex Quillan ";
constexpr int MajorVersion = 2;
constexpr int MinorVersion = 0;

// Days between 1899-12-30 and 1970-01-01.
constexpr double EpochDays = 25569.0;

double Stamp(const QDateTime& Time) {
  const qint64 local = Time.toMSecsSinceEpoch() + qint64(Time.offsetFromUtc()) * 1000;
  return EpochDays + double(local) / 86400000.0;
}

}  // namespace

TMainForm::TMainForm(const QStringList& Args, QWidget* Parent) : QMainWindow(Parent) {
  setObjectName(QStringLiteral("MainForm"));
  resize(600, 400);
  DefFn = QDir::homePath() + QStringLiteral("/untitled");
  CreateHighlighters();
  CreateEditors();
  CreateActions();
  CreateMenus();
  CreateToolBar();
  ConnectCommands();
  CreateDiskWatch();
  CreateRecovery();
  CreateSettings();
  CreateViewCommands();
  ConnectReopenMenu();
  // Families of commands connect themselves to the actions here.
  InstallAboutCommand(this);
  InstallSearchPrintCommands(*this);
  InstallMarkupCommands(*this);
  InstallCompletion(*this);
  InstallPageCheck(*this);
#if QUILLAN_WEBENGINE
  InstallLivePreview(*this);
#endif

  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState State) {
    // A search under way holds the document: an outside change is offered at a later activation.
    if (State == Qt::ApplicationActive && !TSearchProgress::Running())
      AppEventsActivate();
    else if (State == Qt::ApplicationInactive)
      AppEventsDeactivate();
  });
  FormCreate(Args);
}

TMainForm::~TMainForm() {
  // The editor goes first: it must not outlive the highlighter it shows.
  delete Memo1;
  Memo1 = nullptr;
  DestroyHighlighters();
}

QAction* TMainForm::Action(const QString& ObjectName) const { return findChild<QAction*>(ObjectName); }

QMenu* TMainForm::Menu(const QString& ObjectName) const { return findChild<QMenu*>(ObjectName); }

QToolButton* TMainForm::ToolButton(const QString& ObjectName) const {
  return findChild<QToolButton*>(ObjectName);
}

void TMainForm::ConnectCommands() {
  auto on = [this](const char* Name, auto Handler) {
    connect(Action(QString::fromLatin1(Name)), &QAction::triggered, this, Handler);
  };
  on("Newblank1", [this] { Newblank1Click(); });
  on("HTMLfile1", [this] { NewFromTemplate(1); });
  on("HTMLFrameset1", [this] { NewFromTemplate(2); });
  on("JavaScript2", [this] { NewFromTemplate(3); });
  on("CSSfile1", [this] { NewFromTemplate(4); });
  on("Open1", [this] { Open1Click(); });
  on("Save1", [this] { Save1Click(); });
  on("SaveAs1", [this] { SaveAs1Click(); });
  on("ReopenEncoding1", [this] { ReopenWithEncoding1Click(); });
  on("SaveEncoding1", [this] { SaveWithEncoding1Click(); });
  // Only a file on disk can be read again.
  connect(Menu(QStringLiteral("File1")), &QMenu::aboutToShow, this,
          [this] { Action(QStringLiteral("ReopenEncoding1"))->setEnabled(FOnDisk); });
  on("Exit1", [this] { Exit1Click(); });
  on("Setup1", [this] { Setup1Click(); });
  // Running out of memory stops the paste with a message instead of ending the program.
  on("EditPaste1", [this] { RunWithinMemory(this, [this] { EditPaste1Execute(); }); });
  ConnectEditActions();
}

void TMainForm::FormCreate(const QStringList& Args) {
  SetTitle();
  SetDocType(dtNone);
  const QString first = Args.value(0);
  if (!first.isEmpty()) {
    int type;
    const bool isSwitch =
        first == QLatin1String("-html") || first == QLatin1String("-css") || first == QLatin1String("-js");
    if (first == QLatin1String("-html"))
      type = dtHTML;
    else if (first == QLatin1String("-css"))
      type = dtCSS;
    else if (first == QLatin1String("-js"))
      type = dtJavaScript;
    else
      type = DocTypeOf(first);
    SetDocType(type);
    const QString second = Args.value(1);
    if (!second.isEmpty())
      FStartFile = second;
    else if (!isSwitch)
      FStartFile = first;
    // The document keeps its full path: its recovery copy, the recent files and a save must find the same
    // file whatever folder the next start is in.
    if (!FStartFile.isEmpty()) FStartFile = QFileInfo(FStartFile).absoluteFilePath();
    // A switch keeps its type through the settings application of the first showing.
    if (isSwitch) FTypeSwitch = type;
    StartupGuard = true;
  }
  qApp->setProperty("HelpFile", HelpFilePath());
  LastSeenStamp = NowStamp() + 0.001;
}

void TMainForm::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  if (!FShown) {
    FShown = true;
    FormShow();
  }
}

void TMainForm::FormShow() {
  LoadSettings();
  ApplyViewSettings();
  LoadRecentFiles();
  if (FStartFile.isEmpty()) StartBlankIfNone();
  ApplyLanguageFile();
}

void TMainForm::OpenStartDocument() {
  const QString file = std::exchange(FStartFile, QString());
  if (file.isEmpty()) return;
  LoadDocument(file);
  StartBlankIfNone();
}

void TMainForm::StartBlankIfNone() {
  if (!DocFileName.isEmpty()) return;
  const int typeSwitch = FTypeSwitch;
  Newblank1Click();
  // A lone type switch starts a blank document of that type, named with its extension.
  if (typeSwitch > 0) {
    SetDocType(typeSwitch);
    FTypeSwitch = typeSwitch;
    DocFileName = DefFn + QLatin1Char('.') + DocTypeDefaultExt(typeSwitch);
    SetTitle();
  }
}

void TMainForm::SetTitle() {
  setWindowTitle(QString::fromLatin1(TitlePrefix) + QString::number(MajorVersion) + QLatin1Char('.') +
                 QString::number(MinorVersion) + QStringLiteral(" - ") + DocFileName);
  ShowFileFormat();  // a new file name comes with the file's own form
  emit DocumentChanged();
}

double TMainForm::NowStamp() { return Stamp(QDateTime::currentDateTime()); }

void TMainForm::AppEventsDeactivate() { LastSeenStamp = NowStamp(); }

void TMainForm::AppEventsActivate() {
  if (FInActivate || DocFileName.isEmpty() || !FOnDisk) return;
  if (EditorHoldsOneEmptyLine()) return;
  const QFileInfo info(DocFileName);
  const double fileTime = info.exists() ? Stamp(info.lastModified()) : 2147483647.0;
  if (fileTime - 0.00002 <= LastSeenStamp) return;
  // A new time on the same bytes (a touch) is no change to reload.
  if (info.exists() && !ContentChangedOnDisk()) return;
  OfferReload();
}

void TMainForm::closeEvent(QCloseEvent* Event) {
  if (!FormCloseQuery()) {
    Event->ignore();
    return;
  }
  Event->accept();  // the settings store writes itself when the window hides
}

bool TMainForm::FormCloseQuery() { return ConfirmDiscard(); }

void TMainForm::Exit1Click() { close(); }

bool TMainForm::IsWindowShortcut(const QKeySequence& Keys) const {
  for (const QAction* action : actions())
    if (action->isEnabled() && action->shortcuts().contains(Keys)) return true;
  return false;
}

bool TMainForm::eventFilter(QObject* Watched, QEvent* Event) {
  // The window's shortcuts come before the editor's own key bindings.
  if (Event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(Event);
    const QKeySequence keys(key->keyCombination());
    if (IsWindowShortcut(keys)) {
      Event->ignore();
      return true;
    }
  }
  return QMainWindow::eventFilter(Watched, Event);
}
