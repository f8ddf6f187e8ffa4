// The "quillan-preview" address scheme of the live preview. The document's own address gives the
// editor's text from memory (never the file), or for a style sheet or a script a small page that
// links it; another address gives the file of that path when it lies in the document's folder tree,
// so that relative pictures, style sheets and scripts load as they would from the document's folder.
// Everything else is refused.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

#include "LivePreviewAddress.h"

// Must run before the application object is made.
void RegisterLivePreviewScheme();

struct TPreviewDocument {
  QString Path;  // absolute path of the document, "/folder/page.html"
  int Type = 0;  // dtHTML, dtJavaScript or dtCSS
  QByteArray Text;
};

class TPreviewSchemeHandler : public QWebEngineUrlSchemeHandler {
  Q_OBJECT
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

  void SetDocument(TPreviewDocument Document);
  // The address that shows the document; each generation is a new address.
  static QUrl PageUrl(const TPreviewDocument& Document, int Generation);
  // The page that shows a style sheet or runs a script.
  static QByteArray WrapperPage(const TPreviewDocument& Document, int Generation);

  void requestStarted(QWebEngineUrlRequestJob* Job) override;

 private:
  TPreviewDocument FDocument;
  QByteArray FTree;  // the real path of the folder tree it may serve files from
};
