// A hostile page in the live preview, with a real web engine: its script tries every way to read a file
// outside the document's folder and to reach this computer, to take the pane away from the document and
// to trap the editor in dialogs. Files of the folder still load.
#include <unistd.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QWebEngineSettings>

#include "LivePreviewPage.h"
#include "live_preview_fixture.h"

namespace {

class TUrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> Urls;
 public slots:
  void Catch(const QUrl& Url) { Urls << Url; }
};

// Probes that record, for each name, what the page got: "refused" or "read" for fetch and
// XMLHttpRequest ("secret" when the text read holds a secret), "unreadable", "empty" or "secret" for a
// frame, "loaded" or "refused" for a picture.
constexpr char kProbes[] = R"(
window.results = {};
window.pending = 0;
const secret = /SECRET|root:|PATH=/;
function done(kind, name, value) { window.results[kind + ' ' + name] = value; window.pending--; }
function probeFetch(name, url) {
  window.pending++;
  fetch(url).then(r => r.text()).then(t => done('fetch', name, secret.test(t) ? 'secret' : 'read'),
                                      () => done('fetch', name, 'refused'));
}
function probeXhr(name, url) {
  window.pending++;
  const x = new XMLHttpRequest();
  x.onload = () => done('xhr', name, secret.test(x.responseText) ? 'secret' : 'read');
  x.onerror = () => done('xhr', name, 'refused');
  try { x.open('GET', url); x.send(); } catch (e) { done('xhr', name, 'refused'); }
}
function probeFrame(name, url) {
  window.pending++;
  const f = document.createElement('iframe');
  let finished = false;
  const finish = () => {
    if (finished) return;
    finished = true;
    let seen = 'unreadable';
    try { seen = secret.test(f.contentDocument.documentElement.outerHTML) ? 'secret' : 'empty'; } catch (e) {}
    done('frame', name, seen);
  };
  f.onload = () => setTimeout(finish, 200);
  setTimeout(finish, 4000);
  f.src = url;
  document.body.appendChild(f);
}
function probeImage(name, url) {
  window.pending++;
  const i = new Image();
  i.onload = () => done('img', name, 'loaded');
  i.onerror = () => done('img', name, 'refused');
  i.src = url;
}
)";

struct LivePreviewCage : LivePreviewBase {
  void SetUp() override {
    LivePreviewBase::SetUp();
    const QDir top(Dir.path());
    ASSERT_TRUE(top.mkpath("site/css") && top.mkpath("site/img"));
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(Dir.filePath("site/img/pic.png")) && picture.save(Dir.filePath("outside.png")));
    WriteBytes(Dir.filePath("outside.txt"), "SECRET outside the folder\n");
    WriteBytes(Dir.filePath("site/.hidden"), "SECRET hidden in the folder\n");
    WriteBytes(Dir.filePath("site/css/style.css"), "h1 { color: rgb(0, 128, 0); }\n");
    WriteBytes(Dir.filePath("site/data.txt"), "plain data\n");
    WriteBytes(Dir.filePath("site/mod.js"), "export const x = 'module';\n");
    for (const auto& [target, name] : {std::pair{"../outside.txt", "site/out-link"},
                                       {"../outside.png", "site/out-link.png"},
                                       {"img/pic.png", "site/in-link.png"},
                                       {"/etc/passwd", "site/passwd"}})
      ASSERT_EQ(::symlink(target, QFile::encodeName(Dir.filePath(name)).constData()), 0);
    ASSERT_TRUE(Local.listen(QHostAddress::LocalHost));
    QObject::connect(&Local, &QTcpServer::newConnection, [this] { ++LocalConnections; });
  }
  // Runs the script in the page and waits until its probes have answered.
  QJsonObject Probe(const QString& Script) {
    RunJs(Page(), Script);
    for (int i = 0; i < 200 && RunJs(Page(), "window.pending").toInt() > 0; ++i) QTest::qWait(50);
    EXPECT_EQ(RunJs(Page(), "window.pending").toInt(), 0) << "every probe answered";
    return QJsonDocument::fromJson(RunJs(Page(), "JSON.stringify(window.results)").toString().toUtf8())
        .object();
  }
  // The page still shows the document.
  void ExpectDocument(const QUrl& Url) {
    EXPECT_EQ(Page()->url(), Url);
    EXPECT_EQ(RunJs(Page(), "document.getElementById('mark').textContent").toString(), "cage document");
  }
  // Clicks at the middle of the page's element.
  void Click(const QString& Id) {
    const QVariantList box =
        RunJs(Page(), QStringLiteral("(r => [r.x + r.width / 2, r.y + r.height / 2])("
                                     "document.getElementById('%1').getBoundingClientRect())")
                          .arg(Id))
            .toList();
    ASSERT_EQ(box.size(), 2);
    QWidget* target = Pane()->View()->focusProxy();
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(box[0].toInt(), box[1].toInt()));
  }

  QTcpServer Local;
  int LocalConnections = 0;
};

TEST_F(LivePreviewCage, ThePageReadsNothingOutsideItsFolderAndStaysOnTheDocument) {
  Open("site/page.html",
       std::string("<!DOCTYPE html><html><head><meta charset=\"utf-8\">\n"
                   "<link rel=\"stylesheet\" href=\"css/style.css\"></head><body>\n"
                   "<h1 id=\"mark\">cage document</h1>\n"
                   "<img id=\"own\" src=\"img/pic.png\"><img id=\"ownlink\" src=\"in-link.png\">\n"
                   "<p><a id=\"web\" href=\"https://example.com/elsewhere\">web</a> "
                   "<a id=\"local\" href=\"file:///etc/passwd\">local</a> "
                   "<button id=\"popup\" onclick=\"window.open('https://example.com/popup')\">"
                   "popup</button></p>\n"
                   "<script type=\"module\">import {x} from './mod.js'; window.moduleX = x;</script>\n"
                   "<script>") +
           kProbes + "</script>\n");
  const QUrl document = Page()->url();
  // Files of the folder load: a picture, one through a link inside, a style sheet in a subfolder.
  EXPECT_EQ(RunJs(Page(), "document.getElementById('own').naturalWidth").toInt(), 20);
  EXPECT_EQ(RunJs(Page(), "document.getElementById('ownlink').naturalWidth").toInt(), 20);
  EXPECT_EQ(RunJs(Page(), "getComputedStyle(document.getElementById('mark')).color").toString(),
            "rgb(0, 128, 0)");

  const QString outside = QDir(Dir.path()).canonicalPath() + "/outside";
  const QStringList texts = {"../outside.txt",
                             "%2e%2e/outside.txt",
                             "..%2foutside.txt",
                             "css/..%2f..%2foutside.txt",
                             outside + ".txt",
                             "quillan-preview:" + outside + ".txt",
                             "out-link",
                             "passwd",
                             ".hidden",
                             "/etc/passwd",
                             "/proc/self/environ",
                             "file:///etc/passwd",
                             "file://" + outside + ".txt",
                             "file:///proc/self/environ"};
  QString script;
  for (const QString& url : texts)
    for (const char* probe : {"probeFetch", "probeXhr", "probeFrame"})
      script += QStringLiteral("%1('%2', '%2');\n").arg(probe, url);
  const QStringList pictures = {"../outside.png", "%2e%2e/outside.png", "..%2foutside.png",
                                outside + ".png", "out-link.png",       "file://" + outside + ".png"};
  for (const QString& url : pictures) script += QStringLiteral("probeImage('%1', '%1');\n").arg(url);
  script += "probeImage('inside', 'img/pic.png'); probeXhr('inside', 'data.txt');\n";
  // This computer's services: none may hear from the page.
  const QString port = QString::number(Local.serverPort());
  for (const QString& url : {"http://127.0.0.1:" + port + "/", "http://localhost:" + port + "/x"}) {
    script += QStringLiteral("probeFetch('%1', '%1'); probeImage('%1', '%1');\n").arg(url);
  }
  script += "try { new WebSocket('ws://127.0.0.1:" + port + "/'); } catch (e) {}\n";
  script += "navigator.sendBeacon('http://127.0.0.1:" + port + "/beacon', 'x');\n";

  const QJsonObject results = Probe(script);
  for (const QString& url : texts) {
    EXPECT_EQ(results["fetch " + url].toString(), "refused") << url.toStdString();
    EXPECT_EQ(results["xhr " + url].toString(), "refused") << url.toStdString();
    EXPECT_NE(results["frame " + url].toString(), "secret") << url.toStdString();
    EXPECT_FALSE(results["frame " + url].isUndefined()) << url.toStdString();
  }
  for (const QString& url : pictures)
    EXPECT_EQ(results["img " + url].toString(), "refused") << url.toStdString();
  EXPECT_EQ(results["img inside"].toString(), "loaded");
  EXPECT_EQ(results["xhr inside"].toString(), "read");
  EXPECT_EQ(RunJs(Page(), "window.moduleX").toString(), "module");
  QTest::qWait(500);
  EXPECT_EQ(LocalConnections, 0) << "a service of this computer was reached";
  EXPECT_TRUE(Pane()->Console()->toPlainText().contains("Refused: http://127.0.0.1:" + port));
  ExpectDocument(document);

  // Sending the pane elsewhere, with no one clicking: it stays, and no browser opens.
  TUrlCatcher catcher;
  QDesktopServices::setUrlHandler("https", &catcher, "Catch");
  QDesktopServices::setUrlHandler("file", &catcher, "Catch");
  for (const char* away : {"location.href = 'file:///etc/passwd'", "location.href = 'https://example.com/'",
                           "location.href = '../outside.txt'", "window.open('file:///etc/passwd')",
                           "window.open('https://example.com/popup')"}) {
    RunJs(Page(), away);
    QTest::qWait(300);
    ExpectDocument(document);
  }
  EXPECT_TRUE(catcher.Urls.isEmpty());
  EXPECT_TRUE(Pane()->Console()->toPlainText().contains("it did not go to https://example.com/"));

  // A link the user clicks opens in the browser, only for the web; the pane stays.
  Click("local");
  QTest::qWait(500);
  Click("web");
  ASSERT_TRUE(WaitFor([&] { return catcher.Urls.size() == 1; }));
  EXPECT_EQ(catcher.Urls[0], QUrl("https://example.com/elsewhere"));
  Click("popup");
  ASSERT_TRUE(WaitFor([&] { return catcher.Urls.size() == 2; }));
  EXPECT_EQ(catcher.Urls[1], QUrl("https://example.com/popup"));
  ExpectDocument(document);
  QDesktopServices::unsetUrlHandler("https");
  QDesktopServices::unsetUrlHandler("file");
}

TEST_F(LivePreviewCage, DialogsNeverHoldTheEditor) {
  // The question and the answer each dialog gets, in the console.
  Open("site/ask.html",
       "<h1 id=\"mark\">cage document</h1><script>\n"
       "window.answers = [confirm('Really?'), prompt('Name?', 'x')];\n"
       "alert('one');\n</script>\n");
  EXPECT_EQ(RunJs(Page(), "JSON.stringify(window.answers)").toString(), "[false,null]");
  const QString console = Pane()->Console()->toPlainText();
  EXPECT_TRUE(console.contains("confirm(\"Really?\") answered false")) << console.toStdString();
  EXPECT_TRUE(console.contains("prompt(\"Name?\") answered null"));
  EXPECT_TRUE(console.contains("alert(\"one\")"));

  // An endless alert() loop: the editor takes typing and no box waits for an answer.
  Open("site/trap.html",
       "<h1>trap</h1><script>\n"
       "onload = () => setTimeout(() => { for (;;) alert('trapped'); }, 0);\n</script>\n");
  QTest::qWait(1000);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  TxeCustomEdit* memo = Form->Memo1;
  memo->SetCaretXY(1, 1);
  QTest::keyClicks(memo, "<p>typed</p>");
  EXPECT_EQ(memo->LineText(1), "<p>typed</p><h1>trap</h1><script>");
  EXPECT_TRUE(Pane()->Console()->toPlainText().contains("alert(\"trapped\")"));
  // The loop is stopped: the page is shown again without its scripts, so that it does not keep the
  // window busy.
  ASSERT_TRUE(WaitFor([&] { return Pane()->Notice().contains("stopped"); }, 30000));
  const QString lines = Pane()->Console()->toPlainText();
  EXPECT_TRUE(lines.contains("The page's further dialogs and refused requests are not listed."));
  EXPECT_LE(lines.count("alert("), TLivePreviewPage::NoteLimit);
  EXPECT_FALSE(Page()->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled));

  // The next text runs with scripts again.
  memo->SetText("<h1 id=\"mark\">free</h1><script>document.title = 'ran';</script>");
  QSignalSpy rendered(Pane(), &TLivePreviewPane::Rendered);
  Pane()->Render();
  ASSERT_TRUE(rendered.wait(20000));
  EXPECT_TRUE(WaitFor([&] { return Page()->title() == "ran"; }));
  EXPECT_TRUE(Pane()->Notice().isEmpty());

  // A page that objects to being left, after the user clicked in it, is replaced all the same.
  Open("site/stay.html",
       "<h1 id=\"mark\">stay</h1><script>\n"
       "onbeforeunload = e => { e.preventDefault(); return e.returnValue = 'Stay?'; };\n</script>\n");
  Click("mark");
  QTest::qWait(200);
  memo->SetText("<h1 id=\"mark\">left</h1>");
  Pane()->Render();
  EXPECT_TRUE(
      WaitFor([&] { return RunJs(Page(), "document.getElementById('mark').textContent") == "left"; }));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace

#include "live_preview_cage_test.moc"
