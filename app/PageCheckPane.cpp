#include "PageCheckPane.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <map>
#include <thread>

#include "main.h"
#include "xeCustomEdit.h"
#include "xeMarks.h"

namespace {

constexpr int kGlyphSize = 11;
constexpr int kMarkGutterWidth = 18;  // room for one glyph at the bookmark margin
enum : int { kErrorGlyph = 0, kWarningGlyph = 1 };

// A red disc for an error, an amber triangle for a warning, each with a white stroke.
QImage Glyph(bool Error) {
  QImage image(kGlyphSize, kGlyphSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  if (Error) {
    p.setBrush(QColor(0xD0, 0x20, 0x20));
    p.drawEllipse(QRectF(0.5, 0.5, kGlyphSize - 1, kGlyphSize - 1));
  } else {
    p.setBrush(QColor(0xE8, 0xA0, 0x00));
    p.drawPolygon(QPolygonF({QPointF(kGlyphSize / 2.0, 0.5), QPointF(kGlyphSize - 0.5, kGlyphSize - 0.5),
                             QPointF(0.5, kGlyphSize - 0.5)}));
  }
  p.setPen(QPen(Qt::white, 1.5));
  p.drawLine(QPointF(kGlyphSize / 2.0, 3), QPointF(kGlyphSize / 2.0, kGlyphSize - 5));
  p.drawPoint(QPointF(kGlyphSize / 2.0, kGlyphSize - 3));
  return image;
}

}  // namespace

// The list's rows: one problem each, as line, column and message.
class TPageProblemModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetProblems(std::vector<TPageProblem> Problems) {
    beginResetModel();
    FProblems = std::move(Problems);
    endResetModel();
  }
  const std::vector<TPageProblem>& Problems() const { return FProblems; }

  int rowCount(const QModelIndex& Parent) const override {
    return Parent.isValid() ? 0 : int(FProblems.size());
  }
  int columnCount(const QModelIndex& Parent) const override { return Parent.isValid() ? 0 : 3; }
  QVariant data(const QModelIndex& Index, int Role) const override {
    const TPageProblem& p = FProblems[std::size_t(Index.row())];
    if (Role == Qt::DisplayRole) {
      switch (Index.column()) {
        case 0: return p.Line > 0 ? QVariant(p.Line) : QVariant();
        case 1: return p.Column > 0 ? QVariant(p.Column) : QVariant();
        default: return QString::fromStdString(p.Message);
      }
    }
    if (Role == Qt::DecorationRole && Index.column() == 2) return p.Error ? FErrorIcon : FWarningIcon;
    return {};
  }
  QVariant headerData(int Section, Qt::Orientation Orientation, int Role) const override {
    if (Orientation != Qt::Horizontal || Role != Qt::DisplayRole) return {};
    const char* const titles[] = {"Line", "Column", "Message"};
    return QString::fromLatin1(titles[Section]);
  }

 private:
  std::vector<TPageProblem> FProblems;
  QImage FErrorIcon = Glyph(true);
  QImage FWarningIcon = Glyph(false);
};

// One check: its own copy of the text, read by the worker thread, which leaves the result here.
// The thread holds the job, so a pane that gives up on it (or goes away) leaves nothing dangling.
struct TPageCheckPane::TJob {
  std::string Text;
  TPageCheckControl Control;
  TPageCheckResult Result;
  std::atomic<bool> Done{false};
};

TPageCheckPane::TPageCheckPane(TxeCustomEdit* Editor, QWidget* Parent)
    : QDockWidget(QStringLiteral("Check page"), Parent), FEditor(Editor) {
  setObjectName(QStringLiteral("PageCheckPane"));
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(2, 2, 2, 2);
  FStatus = new QLabel(body);
  FStatus->setObjectName(QStringLiteral("PageCheckStatus"));
  FList = new QTreeView(body);
  FList->setObjectName(QStringLiteral("PageCheckList"));
  FModel = new TPageProblemModel(FList);
  FList->setModel(FModel);
  FList->setRootIsDecorated(false);
  FList->setUniformRowHeights(true);  // large lists stay quick
  FList->setAllColumnsShowFocus(true);
  FList->header()->setStretchLastSection(true);
  FList->setColumnWidth(0, 60);
  FList->setColumnWidth(1, 60);
  layout->addWidget(FStatus);
  layout->addWidget(FList);
  setWidget(body);
  connect(FList, &QTreeView::activated, this, [this](const QModelIndex& Index) { GoTo(Index.row()); });

  Editor->BookMarkOptions().SetBookmarkImages({Glyph(true), Glyph(false)});
  FPoll.setInterval(100);
  connect(&FPoll, &QTimer::timeout, this, &TPageCheckPane::Poll);
  // Marks stand only while the list is shown; closing the pane also gives up a running check.
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool Visible) {
    if (Visible || !isHidden()) return;
    Abandon();
    RemoveMarks();
  });
}

TPageCheckPane::~TPageCheckPane() {
  Abandon();
  RemoveMarks();
}

const std::vector<TPageProblem>& TPageCheckPane::Problems() const { return FModel->Problems(); }

QString TPageCheckPane::Status() const { return FStatus->text(); }

void TPageCheckPane::Check() {
  if (!FEditor) return;
  Abandon();
  RemoveMarks();
  FModel->SetProblems({});
  auto job = std::make_shared<TJob>();
  for (int y = 1, n = FEditor->LineCount(); y <= n; ++y) {
    if (y > 1) job->Text += '\n';
    job->Text += FEditor->LineText(y);
  }
  FJob = job;
  std::thread([job] {
    job->Result = CheckPage(job->Text, &job->Control);
    job->Done.store(true, std::memory_order_release);
  }).detach();
  FStatus->setText(QStringLiteral("Checking page..."));
  show();
  raise();
  FPoll.start();
}

void TPageCheckPane::Abandon() {
  if (FJob) FJob->Control.Cancel.store(true);
  FJob.reset();
  FPoll.stop();
}

void TPageCheckPane::Poll() {
  if (!FJob) return;
  if (!FJob->Done.load(std::memory_order_acquire)) {
    const std::size_t total = std::max<std::size_t>(FJob->Text.size(), 1);
    const std::size_t read = FJob->Control.BytesRead.load(std::memory_order_relaxed);
    FStatus->setText(QStringLiteral("Checking page... %1%").arg(read * 100 / total));
    return;
  }
  TPageCheckResult result = std::move(FJob->Result);
  FJob.reset();
  FPoll.stop();
  Show(std::move(result));
  emit Finished();
}

void TPageCheckPane::Show(TPageCheckResult Result) {
  QString status;
  if (Result.Errors == 0 && Result.Warnings == 0) {
    status = QStringLiteral("No errors or warnings");
  } else {
    auto count = [](int n, const char* what) {
      return QStringLiteral("%1 %2%3").arg(n).arg(what).arg(n == 1 ? "" : "s");
    };
    status = count(Result.Errors, "error") + QStringLiteral(", ") + count(Result.Warnings, "warning");
    if (std::size_t(Result.Errors + Result.Warnings) > Result.Problems.size())
      status += QStringLiteral("; the first %1 are listed").arg(Result.Problems.size());
  }
  FStatus->setText(status);
  FModel->SetProblems(std::move(Result.Problems));
  AddMarks();
}

void TPageCheckPane::AddMarks() {
  if (!FEditor || FModel->Problems().empty()) return;
  std::map<int, bool> lines;  // line -> has an error
  for (const TPageProblem& p : FModel->Problems())
    if (p.Line > 0) lines[p.Line] = lines[p.Line] || p.Error;
  TxeGutter& gutter = FEditor->Gutter();
  if (!gutter.Visible() || gutter.PixelWidth(FEditor->CharWidth()) < kMarkGutterWidth) {
    FGutterWidened = true;
    FOldGutterVisible = gutter.Visible();
    FOldGutterWidth = gutter.Width();
    gutter.SetWidth(kMarkGutterWidth);
    gutter.SetVisible(true);
  }
  const int lineCount = FEditor->LineCount();
  for (const auto& [line, error] : lines) {
    auto mark = std::make_unique<TMark>();
    mark->SetLine(std::min(line, lineCount));
    mark->SetImageIndex(error ? kErrorGlyph : kWarningGlyph);
    mark->SetBookmarkNumber(-1);
    mark->SetInternalImage(false);
    mark->SetVisible(true);
    FMarks[line] = FEditor->Marks().Add(std::move(mark));
  }
}

void TPageCheckPane::RemoveMarks() {
  if (FEditor) {
    for (const auto& [line, mark] : FMarks) FEditor->Marks().Remove(mark);
    // Given back only as the marks left it: line numbers turned on since keep their gutter.
    TxeGutter& gutter = FEditor->Gutter();
    if (FGutterWidened && gutter.Visible() && !gutter.ShowLineNumbers() &&
        gutter.Width() == kMarkGutterWidth) {
      gutter.SetVisible(FOldGutterVisible);
      gutter.SetWidth(FOldGutterWidth);
    }
  }
  FMarks.clear();
  FGutterWidened = false;
}

void TPageCheckPane::GoTo(int Row) {
  const auto& problems = FModel->Problems();
  if (!FEditor || Row < 0 || Row >= int(problems.size()) || problems[std::size_t(Row)].Line <= 0) return;
  const TPageProblem& p = problems[std::size_t(Row)];
  int line = p.Line;
  if (auto it = FMarks.find(line); it != FMarks.end() && FEditor->Marks().Contains(it->second))
    line = it->second->Line();
  FEditor->SetCaretXY(std::max(p.Column, 1), std::min(line, FEditor->LineCount()));
  FEditor->setFocus();
}

void InstallPageCheck(TMainForm& Form) {
  auto* pane = new TPageCheckPane(Form.Memo1, &Form);
  Form.addDockWidget(Qt::BottomDockWidgetArea, pane);
  pane->hide();
  if (QAction* action = Form.Action(QStringLiteral("Checkpage1")))
    QObject::connect(action, &QAction::triggered, pane, &TPageCheckPane::Check);
}
