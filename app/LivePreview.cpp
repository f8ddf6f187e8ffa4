#include "LivePreview.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <functional>

#include "DocumentTypes.h"
#include "FormStorage.h"
#include "LivePreviewScheme.h"
#include "ShortCuts.h"
#include "main.h"
#include "xeCustomEdit.h"

// The preview's page: its console messages go to the pane's console area.
class TLivePreviewPage : public QWebEnginePage {
 public:
  TLivePreviewPage(QWebEngineProfile* Profile, QObject* Parent, std::function<void(const QString&)> Console)
      : QWebEnginePage(Profile, Parent), FConsole(std::move(Console)) {}

 protected:
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel Level, const QString& Message, int Line,
                                const QString& Source) override {
    QString text = QFileInfo(QUrl(Source).path()).fileName();
    if (Line > 0) text += QStringLiteral(":%1").arg(Line);
    if (!text.isEmpty()) text += QStringLiteral(": ");
    if (Level == ErrorMessageLevel) text += QStringLiteral("Error: ");
    if (Level == WarningMessageLevel) text += QStringLiteral("Warning: ");
    FConsole(text + Message);
  }

 private:
  std::function<void(const QString&)> FConsole;
};

TLivePreviewPane::TLivePreviewPane(TMainForm& Form)
    : QDockWidget(QStringLiteral("Live preview"), &Form), FForm(Form) {
  setObjectName(QStringLiteral("LivePreviewPane"));
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* noticeRow = new QHBoxLayout;
  FNotice = new QLabel(body);
  FNotice->setObjectName(QStringLiteral("LivePreviewNotice"));
  FNotice->setWordWrap(true);
  FUpdate = new QPushButton(QStringLiteral("Update preview"), body);
  FUpdate->setObjectName(QStringLiteral("LivePreviewUpdate"));
  noticeRow->addWidget(FNotice, 1);
  noticeRow->addWidget(FUpdate);
  layout->addLayout(noticeRow);
  FNotice->hide();
  FUpdate->hide();
  connect(FUpdate, &QPushButton::clicked, this, [this] { Render(true); });

  // An off-the-record profile: the preview keeps nothing on disk.
  FProfile = new QWebEngineProfile(this);
  FScheme = new TPreviewSchemeHandler(this);
  FProfile->installUrlSchemeHandler(kPreviewScheme, FScheme);
  FPage = new TLivePreviewPage(FProfile, this, [this](const QString& Line) { AddConsoleLine(Line); });
  // Loading a page must not take the keyboard from the editor.
  FPage->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
  connect(FPage, &QWebEnginePage::loadFinished, this, &TLivePreviewPane::Loaded);
  connect(FPage, &QWebEnginePage::renderProcessTerminated, this,
          [this](QWebEnginePage::RenderProcessTerminationStatus Status, int Code) {
            if (Status == QWebEnginePage::NormalTerminationStatus) return;
            FNotice->setText(
                QStringLiteral("The preview's page process ended (code %1); it starts again with the "
                               "next change.")
                    .arg(Code));
            FNotice->show();
          });

  auto* split = new QSplitter(Qt::Vertical, body);
  FSplit = split;
  FView = new QWebEngineView(split);
  FView->setObjectName(QStringLiteral("LivePreviewView"));
  FView->setPage(FPage);
  FConsole = new QPlainTextEdit(split);
  FConsole->setObjectName(QStringLiteral("LivePreviewConsole"));
  FConsole->setReadOnly(true);
  FConsole->setMaximumBlockCount(1000);
  FConsole->setPlaceholderText(QStringLiteral("Console messages of the script"));
  FConsole->hide();
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 1);
  layout->addWidget(split, 1);
  setWidget(body);

  FPause.setSingleShot(true);
  FPause.setInterval(PauseMs);
  connect(&FPause, &QTimer::timeout, this, [this] { Render(false); });
}

TLivePreviewPane::~TLivePreviewPane() {
  // The page must go before its profile.
  delete FView;
  delete FPage;
}

QString TLivePreviewPane::Notice() const { return FNotice->isHidden() ? QString() : FNotice->text(); }

void TLivePreviewPane::Schedule() {
  if (!isHidden()) FPause.start();
}

void TLivePreviewPane::showEvent(QShowEvent* Event) {
  QDockWidget::showEvent(Event);
  Render(false);
}

void TLivePreviewPane::Render(bool Forced) {
  FPause.stop();
  TxeCustomEdit& memo = *FForm.Memo1;
  const int lines = memo.LineCount();
  qsizetype size = lines > 0 ? lines - 1 : 0;
  for (int y = 1; y <= lines; ++y) size += memo.LineLength(y);
  const bool large = size > AutoUpdateLimit;
  FUpdate->setVisible(large);
  if (large) {
    FNotice->setText(
        QStringLiteral("This document is larger than %1 MB: the preview is updated only on request.")
            .arg(AutoUpdateLimit >> 20));
    FNotice->show();
    if (!Forced) return;
  } else {
    FNotice->hide();
  }

  int type = FForm.DocType();
  if (type == dtNone) type = DocTypeOf(FForm.DocFileName);
  if (type == dtNone) type = dtHTML;
  TPreviewDocument document;
  document.Type = type;
  document.Path = FForm.DocFileName.isEmpty() ? QDir::homePath() + QStringLiteral("/untitled.html")
                                              : QFileInfo(FForm.DocFileName).absoluteFilePath();
  document.Text.reserve(size);
  for (int y = 1; y <= lines; ++y) {
    if (y > 1) document.Text += '\n';
    const std::string_view line = memo.LineText(y);
    document.Text.append(line.data(), qsizetype(line.size()));
  }
  // The same document keeps its place on the page; another one starts at the top.
  const QUrl current = FPage->url();
  FScroll = current.path(QUrl::FullyDecoded) == document.Path ? FPage->scrollPosition() : QPointF();
  FConsole->clear();
  if (type == dtJavaScript) ShowConsole();
  const QUrl url = TPreviewSchemeHandler::PageUrl(document, ++FGeneration);
  FScheme->SetDocument(std::move(document));
  FPage->load(url);
}

void TLivePreviewPane::Loaded(bool Ok) {
  if (Ok && !FScroll.isNull())
    FPage->runJavaScript(QStringLiteral("window.scrollTo(%1, %2);").arg(FScroll.x()).arg(FScroll.y()));
  emit Rendered(Ok);
}

void TLivePreviewPane::AddConsoleLine(const QString& Line) {
  FConsole->appendPlainText(Line);
  ShowConsole();  // a page's own messages are shown too
}

void TLivePreviewPane::ShowConsole() {
  if (!FConsole->isHidden()) return;
  FConsole->show();
  const int height = std::max(FSplit->height(), 4);
  FSplit->setSizes({height * 3 / 4, height / 4});
}

void InstallLivePreview(TMainForm& Form) {
  auto* action = new QAction(QStringLiteral("Live preview"), &Form);
  action->setObjectName(QStringLiteral("Livepreview1"));
  action->setCheckable(true);
  action->setShortcut(ShortCutToKeySequence(123));  // F12
  Form.addAction(action);
  // With the other things the Show menu turns on and off.
  if (QMenu* show = Form.Menu(QStringLiteral("Show1"))) {
    QAction* before = Form.Action(QStringLiteral("ShowLineNumbers1"));
    show->insertAction(show->actions().contains(before) ? before : nullptr, action);
  }

  // The pane is made when first wanted, so that a program without it starts no web engine.
  auto pane = std::make_shared<QPointer<TLivePreviewPane>>();
  QObject::connect(action, &QAction::toggled, &Form, [&Form, action, pane](bool On) {
    Form.FormStorage->WriteBool(QStringLiteral("livepreview"), On);
    if (!On) {
      if (*pane) (*pane)->hide();
      return;
    }
    if (!*pane) {
      *pane = new TLivePreviewPane(Form);
      Form.addDockWidget(Qt::RightDockWidgetArea, *pane);
      Form.resizeDocks({*pane}, {Form.width() / 2}, Qt::Horizontal);
      // Closing the pane with its own button unchecks the command.
      QObject::connect(*pane, &QDockWidget::visibilityChanged, action, [action, pane](bool Visible) {
        if (!Visible && *pane && (*pane)->isHidden()) action->setChecked(false);
      });
    }
    (*pane)->show();
  });
  auto previous = std::move(Form.Memo1->OnChange);
  Form.Memo1->OnChange = [previous, pane](TObject* Sender) {
    if (previous) previous(Sender);
    if (*pane) (*pane)->Schedule();
  };
  QObject::connect(&Form, &TMainForm::DocumentChanged, &Form, [pane] {
    if (*pane) (*pane)->Schedule();
  });
}
