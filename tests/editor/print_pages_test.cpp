#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "QtTestApp.h"
#include "jxHTMLSyn.h"
#include "xeCustomEdit.h"
#include "xeEditModel.h"
#include "xePrint.h"

namespace {

struct TEvent {
  TxePrintStatus Status;
  int Page;
  bool Abort;
  bool operator==(const TEvent&) const = default;
};

class PrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FDir.isValid());
    FPath = FDir.filePath(QStringLiteral("out.pdf"));
    FPrinter.setOutputFormat(QPrinter::PdfFormat);
    FPrinter.setOutputFileName(FPath);
    FPrinter.setPageSize(QPageSize(QPageSize::A4));
    FPrinter.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  }

  void SetLines(int count, const char* prefix = "line ") {
    std::string text;
    for (int i = 1; i <= count; ++i) text += prefix + std::to_string(i) + "\n";
    FModel.SetText(text);
  }

  // Prints; AbortAt = (status, page) to answer Abort there.
  void Print(TxePrintOptions options, TxePrintStatus abortStatus = prsFinish, int abortPage = -1) {
    FEvents.clear();
    TxePrintContext ctx;
    ctx.Font = &FFont;
    FModel.OnPrintStatus = [&](TObject* sender, TxePrintStatus status, int page, bool& abort) {
      EXPECT_EQ(sender, &FModel);
      if (status == abortStatus && page == abortPage) abort = true;
      FEvents.push_back({status, page, abort});
    };
    PrintDocument(FModel, FPrinter, ctx, options);
  }

  static QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
  }
  int Pages() const {
    const QString info = Run(QStringLiteral("pdfinfo"), {FPath});
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
  }
  QString PageText(int page) const {
    return Run(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                QString::number(page), FPath, QStringLiteral("-")});
  }
  QString AllText() const {
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), FPath, QStringLiteral("-")});
  }
  // Left edge (points) of the first word on page 1 equal to `word`, or -1.
  double WordLeft(const QString& word, double* right = nullptr) const {
    const QString html = Run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                              QStringLiteral("-l"), QStringLiteral("1"), FPath, QStringLiteral("-")});
    const QRegularExpression re(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    for (auto it = re.globalMatch(html); it.hasNext();) {
      const auto m = it.next();
      if (m.captured(3) == word) {
        if (right) *right = m.captured(2).toDouble();
        return m.captured(1).toDouble();
      }
    }
    return -1;
  }

  bool FApp = (EnsureQtApp(), true);  // before the printer and fonts below
  QTemporaryDir FDir;
  QString FPath;
  QPrinter FPrinter{QPrinter::HighResolution};
  QFont FFont{QStringLiteral("Courier New"), 10};
  TxeEditModel FModel;
  std::vector<TEvent> FEvents;
};

TxePrintOptions MillimetreOptions(int margin) {
  TxePrintOptions o;
  o.MarginUnits = 2;
  o.Margins = {margin, margin, margin, margin};
  return o;
}

TEST_F(PrintTest, LongDocumentFlowsOverPagesWithoutLosingLines) {
  SetLines(300);
  TxePrintOptions o = MillimetreOptions(12);
  o.FooterLines = {{QStringLiteral("page $PAGENUM$"), xepaCenter}};
  Print(o);
  const int pages = Pages();
  ASSERT_GT(pages, 2);
  int next = 1;
  for (int page = 1; page <= pages; ++page) {
    const QString text = PageText(page);
    EXPECT_TRUE(text.contains(QStringLiteral("page %1").arg(page))) << page;
    for (const auto& m : QRegularExpression(QStringLiteral("line (\\d+)")).globalMatch(text)) {
      EXPECT_EQ(m.captured(1).toInt(), next) << "page " << page;
      next = m.captured(1).toInt() + 1;
    }
  }
  EXPECT_EQ(next, 301);
  ASSERT_EQ(FEvents.size(), static_cast<std::size_t>(pages + 2));
  EXPECT_EQ(FEvents.front(), (TEvent{prsStart, 0, false}));
  EXPECT_EQ(FEvents[1], (TEvent{prsPage, 1, false}));
  EXPECT_EQ(FEvents.back(), (TEvent{prsFinish, 0, false}));
}

TEST_F(PrintTest, MarginsPlaceTheText) {
  struct Case {
    std::uint8_t units;
    int margin;
    double printerMarginMm;
    double expectedPt;
  };
  const std::vector<Case> cases = {
      {2, 30, 0, 30 * 1200 / 1000 * 10000 / 254 / 1200.0 * 72},  // formula rounding: 1417 px at 1200 dpi
      {1, 1000, 0, 72},
      {0, 600, 0, 36},
      {2, 30, 10, 1417 / 1200.0 * 72},  // the printer's own margin is taken off, the text stays put
      {2, 5, 10, 10 / 25.4 * 72},       // a margin inside the unprintable area lands on its edge
  };
  FModel.SetText("marker\n");
  for (const auto& c : cases) {
    FPrinter.setPageMargins(
        QMarginsF(c.printerMarginMm, c.printerMarginMm, c.printerMarginMm, c.printerMarginMm),
        QPageLayout::Millimeter);
    TxePrintOptions o;
    o.MarginUnits = c.units;
    o.Margins = {c.margin, c.margin, c.margin, c.margin};
    Print(o);
    EXPECT_NEAR(WordLeft(QStringLiteral("marker")), c.expectedPt, 1.5) << int(c.units) << " " << c.margin;
  }
}

TEST_F(PrintTest, HeaderMacrosAndAlignment) {
  SetLines(200);
  TxePrintOptions o = MillimetreOptions(12);
  o.Title = QStringLiteral("x");
  o.HeaderLines = {{QStringLiteral("$TITLE$ - page $pagenum$"), xepaLeft},
                   {QStringLiteral("right$$"), xepaRight},
                   {QStringLiteral("$foo$"), xepaCenter}};
  Print(o);
  ASSERT_GE(Pages(), 3);
  const QString page3 = PageText(3);
  EXPECT_TRUE(page3.contains(QStringLiteral("x - page 3"))) << page3.toStdString();
  EXPECT_TRUE(page3.contains(QStringLiteral("FOO")));
  double right = 0;
  ASSERT_GT(WordLeft(QStringLiteral("right$"), &right), 0);
  const double pageRight = 210 / 25.4 * 72 - 551 / 1200.0 * 72;  // 12 mm by the formula: 551 px
  EXPECT_NEAR(right, pageRight, 8);
  const double fooLeft = WordLeft(QStringLiteral("FOO"));
  EXPECT_NEAR(fooLeft, 210 / 25.4 * 72 / 2, 15);
}

TEST_F(PrintTest, AbortFromTheStatusEvent) {
  SetLines(300);
  Print(MillimetreOptions(12), prsStart, 0);
  EXPECT_EQ(FEvents, (std::vector<TEvent>{{prsStart, 0, true}, {prsFinish, 0, true}}));
  EXPECT_FALSE(QFile::exists(FPath));

  Print(MillimetreOptions(12), prsPage, 2);
  EXPECT_EQ(FEvents,
            (std::vector<TEvent>{
                {prsStart, 0, false}, {prsPage, 1, false}, {prsPage, 2, true}, {prsFinish, 0, true}}));
  EXPECT_FALSE(QFile::exists(FPath));
}

TEST_F(PrintTest, SelectionOnly) {
  FModel.SetText("alpha beta\ngamma delta\nepsilon zeta\n");
  TxePrintOptions o = MillimetreOptions(12);
  o.SelectionOnly = true;
  Print(o);  // no selection: nothing at all
  EXPECT_TRUE(FEvents.empty());
  EXPECT_FALSE(QFile::exists(FPath));

  FModel.SetSelBegin({7, 1});
  FModel.SetSelEnd({6, 2});
  Print(o);
  QString text = AllText().simplified();
  EXPECT_EQ(text, QStringLiteral("beta gamma"));

  FModel.SetSelBegin({7, 1});
  FModel.SetSelEnd({1, 3});  // ends at the start of line 3: nothing of it
  Print(o);
  EXPECT_EQ(AllText().simplified(), QStringLiteral("beta gamma delta"));

  FModel.SetSelectionMode(smColumn);
  FModel.SetSelBegin({4, 3});
  FModel.SetSelEnd({1, 1});  // drawn right to left
  Print(o);
  EXPECT_EQ(AllText().simplified(), QStringLiteral("alp gam eps"));
  EXPECT_NEAR(WordLeft(QStringLiteral("alp")), 551 / 1200.0 * 72, 1.5);
}

TEST_F(PrintTest, EmptyDocumentPrintsOnePageWithHeaderAndFooter) {
  FModel.SetText("");
  TxePrintOptions o = MillimetreOptions(12);
  o.HeaderLines = {{QStringLiteral("head")}};
  o.FooterLines = {{QStringLiteral("foot")}};
  Print(o);
  EXPECT_EQ(Pages(), 1);
  EXPECT_EQ(AllText().simplified(), QStringLiteral("head foot"));
}

TEST_F(PrintTest, LineRangeAndColumns) {
  SetLines(10, "row ");
  TxePrintOptions o = MillimetreOptions(12);
  o.LineRange = {0, 3, 0, 4};  // lines 3 and 4, no column limits
  Print(o);
  EXPECT_EQ(AllText().simplified(), QStringLiteral("row 3 row 4"));
  o.LineRange = {2, 5, 3, 6};  // from column 2 of line 5 to column 3 of line 6
  Print(o);
  EXPECT_EQ(AllText().simplified(), QStringLiteral("ow 5 row"));
}

}  // namespace

namespace {

// Share of clearly coloured pixels on page 1 (red, green and blue apart), from a 50 dpi rendering.
double ColouredShare(const QString& pdf, const QString& dir) {
  QProcess::execute(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                     QStringLiteral("-singlefile"), pdf, dir + QStringLiteral("/page")});
  const QImage image(dir + QStringLiteral("/page.png"));
  if (image.isNull()) return -1;
  int coloured = 0, inked = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.lightness() > 240) continue;
      ++inked;
      if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 60)
        ++coloured;
    }
  return inked ? double(coloured) / inked : 0;
}

}  // namespace

TEST_F(PrintTest, HighlighterColoursOnlyWhenAskedFor) {
  TjxHTMLSyn html;
  for (int i = 0; i < html.AttributeCount(); ++i) html.AttributeAt(i)->SetForeground(0x0000FF);  // red
  FModel.SetHighLighter(&html);
  FModel.SetText("<b>bold words</b> and text\n");
  struct Case {
    bool useHighlighter, noColors, coloured;
  };
  for (const Case c : {Case{false, false, false}, Case{true, false, true}, Case{true, true, false},
                       Case{false, false, false}}) {
    TxePrintOptions o = MillimetreOptions(12);
    o.UseHighlighter = c.useHighlighter;
    o.NoColors = c.noColors;
    Print(o);
    EXPECT_EQ(AllText().simplified(), QStringLiteral("<b>bold words</b> and text"));
    const double share = ColouredShare(FPath, FDir.path());
    EXPECT_EQ(share > 0.5, c.coloured) << c.useHighlighter << c.noColors << " share " << share;
  }
  FModel.SetHighLighter(nullptr);
}

TEST_F(PrintTest, AJobThatCannotStartIsReportedAsNotCompleted) {
  FModel.SetText("text\n");
  FPrinter.setOutputFileName(FDir.filePath(QStringLiteral("missing/folder/out.pdf")));
  Print(MillimetreOptions(12));
  EXPECT_EQ(FEvents, (std::vector<TEvent>{{prsFinish, 0, true}}));
}

TEST_F(PrintTest, TheEditorPrintsInItsOwnFontUnlessGivenOne) {
  QPrinter& printer = xePrinter();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(FPath);
  TxeCustomEdit edit;
  edit.SetText("word\n");
  auto wordHeight = [&] {
    const QString html =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), FPath, QStringLiteral("-")});
    const auto m =
        QRegularExpression(QStringLiteral("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">word<"))
            .match(html);
    return m.hasMatch() ? m.captured(2).toDouble() - m.captured(1).toDouble() : -1;
  };
  edit.SetFont(QFont(QStringLiteral("Courier New"), 10));
  PrintDocument(edit, nullptr, MillimetreOptions(12));
  const double small = wordHeight();
  edit.SetFont(QFont(QStringLiteral("Courier New"), 30));
  PrintDocument(edit, nullptr, MillimetreOptions(12));
  const double large = wordHeight();
  EXPECT_GT(small, 0);
  EXPECT_NEAR(large / small, 3.0, 0.3);
  PrintDocument(edit, &FFont, MillimetreOptions(12));
  EXPECT_NEAR(wordHeight(), small, 0.5);
}
