#include "PageCheckPane.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <new>
#include <string_view>
#include <utility>

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

TPageCheckPane::TPageCheckPane(TxeCustomEdit* Editor, QWidget* Parent)
    : QDockWidget(QStringLiteral("Check page"), Parent), FEditor(Editor) {
  setObjectName(QStringLiteral("PageCheckPane"));
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(2, 2, 2, 2);
  auto* top = new QHBoxLayout;
  FStatus = new QLabel(body);
  FStatus->setObjectName(QStringLiteral("PageCheckStatus"));
  FCancel = new QPushButton(QStringLiteral("Cancel"), body);
  FCancel->setObjectName(QStringLiteral("PageCheckCancel"));
  FCancel->hide();
  connect(FCancel, &QPushButton::clicked, this, &TPageCheckPane::Cancel);
  top->addWidget(FStatus, 1);
  top->addWidget(FCancel);
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
  layout->addLayout(top);
  layout->addWidget(FList);
  setWidget(body);
  connect(FList, &QTreeView::activated, this, [this](const QModelIndex& Index) { GoTo(Index.row()); });

  Editor->BookMarkOptions().SetBookmarkImages({Glyph(true), Glyph(false)});
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
  show();
  raise();
  // The program gets its own copy: the text may change while it checks.
  QByteArray page;
  try {
    qsizetype size = 0;
    for (int y = 1, n = FEditor->LineCount(); y <= n; ++y) size += FEditor->LineLength(y) + 1;
    page.reserve(size);
    for (int y = 1, n = FEditor->LineCount(); y <= n; ++y) {
      if (y > 1) page += '\n';
      const std::string_view line = FEditor->LineText(y);
      page.append(line.data(), qsizetype(line.size()));
    }
  } catch (const std::bad_alloc&) {
    FStatus->setText(
        QStringLiteral("The page check stopped: there is not enough memory for a copy of the page"));
    emit Finished();
    return;
  }
  FRun =
      new TPageCheckRun(FProgram.isEmpty() ? PageCheckProgram() : FProgram, std::move(page), FLimits, this);
  connect(FRun, &TPageCheckRun::Progress, this, &TPageCheckPane::ShowProgress);
  connect(FRun, &TPageCheckRun::Ended, this, &TPageCheckPane::RunEnded);
  FStatus->setText(QStringLiteral("Checking page..."));
  FCancel->show();
  FRun->Start();
}

void TPageCheckPane::Abandon() {
  delete FRun;  // ends its process
  FRun = nullptr;
  FCancel->hide();
}

void TPageCheckPane::Cancel() {
  if (!FRun) return;
  Abandon();
  FStatus->setText(QStringLiteral("The page check was cancelled"));
}

void TPageCheckPane::Forget() {
  Abandon();
  RemoveMarks();
  FModel->SetProblems({});
  FStatus->clear();
}

void TPageCheckPane::ShowProgress() {
  if (!FRun) return;
  const qint64 total = std::max<qint64>(FRun->PageSize(), 1);
  FStatus->setText(
      QStringLiteral("Checking page... %1%").arg(std::min(FRun->BytesRead(), total) * 100 / total));
}

void TPageCheckPane::RunEnded() {
  TPageCheckRun* run = std::exchange(FRun, nullptr);
  FCancel->hide();
  const QString reason = run->StopReason();
  TPageCheckResult result = run->TakeResult();
  run->deleteLater();  // it is still sending this signal
  if (reason.isEmpty())
    Show(std::move(result));
  else
    FStatus->setText(QStringLiteral("The page check stopped: ") + reason);
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
  // Saved under another name or given another type, the text is the same; New or Open replace it.
  QObject::connect(&Form, &TMainForm::DocumentReplaced, pane, &TPageCheckPane::Forget);
}
