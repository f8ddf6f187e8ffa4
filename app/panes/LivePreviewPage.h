// The live preview's page. The document shown may come from anywhere, so its page is kept in a cage: it
// stays on the document (links the user clicks open in the user's browser), opens no windows, asks for no
// address of this machine or its local network, and its JavaScript dialogs are lines in the pane's
// console instead of boxes that would hold the editor.
#pragma once

#include <QElapsedTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <functional>

class QWebEngineNewWindowRequest;
class TPreviewRequestFilter;

class TLivePreviewPage : public QWebEnginePage {
  Q_OBJECT
 public:
  using TConsole = std::function<void(const QString&)>;
  // Lines a page may add of its own dialogs and refused requests; the rest are not listed.
  static constexpr int NoteLimit = 50;
  // Dialogs after which a page is taken to be stuck in a loop of them.
  static constexpr int DialogLimit = 100;

  TLivePreviewPage(QWebEngineProfile* Profile, QObject* Parent, TConsole Console);
  ~TLivePreviewPage() override;

  // Shows one of the preview's own addresses: the only address the pane goes to.
  void ShowDocument(const QUrl& Url);
  // The user has just clicked or pressed a key in the page: the link this starts may open in the browser.
  void UserActed();
  // A page on its way out adds nothing more to the console.
  void Mute() {
    FConsole = [](const QString&) {};
  }

 signals:
  // The page opened DialogLimit dialogs: it is taken to be stuck in a loop of them.
  void DialogsStopped();

 protected:
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel Level, const QString& Message, int Line,
                                const QString& Source) override;
  void javaScriptAlert(const QUrl& Origin, const QString& Message) override;
  bool javaScriptConfirm(const QUrl& Origin, const QString& Message) override;
  bool javaScriptPrompt(const QUrl& Origin, const QString& Message, const QString& Default,
                        QString* Result) override;
  bool acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool MainFrame) override;
  QWebEnginePage* createWindow(WebWindowType Type) override;

 private:
  friend class TPreviewRequestFilter;
  void NewWindowRequested(QWebEngineNewWindowRequest& Request);
  // Opens Url in the user's browser when it is a web or mail address and the user asked for it.
  void OpenInBrowser(const QUrl& Url, bool Asked);
  void Note(const QString& Line);
  void Dialog(const QString& Line);

  TConsole FConsole;
  TPreviewRequestFilter* FFilter = nullptr;
  QUrl FDocument;
  QElapsedTimer FUserActed;
  int FNotes = 0;
  int FDialogs = 0;
};
