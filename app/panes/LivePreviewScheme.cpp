#include "LivePreviewScheme.h"

#include <unistd.h>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrlQuery>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "DocumentTypes.h"
#include "LivePreviewFolder.h"

namespace {

// Elements of most kinds, so that a style sheet has something to style.
constexpr char kStyleSample[] = R"(<h1>Heading 1</h1>
<h2>Heading 2</h2>
<h3>Heading 3</h3>
<p>A paragraph with <a href="#">a link</a>, <em>emphasis</em>, <strong>strong text</strong> and
<code>code</code>.</p>
<blockquote>A quotation.</blockquote>
<ul><li>First item</li><li>Second item</li></ul>
<ol><li>One</li><li>Two</li></ol>
<table>
<tr><th>Name</th><th>Value</th></tr>
<tr><td>Alpha</td><td>1</td></tr>
<tr><td>Beta</td><td>2</td></tr>
</table>
<form><label>Text <input type="text" value="input"></label> <select><option>Option</option></select>
<button type="button">Button</button></form>
<pre>Preformatted
  text</pre>
)";

QByteArray Reference(const TPreviewDocument& Document, int Generation) {
  return QUrl::toPercentEncoding(QFileInfo(Document.Path).fileName()) +
         "?v=" + QByteArray::number(Generation);
}

}  // namespace

void RegisterLivePreviewScheme() {
  QWebEngineUrlScheme scheme(kPreviewScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  // No flags: a local scheme (LocalScheme, LocalAccessAllowed) may reach file: addresses, or with
  // the page's file access off may load nothing at all. Its own addresses reach only the folder.
  scheme.setFlags({});
  QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl TPreviewSchemeHandler::PageUrl(const TPreviewDocument& Document, int Generation) {
  QUrl url;
  url.setScheme(QString::fromLatin1(kPreviewScheme));
  url.setPath(Document.Path);
  QUrlQuery query;
  if (Document.Type != dtHTML) query.addQueryItem(QStringLiteral("page"), QStringLiteral("1"));
  query.addQueryItem(QStringLiteral("v"), QString::number(Generation));
  url.setQuery(query);
  return url;
}

QByteArray TPreviewSchemeHandler::WrapperPage(const TPreviewDocument& Document, int Generation) {
  const QByteArray title = QFileInfo(Document.Path).fileName().toHtmlEscaped().toUtf8();
  const QByteArray reference = Reference(Document, Generation);
  QByteArray page =
      "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + title + "</title>\n";
  if (Document.Type == dtCSS) {
    page += "<link rel=\"stylesheet\" href=\"" + reference + "\">\n</head>\n<body>\n" + kStyleSample;
  } else {
    page += "</head>\n<body>\n<script src=\"" + reference + "\"></script>\n";
  }
  return page + "</body>\n</html>\n";
}

void TPreviewSchemeHandler::SetDocument(TPreviewDocument Document) {
  FDocument = std::move(Document);
  FTree = PreviewTreeOf(QFile::encodeName(QFileInfo(FDocument.Path).absolutePath()));
}

void TPreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob* Job) {
  const QUrl url = Job->requestUrl();
  const QString path = url.path(QUrl::FullyDecoded);
  if (!FDocument.Path.isEmpty() && path == FDocument.Path) {
    const QUrlQuery query(url);
    const int generation = query.queryItemValue(QStringLiteral("v")).toInt();
    auto* buffer = new QBuffer(Job);
    QByteArray type;
    if (FDocument.Type != dtHTML && query.hasQueryItem(QStringLiteral("page"))) {
      buffer->setData(WrapperPage(FDocument, generation));
      type = "text/html;charset=utf-8";
    } else {
      buffer->setData(FDocument.Text);
      type = FDocument.Type == dtCSS          ? "text/css;charset=utf-8"
             : FDocument.Type == dtJavaScript ? "text/javascript;charset=utf-8"
                                              : "text/html;charset=utf-8";
    }
    buffer->open(QIODevice::ReadOnly);
    Job->reply(type, buffer);
    return;
  }
  // A file of the folder tree, as it is when opened, for the preview's own pages (a frame from the
  // network gets nothing); missing and refused look the same to the page.
  const QUrl initiator = Job->initiator();
  if (initiator.isValid() && initiator.scheme() != QLatin1String(kPreviewScheme)) {
    Job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  const QByteArray allowed = PreviewFileFor(FTree, url.path(QUrl::FullyEncoded).toLatin1());
  const int fd = allowed.isEmpty() ? -1 : OpenPreviewFile(FTree, allowed);
  if (fd < 0) {
    Job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  auto* file = new QFile(Job);
  if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    Job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  Job->reply(QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toUtf8(), file);
}
