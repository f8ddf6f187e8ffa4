#include "LivePreview.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
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
#include <utility>

#include "DocumentTypes.h"
#include "FormStorage.h"
#include "LivePreviewGuard.h"
#include "LivePreviewPage.h"
#include "LivePreviewScheme.h"
#include "MainStatusBar.h"
#include "ShortCuts.h"
#include "StateFolder.h"
#include "main.h"
#include "xeCustomEdit.h"

namespace {

// The folder that keeps the marks of running previews, with the recovery copies.
QString MarkFolder() { return StateFolder(); }

constexpr int StatusNoticeMs = 30000;

}  // namespace

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
  // Where the web engine would end the program, none is made: the pane says why instead.
  if (const QString why = PreviewUnavailableReason(); !why.isEmpty()) {
    FNotice->setText(why);
    FNotice->setMargin(8);
    FNotice->show();
    layout->addStretch(1);
    setWidget(body);
    return;
  }

  // An off-the-record profile: the preview keeps nothing on disk.
  FProfile = new QWebEngineProfile(this);
  FScheme = new TPreviewSchemeHandler(this);
  FProfile->installUrlSchemeHandler(kPreviewScheme, FScheme);
  auto* split = new QSplitter(Qt::Vertical, body);
  FSplit = split;
  FView = new QWebEngineView(split);
  FView->setObjectName(QStringLiteral("LivePreviewView"));
  NewPage();
  // Clicks and keys reach the page through the view's children.
  FView->installEventFilter(this);
  for (QObject* child : FView->children()) child->installEventFilter(this);
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

void TLivePreviewPane::NewPage() {
  TLivePreviewPage* old = FPage;
  FPage = new TLivePreviewPage(FProfile, this, [this](const QString& Line) { AddConsoleLine(Line); });
  connect(FPage, &QWebEnginePage::loadFinished, this, &TLivePreviewPane::Loaded);
  // A page stuck in a loop of dialogs may not even let a new page in: its process goes with it, and
  // the text is shown again without scripts until the next change.
  connect(FPage, &TLivePreviewPage::DialogsStopped, this, [this] {
    NewPage();
    FScriptsOff = true;
    Render(true);
    FNotice->setText(
        QStringLiteral("The page's script opened dialog after dialog and was stopped: the "
                       "page is shown without scripts until the next change."));
    FNotice->show();
  });
  connect(FPage, &QWebEnginePage::renderProcessTerminated, this,
          [this](QWebEnginePage::RenderProcessTerminationStatus Status, int Code) {
            if (Status == QWebEnginePage::NormalTerminationStatus) return;
            FNotice->setText(
                QStringLiteral("The preview's page process ended (code %1); it starts again with the "
                               "next change.")
                    .arg(Code));
            FNotice->show();
          });
  FView->setPage(FPage);
  if (old) {
    old->disconnect(this);
    old->Mute();
    old->deleteLater();
  }
}

TLivePreviewPane::~TLivePreviewPane() {
  // The page must go before its profile.
  delete FView;
  delete FPage;
}

QString TLivePreviewPane::Notice() const { return FNotice->isHidden() ? QString() : FNotice->text(); }

void TLivePreviewPane::Schedule() {
  if (FPage && !isHidden()) FPause.start();
}

bool TLivePreviewPane::eventFilter(QObject* Watched, QEvent* Event) {
  switch (Event->type()) {
    case QEvent::ChildAdded:
      if (Watched == FView) static_cast<QChildEvent*>(Event)->child()->installEventFilter(this);
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::TouchEnd: FPage->UserActed(); break;
    case QEvent::KeyPress:
      switch (static_cast<QKeyEvent*>(Event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: FPage->UserActed(); break;
        default: break;
      }
      break;
    default: break;
  }
  return QDockWidget::eventFilter(Watched, Event);
}

void TLivePreviewPane::showEvent(QShowEvent* Event) {
  QDockWidget::showEvent(Event);
  Render(false);
}

void TLivePreviewPane::Render(bool Forced) {
  FPause.stop();
  if (!FPage) return;
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
  // A page shown again without its scripts keeps the lines that tell why.
  const bool scriptsOff = std::exchange(FScriptsOff, false);
  if (!scriptsOff) FConsole->clear();
  if (type == dtJavaScript) ShowConsole();
  FPage->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, !scriptsOff);
  const QUrl url = TPreviewSchemeHandler::PageUrl(document, ++FGeneration);
  FScheme->SetDocument(std::move(document));
  FPage->ShowDocument(url);
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

  // The pane is made when first wanted, so that a program without it starts no web engine. While it is
  // on, a mark says so to the next start (kept from the moment before the web engine starts).
  struct TState {
    QPointer<TLivePreviewPane> Pane;
    TPreviewRunMark Mark;
  };
  auto state = std::make_shared<TState>();
  QObject::connect(action, &QAction::toggled, &Form, [&Form, action, state](bool On) {
    Form.FormStorage->WriteBool(QStringLiteral("livepreview"), On);
    if (!On) {
      state->Mark.Clear();
      if (state->Pane) state->Pane->hide();
      return;
    }
    if (PreviewUnavailableReason().isEmpty()) state->Mark.Set(MarkFolder());
    if (!state->Pane) {
      state->Pane = new TLivePreviewPane(Form);
      Form.addDockWidget(Qt::RightDockWidgetArea, state->Pane);
      Form.resizeDocks({state->Pane}, {Form.width() / 2}, Qt::Horizontal);
      // Closing the pane with its own button unchecks the command.
      QObject::connect(state->Pane, &QDockWidget::visibilityChanged, action, [action, state](bool Visible) {
        if (!Visible && state->Pane && state->Pane->isHidden()) action->setChecked(false);
      });
    }
    state->Pane->show();
  });
  auto previous = std::move(Form.Memo1->OnChange);
  Form.Memo1->OnChange = [previous, state](TObject* Sender) {
    if (previous) previous(Sender);
    if (state->Pane) state->Pane->Schedule();
  };
  QObject::connect(&Form, &TMainForm::DocumentChanged, &Form, [state] {
    if (state->Pane) state->Pane->Schedule();
  });
}

void RestoreLivePreview(TMainForm& Form, bool On) {
  QAction* action = Form.Action(QStringLiteral("Livepreview1"));
  if (!action) return;
  // A mark nobody holds is left by a program that ended abnormally with its preview on.
  if (TakeAbandonedPreviewMarks(MarkFolder()) && On) {
    Form.FormStorage->WriteBool(QStringLiteral("livepreview"), false);
    Form.StatusBar1->showMessage(QStringLiteral("Live preview off after an abnormal end; F12 turns it on."),
                                 StatusNoticeMs);
    On = false;
  }
  action->setChecked(On);
}
