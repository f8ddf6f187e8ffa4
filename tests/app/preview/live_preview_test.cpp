// Show > "Live preview" in the main window, with a real web engine: the pane shows the unsaved text
// from the document's folder, follows typing after the pause and keeps its place on the page,
// previews style sheets and scripts, waits for a request on large documents, and never writes the file.
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "live_preview_fixture.h"

namespace {

struct LivePreview : LivePreviewBase {
  void SetUp() override {
    LivePreviewBase::SetUp();
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(Dir.filePath("pic.png")));
  }
};

TEST_F(LivePreview, ShowsTheUnsavedTextFromTheDocumentsFolder) {
  const std::string page = "<html><body>\n<img src=\"pic.png\">\n";
  Open("page.html", page);
  QAction* action = Form->Action("Livepreview1");
  EXPECT_EQ(action->text(), "Live preview");
  EXPECT_EQ(action->shortcut(), QKeySequence(Qt::Key_F12));
  EXPECT_TRUE(Form->FormStorage->ReadBool("livepreview"));
  EXPECT_EQ(RunJs(Page(), "document.images[0].naturalWidth").toInt(), 20) << "the picture beside the file";

  TypeAtEnd("<p>A paragraph typed just now</p>");
  EXPECT_TRUE(RunJs(Page(), "document.body.innerText").toString().contains("A paragraph typed just now"));
  EXPECT_EQ(FileBytes(Dir.filePath("page.html")), page) << "the file is never written for the preview";
  EXPECT_TRUE(Form->Memo1->hasFocus() || !Pane()->View()->hasFocus()) << "typing keeps the keyboard";
  QTest::qWait(300);  // the picture and the text painted
  if (const QByteArray shot = qgetenv("QUILLAN_PREVIEW_SHOT"); !shot.isEmpty())
    QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(shot));

  // A long page keeps its place when the text changes.
  std::string lines;
  for (int i = 0; i < 200; ++i) lines += "<p>line " + std::to_string(i) + "</p>";
  Form->Memo1->SetText("<html><body>" + lines);
  Pane()->Render();
  QSignalSpy rendered(Pane(), &TLivePreviewPane::Rendered);
  ASSERT_TRUE(rendered.wait(20000));
  RunJs(Page(), "window.scrollTo(0, 600)");
  ASSERT_TRUE(WaitFor([&] { return Page()->scrollPosition().y() > 500; }));
  TypeAtEnd("<p>end</p>");
  EXPECT_NEAR(RunJs(Page(), "window.scrollY").toDouble(), 600, 2);

  // The next start shows the pane again; turned off, the pane goes and the setting remembers that.
  Form->Memo1->SetModified(false);
  Form.reset();
  Form = std::make_unique<TMainForm>();
  Form->show();
  ASSERT_NE(Pane(), nullptr);
  EXPECT_TRUE(Pane()->isVisible());
  action = Form->Action("Livepreview1");
  EXPECT_TRUE(action->isChecked());
  action->trigger();
  EXPECT_TRUE(Pane()->isHidden());
  EXPECT_FALSE(Form->FormStorage->ReadBool("livepreview"));
}

TEST_F(LivePreview, StyleSheetsScriptsAndLargeDocuments) {
  // A style sheet is shown through a small page that links it.
  Open("style.css", "h1 { color: rgb(255, 0, 0); }\n");
  EXPECT_EQ(RunJs(Page(), "getComputedStyle(document.querySelector('h1')).color").toString(),
            "rgb(255, 0, 0)");
  TypeAtEnd("h2 { color: rgb(0, 0, 255); }");
  EXPECT_EQ(RunJs(Page(), "getComputedStyle(document.querySelector('h2')).color").toString(),
            "rgb(0, 0, 255)");

  // A script runs in a page of its own; its console messages go to the pane's console.
  Open("app.js", "console.log('hello from the script');\n");
  EXPECT_TRUE(Pane()->Console()->isVisible());
  EXPECT_TRUE(
      WaitFor([&] { return Pane()->Console()->toPlainText().contains("app.js:1: hello from the script"); }));
  TxeCustomEdit* memo = Form->Memo1;
  memo->SetCaretXY(memo->LineLength(1) + 1, 1);
  QTest::keyClick(memo, Qt::Key_Return);
  TypeAtEnd("console.error('second');");
  EXPECT_TRUE(WaitFor([&] { return Pane()->Console()->toPlainText().contains("app.js:2: Error: second"); }));
  EXPECT_EQ(Pane()->Console()->toPlainText().count("hello"), 1) << "each page starts a new console";

  // Above the limit the pane says so and waits for a request.
  Open("big.html", "<p>small</p>");
  const std::string row(1000, 'x');
  std::string big = "<p>big document</p>\n";
  while (big.size() <= std::size_t(TLivePreviewPane::AutoUpdateLimit)) big += row + "\n";
  Form->Memo1->SetText(big);
  QSignalSpy rendered(Pane(), &TLivePreviewPane::Rendered);
  Pane()->Render();
  EXPECT_FALSE(Pane()->Notice().isEmpty());
  EXPECT_FALSE(rendered.wait(TLivePreviewPane::PauseMs * 3));
  auto* update = Pane()->findChild<QPushButton*>("LivePreviewUpdate");
  ASSERT_TRUE(update && update->isVisible());
  update->click();
  ASSERT_TRUE(rendered.wait(30000));
  EXPECT_TRUE(RunJs(Page(), "document.body.innerText.slice(0, 12)").toString().startsWith("big document"));
}

}  // namespace
