// View quantities of the editor widget: fonts and the cell grid, scroll bars, the scroll hint,
// gutter clicks, dropped files and the mouse cursor.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

#include "jxHTMLSyn.h"
#include "widget_fixture.h"

namespace {

using ViewTest = WidgetTest;

TEST_F(ViewTest, ProportionalFontFallsBackToCourierNew) {
  QFont sans(QStringLiteral("DejaVu Sans"));
  sans.setPixelSize(17);
  sans.setItalic(true);
  Edit->SetFont(sans);
  EXPECT_EQ(Edit->Font().family(), QStringLiteral("Courier New"));
  EXPECT_EQ(Edit->Font().pixelSize(), 17);
  EXPECT_TRUE(Edit->Font().italic());
  EXPECT_TRUE(QFontInfo(Edit->Font()).fixedPitch());
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setPixelSize(15);
  Edit->SetFont(mono);
  EXPECT_EQ(Edit->Font().family(), QStringLiteral("DejaVu Sans Mono"));
}

TEST_F(ViewTest, CellWidthFromBoldAndRowHeightFromItalicWhenUsed) {
  TjxHTMLSyn html;
  for (int i = 0; i < html.AttributeCount(); ++i) html.AttributeAt(i)->SetStyle(0);
  QFont f = Edit->Font(), bold = f, italic = f;
  bold.setBold(true);
  italic.setItalic(true);
  Edit->SetHighLighter(&html);
  EXPECT_EQ(Edit->CharWidth(), QFontMetrics(f).horizontalAdvance(QLatin1Char('M')));
  EXPECT_EQ(Edit->LineHeight(), QFontMetrics(f).height());
  html.StandardAttribute(1)->SetStyle(fsItalic);  // the change reaches the editor through the chain
  EXPECT_EQ(Edit->LineHeight(), QFontMetrics(italic).height());
  html.StandardAttribute(2)->SetStyle(fsBold);
  EXPECT_EQ(Edit->CharWidth(), QFontMetrics(bold).horizontalAdvance(QLatin1Char('M')));
  Edit->SetExtraLineSpacing(3);
  EXPECT_EQ(Edit->LineHeight(), QFontMetrics(italic).height() + 3);
  Edit->SetHighLighter(nullptr);
}

TEST_F(ViewTest, ScrollBarsCoverTheTextAndTheLongestLine) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += "x\r\n";
  text += std::string(3000, 'y');
  SetText(text);
  QScrollBar* v = Edit->verticalScrollBar();
  QScrollBar* h = Edit->horizontalScrollBar();
  EXPECT_EQ(v->minimum(), 1);
  EXPECT_EQ(v->maximum(), Edit->LineCount());  // the last line may become the top line
  EXPECT_EQ(v->pageStep(), Edit->VisibleLineCount());
  EXPECT_EQ(h->maximum() + h->pageStep() - 1, 3001);  // every column of the longest line
  v->setValue(200);
  EXPECT_EQ(Edit->FirstVisibleLine(), 200);
  h->setValue(2000);
  EXPECT_EQ(Edit->FirstVisibleColumn(), 2000);
  Edit->SetFirstVisibleLine(100000);
  EXPECT_EQ(v->value(), Edit->LineCount());
  // The range counts display cells: 200 tabs and "END" take 1603 cells in 203 bytes.
  SetText(std::string(200, '\t') + "END\r\n");
  Edit->SetTabWidth(8);
  EXPECT_GE(h->maximum() + h->pageStep() - 1, 1604);
  Edit->SetCaretPos({204, 1});
  EXPECT_EQ(Edit->ColumnToCell(1, 204), 1604);
  EXPECT_GE(1604, Edit->FirstVisibleColumn());
  EXPECT_LE(1604, Edit->FirstVisibleColumn() + Edit->VisibleColumnCount());
}

TEST_F(ViewTest, ScrollHintShowsTheTopLine) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += "x\r\n";
  SetText(text);
  QScrollBar* v = Edit->verticalScrollBar();
  QLabel* hint = TxeCustomEdit::ScrollHintWindow();
  v->setSliderDown(true);
  v->setSliderPosition(123);
  EXPECT_EQ(Edit->FirstVisibleLine(), 123);
  ASSERT_TRUE(hint->isVisible());
  EXPECT_EQ(hint->text(), QStringLiteral("Top Line: 123"));
  EXPECT_LT(hint->height(), 2 * hint->fontMetrics().lineSpacing());  // one line
  const QPoint client = Edit->viewport()->mapToGlobal(QPoint(0, 0));
  EXPECT_EQ(hint->geometry().right() + 1, client.x() + Edit->viewport()->width() - 4);
  EXPECT_EQ(hint->geometry().top(), client.y() + 10);
  EXPECT_LE(hint->width(), 200);
  v->setSliderDown(false);
  EXPECT_FALSE(hint->isVisible());
  Edit->SetOptions(Edit->Options() & ~xeoShowScrollHint);
  v->setSliderDown(true);
  v->setSliderPosition(50);
  EXPECT_EQ(Edit->FirstVisibleLine(), 50);
  EXPECT_FALSE(hint->isVisible());
  v->setSliderDown(false);
}

TEST_F(ViewTest, GutterClickFindsTheMark) {
  SetText("a\r\nb\r\nc\r\n");
  Edit->Gutter().SetWidth(40);
  Edit->PlaceBookmark(1, 1, 2);
  Edit->PlaceBookmark(2, 1, 3);
  int line = 0;
  TMark* mark = reinterpret_cast<TMark*>(1);
  Edit->OnGutterClick = [&](TObject*, int, int, int l, TMark* m) {
    line = l;
    mark = m;
  };
  const int lh = Edit->LineHeight();
  QTest::mouseClick(Edit->viewport(), Qt::LeftButton, {}, QPoint(5, lh + lh / 2));
  EXPECT_EQ(line, 2);
  EXPECT_EQ(mark, Edit->Bookmark(1));
  QTest::mouseClick(Edit->viewport(), Qt::LeftButton, {}, QPoint(30, 2 * lh + 2));
  EXPECT_EQ(line, 3);
  EXPECT_EQ(mark, nullptr);  // right of the glyphs
  EXPECT_EQ(Edit->CaretPos(), (TPoint{1, 3}));
}

TEST_F(ViewTest, FilesDroppedFromTheFileManager) {
  QStringList got;
  QPoint at;
  Edit->OnDropFiles = [&](TObject*, int x, int y, const QStringList& files) {
    got = files;
    at = QPoint(x, y);
  };
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a page.html")),
                QUrl::fromLocalFile(QStringLiteral("/tmp/b.css"))});
  for (bool on : {false, true}) {
    Edit->SetOptions(on ? (Edit->Options() | xeoDropFiles) : (Edit->Options() & ~xeoDropFiles));
    QDragEnterEvent enter(QPoint(30, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Edit->viewport(), &enter);
    EXPECT_EQ(enter.isAccepted(), on);
    QDropEvent drop(QPointF(30, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Edit->viewport(), &drop);
  }
  EXPECT_EQ(got, (QStringList{QStringLiteral("/tmp/a page.html"), QStringLiteral("/tmp/b.css")}));
  EXPECT_EQ(at, QPoint(30, 20));
}

TEST_F(ViewTest, CursorShapes) {
  SetText("abcdefgh\r\n");
  Edit->Gutter().SetWidth(30);
  Edit->SetSelBegin({2, 1});
  Edit->SetSelEnd({6, 1});
  const int y = Edit->LineHeight() / 2;
  struct Case {
    QPoint at;
    Qt::CursorShape shape;
  } cases[] = {{{5, y}, Qt::ArrowCursor},
               {{Edit->ColumnToX(3) + 2, y}, Qt::ArrowCursor},
               {{Edit->ColumnToX(8) + 2, y}, Qt::IBeamCursor}};
  for (const auto& c : cases) {
    QTest::mouseMove(Edit->viewport(), c.at);
    EXPECT_EQ(Edit->viewport()->cursor().shape(), c.shape) << c.at.x();
  }
}

}  // namespace
