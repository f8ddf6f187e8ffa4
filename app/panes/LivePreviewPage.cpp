#include "LivePreviewPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTimer>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include "LivePreviewAddress.h"

namespace {

// How long after a click or key press in the page a link counts as the user's.
constexpr int UserActionMs = 2000;
constexpr qsizetype DialogTextLimit = 500;

QString Quoted(const QString& Text) {
  QString text = Text.left(DialogTextLimit);
  if (Text.size() > DialogTextLimit) text += QStringLiteral("…");
  return QLatin1Char('"') + text + QLatin1Char('"');
}

QString Shown(const QUrl& Url) { return Url.toDisplayString().left(DialogTextLimit); }

}  // namespace

// Refuses, before they leave, the requests the page may not make.
class TPreviewRequestFilter : public QWebEngineUrlRequestInterceptor {
 public:
  explicit TPreviewRequestFilter(TLivePreviewPage& Page)
      : QWebEngineUrlRequestInterceptor(&Page), FPage(Page) {}

  void interceptRequest(QWebEngineUrlRequestInfo& Info) override {
    if (PreviewMayRequest(Info.requestUrl())) return;
    Info.block(true);
    FPage.Note(QStringLiteral("Refused: %1 (the preview may not reach local files, this computer or its "
                              "local network)")
                   .arg(Shown(Info.requestUrl())));
  }

 private:
  TLivePreviewPage& FPage;
};

TLivePreviewPage::TLivePreviewPage(QWebEngineProfile* Profile, QObject* Parent, TConsole Console)
    : QWebEnginePage(Profile, Parent), FConsole(std::move(Console)) {
  QWebEngineSettings* s = settings();
  // Loading a page must not take the keyboard from the editor.
  s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
  s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
  s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
  s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
  s->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
  s->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
  s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
  s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  FFilter = new TPreviewRequestFilter(*this);
  setUrlRequestInterceptor(FFilter);
  connect(this, &QWebEnginePage::newWindowRequested, this, &TLivePreviewPage::NewWindowRequested);
}

TLivePreviewPage::~TLivePreviewPage() { setUrlRequestInterceptor(nullptr); }

void TLivePreviewPage::ShowDocument(const QUrl& Url) {
  FDocument = Url;
  FNotes = FDialogs = 0;
  load(Url);
}

void TLivePreviewPage::UserActed() { FUserActed.start(); }

void TLivePreviewPage::Note(const QString& Line) {
  if (++FNotes < NoteLimit) {
    FConsole(Line);
  } else if (FNotes == NoteLimit) {
    FConsole(QStringLiteral("The page's further dialogs and refused requests are not listed."));
  }
}

void TLivePreviewPage::Dialog(const QString& Line) {
  Note(Line);
  // Answered at once, a loop of dialogs would keep the page's process and the window busy for good.
  // Told once the dialog is answered, as a new page must not start inside it.
  if (++FDialogs != DialogLimit) return;
  QTimer::singleShot(0, this, [this, looping = FDocument] {
    if (FDocument == looping) emit DialogsStopped();
  });
}

void TLivePreviewPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel Level, const QString& Message,
                                                int Line, const QString& Source) {
  // The engine's own error pages (a refused frame) talk of their own scripts.
  if (QUrl(Source).scheme() == QLatin1String("chrome-error")) return;
  QString text = QFileInfo(QUrl(Source).path()).fileName();
  if (Line > 0) text += QStringLiteral(":%1").arg(Line);
  if (!text.isEmpty()) text += QStringLiteral(": ");
  if (Level == ErrorMessageLevel) text += QStringLiteral("Error: ");
  if (Level == WarningMessageLevel) text += QStringLiteral("Warning: ");
  FConsole(text + Message);
}

void TLivePreviewPage::javaScriptAlert(const QUrl&, const QString& Message) {
  Dialog(QStringLiteral("alert(%1)").arg(Quoted(Message)));
}

bool TLivePreviewPage::javaScriptConfirm(const QUrl&, const QString& Message) {
  // The question the engine asks when a page's beforeunload handler objects: the preview always moves
  // on to the new text.
  if (Message == QCoreApplication::translate("QWebEnginePage",
                                             "Are you sure you want to leave this page? "
                                             "Changes that you made may not be saved."))
    return true;
  Dialog(QStringLiteral("confirm(%1) answered false").arg(Quoted(Message)));
  return false;
}

bool TLivePreviewPage::javaScriptPrompt(const QUrl&, const QString& Message, const QString&, QString*) {
  Dialog(QStringLiteral("prompt(%1) answered null").arg(Quoted(Message)));
  return false;
}

bool TLivePreviewPage::acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool MainFrame) {
  // A frame in the page may show what the page itself could load.
  if (!MainFrame) {
    if (PreviewMayRequest(Url)) return true;
    Note(QStringLiteral("Refused in a frame: %1").arg(Shown(Url)));
    return false;
  }
  // The document, again or at one of its anchors.
  if (Url.adjusted(QUrl::RemoveFragment) == FDocument.adjusted(QUrl::RemoveFragment)) return true;
  OpenInBrowser(Url, Type == NavigationTypeLinkClicked);
  return false;
}

QWebEnginePage* TLivePreviewPage::createWindow(WebWindowType) { return nullptr; }

void TLivePreviewPage::NewWindowRequested(QWebEngineNewWindowRequest& Request) {
  OpenInBrowser(Request.requestedUrl(), Request.isUserInitiated());
}

void TLivePreviewPage::OpenInBrowser(const QUrl& Url, bool Asked) {
  // A script could otherwise send the user's browser anywhere, as often as it likes: one click, one link.
  const bool clicked = Asked && FUserActed.isValid() && FUserActed.elapsed() < UserActionMs;
  if (clicked && OpensInBrowser(Url)) {
    FUserActed.invalidate();
    Note(QStringLiteral("Opened in the browser: %1").arg(Shown(Url)));
    QDesktopServices::openUrl(Url);
    return;
  }
  Note(QStringLiteral("The preview stays on the document; it did not go to %1").arg(Shown(Url)));
}
