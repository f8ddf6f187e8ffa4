// TMainForm: the main window. It holds the document editor Memo1, builds the menus, actions and
// tool bar, and runs the life of the one document (new, open, save, outside changes, close).
// Other command families find its actions by objectName and connect themselves.
#pragma once

#include <QFont>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "DocumentFile.h"
#include "DocumentTypes.h"
#include "FileContent.h"

class QAction;
class QMenu;
class QToolBar;
class QToolButton;
class QFileSystemWatcher;
class QTimer;
class TxeCustomEdit;
class TxeCustomHighLighter;
class TjxHTMLSyn;
class TxeJScriptSyn;
class TxeCSSSyn;
class TFormStorage;
class TSetupForm;
class TMemIniFile;
class TMainStatusBar;
class TRecoveryKeeper;
struct TFoundCopy;
enum class TCopyTarget;
struct TSettingsValues;

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  // Args: the command line after the program name: [ "-html" | "-css" | "-js" ] [file].
  explicit TMainForm(const QStringList& Args = {}, QWidget* Parent = nullptr);
  ~TMainForm() override;

  // Components of the layout, found by their names.
  QAction* Action(const QString& ObjectName) const;
  QMenu* Menu(const QString& ObjectName) const;
  QToolButton* ToolButton(const QString& ObjectName) const;

  // The editors and highlighters.
  TxeCustomEdit* Memo1 = nullptr;
  TxeCustomEdit* Memo0 = nullptr;  // scratch editor of the layout; the file code streams past it
  TjxHTMLSyn* HTMLSyn = nullptr;
  TxeJScriptSyn* JScriptSyn = nullptr;
  TxeCSSSyn* CSSSyn = nullptr;
  TFormStorage* FormStorage = nullptr;
  TSetupForm* SetupForm = nullptr;
  TMainStatusBar* StatusBar1 = nullptr;

  // Window state.
  QString DocFileName;       // full path; empty: no document yet
  double LastSeenStamp = 0;  // days since 1899-12-30, local time
  bool StartupGuard = true;  // the next settings application leaves the highlighter alone

  // Live settings, copied from the Setup dialog by ApplySettings.
  bool AutoHide = false;
  bool Highlite = true;
  QString NetscapePath, MSIEPath, CustomPath, ExtendedPath;
  QString UserName, UserEMail, UserURL;
  QString DefFn;  // the user's home folder + "/untitled" until set
  int DefFT = 0;
  int LineBreaks = lcAsInFile;                        // TLineBreakChoice
  bool KeepTabs = false;                              // no tab and blank exchange on load, paste and save
  QString EightBit = QStringLiteral("windows-1252");  // 8-bit files the detector cannot place
  bool NotFirst = false;
  bool ModernHTML = false;     // insert lower-case markup, the HTML template of today
  bool RelativeLinks = false;  // links and pictures relative to a saved document's folder

  // The document.
  int DocType() const { return FDocType; }
  void SetDocType(int Type);
  // Encoding: the user's choice instead of the one the file's bytes suggest.
  bool LoadDocument(const QString& FileName, const std::optional<TEncoding>& Encoding = {});
  bool SaveDocument(const QString& FileName);
  bool ConfirmDiscard();  // false: the user cancelled
  bool NewDocument(int Kind);
  void SetTitle();
  bool DocumentOnDisk() const { return FOnDisk; }
  // The line break of the document's file (LF for a new document).
  TLineBreak DocLineBreak() const { return FLineBreak; }
  // The encoding of the document's file (UTF-8 for a new document).
  const TEncoding& DocEncoding() const { return FEncoding; }
  // How the next save writes the document.
  TFileForm SaveForm() const {
    return {ChosenLineBreak(LineBreaks, FLineBreak), !KeepTabs, FEncoding, FKeepBytes};
  }

  // Handlers of the menu items and tool buttons.
  void Newblank1Click();
  void NewFromTemplate(int Kind);
  void Open1Click();
  // File > Reopen: the recent documents, most recent first, and choosing one of them.
  const QStringList& RecentFiles() const { return FRecentFiles; }
  void Reopen(const QString& FileName);
  bool Save1Click();  // false: not saved (failed or cancelled)
  bool SaveAs1Click();
  void ReopenWithEncoding1Click();
  bool SaveWithEncoding1Click();
  void Exit1Click();
  void Setup1Click();
  void EditPaste1Execute();
  void HLBtnClick(int Type);  // NoHLBtn, HTMLHLBtn, JSHLBtn, CSSHLBtn = 0..3

  // The Setup dialog's values into the program.
  void ApplySettings(const TSettingsValues& Values);

  // The view around the document: line numbers, status bar, zoom (for this run only).
  void ShowLineNumbers(bool On);
  void ShowStatusBar(bool On);
  void ZoomBy(int Steps);
  int Zoom() const { return FZoom; }
  // What the document knows of its file, in the status bar.
  void ShowFileFormat();
  void UpdateEditActions();

  // Application activation and the outside-change check.
  void AppEventsActivate();
  void AppEventsDeactivate();
  bool FormCloseQuery();

  // The current local time in days since 1899-12-30.
  static double NowStamp();

  // Crash recovery (MainRecovery.cpp): at start, copies of unsaved text left by a program that is gone
  // are offered; on a signal to end, the copy of this document is written before leaving.
  void OfferRecovery();
  void LeaveOnSignal();
  // The file named on the command line, read once the window is up and the settings are applied (its
  // tabs and 8-bit encoding follow them); a blank document when there is none or it cannot be read.
  void OpenStartDocument();

 signals:
  // The document was replaced, saved under another name or given another type (edits are
  // reported by Memo1 itself).
  void DocumentChanged();
  // Another text took the editor's: New, Open, a reload, a recovered copy.
  void DocumentReplaced();

 protected:
  void showEvent(QShowEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void CreateEditors();
  void CreateHighlighters();
  void DestroyHighlighters();
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void ConnectCommands();
  void FormCreate(const QStringList& Args);
  void FormShow();
  void StartBlankIfNone();
  void CreateSettings();
  void SyncHLButtons();
  void ConnectEditActions();
  void CreateViewCommands();
  void ConnectReopenMenu();
  void LoadRecentFiles();
  void RememberDocument(const QString& FileName);
  void OpenDocument(const QString& FileName);
  void ApplyViewSettings();
  void EditorStatusChanged();
  void SetEditorFont(const QFont& Font);
  void RunEditAction(const QString& Name);
  void LoadSettings();
  void ApplyLanguageFile();
  // The open file on disk (MainDiskWatch.cpp). Checksum: of the bytes just read or written.
  void CreateDiskWatch();
  void RememberDiskState(const std::optional<std::uint64_t>& Checksum);
  bool ContentChangedOnDisk();
  bool MayOverwrite(const QString& FileName);
  void FileChangedOnDisk();
  void OfferReload();
  bool WriteWithProgress(const QString& FileName, const TFileForm& Form, QString* Why,
                         std::uint64_t* Checksum = nullptr);
  void CreateRecovery();
  // Target: how the copy stands to its file (TargetOf), whose state File was found then. A copy that
  // cannot go back to its file opens as a document never saved.
  bool Recover(TFoundCopy& Copy, TCopyTarget Target, const TContentStamp& File);
  void ShowRecoveryTrouble(const QString& Why);
  // Before a save: a character the encoding cannot hold is shown, with the offer to save as UTF-8
  // instead (Encoding becomes UTF-8); false when the user cancels.
  bool ConfirmEncodable(TEncoding& Encoding);

  // The editor, as the document code uses it.
  std::size_t EditorLineCount() const;
  std::string_view EditorLine(std::size_t Index) const;
  bool EditorHoldsOneEmptyLine() const;
  TReadResult ReadIntoEditor(const QString& FileName, QString* Why, TFileForm* Form,
                             const TEncodingChoice& Choice);
  void EditorSetText(const char* Text);
  void EditorSetCaret(int X, int Y);
  bool EditorModified() const;
  void EditorSetModified(bool Value);
  void EditorReplaceSelection(const std::string& Text);
  void EditorSetHighLighter(int Type);
  bool IsWindowShortcut(const QKeySequence& Keys) const;
  TxeCustomHighLighter* HighLighterOf(int Type) const;

  QToolBar* FToolBar = nullptr;
  QToolButton* FHLButtons[4] = {};
  int FDocType = 0;      // the highlighter button that is down
  int FTypeSwitch = -1;  // type chosen on the command line for the document it opened
  QString FStartFile;    // named on the command line, not read yet
  bool FShown = false;
  bool FOnDisk = false;  // the file was loaded or saved since the last New
  TLineBreak FLineBreak = lbLF;
  TEncoding FEncoding;
  bool FKeepBytes = false;           // opened although it does not look like text: saved byte for byte
  bool FSavingWithEncoding = false;  // a save asks to change a declaration of another encoding
  bool FInActivate = false;
  // The open file as it was when loaded or last saved, and the outside change last asked about.
  TContentStamp FDiskState;
  TFileIdentity FAskedState;
  QFileSystemWatcher* FWatcher = nullptr;
  QTimer* FWatchDelay = nullptr;
  std::unique_ptr<TMemIniFile> FLanguage;
  QStringList FRecentFiles;
  bool FRecentLoaded = false;  // the stored list has been read
  QFont FBaseFont;             // Memo1's font as Setup gives it, before zooming
  int FZoom = 0;
  TRecoveryKeeper* FRecovery = nullptr;
  QString FRecoveryTrouble;  // shown in the status bar while copies cannot be written
  bool FLeaving = false;
};
