// Show > "Live preview": a pane beside Memo1 in which Qt WebEngine shows the document as it is typed,
// unsaved, from the document's folder. It renders a short pause after typing stops and keeps its
// scroll position; a large document is rendered only on request. Rendering runs in WebEngine's own
// processes, so typing never waits for it. Where the web engine cannot run (as root) the pane says why
// and no web engine is started.
#pragma once

#include <QDockWidget>
#include <QPointer>
#include <QTimer>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QWebEngineProfile;
class QWebEngineView;
class TMainForm;
class TPreviewSchemeHandler;
class TLivePreviewPage;

class TLivePreviewPane : public QDockWidget {
  Q_OBJECT
 public:
  static constexpr qsizetype AutoUpdateLimit = 5 << 20;  // bytes of text
  static constexpr int PauseMs = 300;

  explicit TLivePreviewPane(TMainForm& Form);
  ~TLivePreviewPane() override;

  // Renders after the pause (nothing while the pane is hidden).
  void Schedule();
  // Renders now; a large document only when Forced.
  void Render(bool Forced = false);

  // Null where the preview is not available.
  QWebEngineView* View() const { return FView; }
  QPlainTextEdit* Console() const { return FConsole; }
  QString Notice() const;

 signals:
  // A page finished loading (Ok false: it failed).
  void Rendered(bool Ok);

 protected:
  void showEvent(QShowEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  // A page of its own for the view, in place of the one before.
  void NewPage();
  void Loaded(bool Ok);
  void AddConsoleLine(const QString& Line);
  void ShowConsole();

  TMainForm& FForm;
  QTimer FPause;
  QLabel* FNotice = nullptr;
  QPushButton* FUpdate = nullptr;
  QWebEngineProfile* FProfile = nullptr;
  TPreviewSchemeHandler* FScheme = nullptr;
  TLivePreviewPage* FPage = nullptr;
  QWebEngineView* FView = nullptr;
  QPlainTextEdit* FConsole = nullptr;
  QSplitter* FSplit = nullptr;
  int FGeneration = 0;
  bool FScriptsOff = false;  // for the next page only
  QPointF FScroll;           // where the page stood before the new one replaced it
};

// Adds the checkable Show > "Live preview" (F12).
void InstallLivePreview(TMainForm& Form);
// At start: brings the pane back when the setting says so, unless a program ended abnormally while its
// preview was on; then the preview stays off and the status bar says so.
void RestoreLivePreview(TMainForm& Form, bool On);
