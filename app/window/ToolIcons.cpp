#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Size = 18;

void Page(QPainter& p, QRectF r) {
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - 4, r.top());
  path.lineTo(r.right(), r.top() + 4);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setBrush(Qt::white);
  p.drawPath(path);
}

void Label(QPainter& p, const QString& text, const QColor& color, int pixels) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixels);
  font.setBold(true);
  p.setFont(font);
  p.setPen(color);
  p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, text);
}

void Globe(QPainter& p, const QColor& color, const QString& letter) {
  p.setBrush(color);
  p.drawEllipse(QRectF(1.5, 1.5, Size - 3, Size - 3));
  Label(p, letter, Qt::white, letter.size() > 1 ? 8 : 11);
}

void PaintIcon(QPainter& p, TToolIcon Kind) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 40), 1));
  switch (Kind) {
    case tiNone: break;
    case tiNew: Page(p, QRectF(3.5, 1.5, 11, 15)); break;
    case tiOpen:
      p.setBrush(QColor(240, 200, 80));
      p.drawRect(QRectF(1.5, 5.5, 15, 10));
      p.drawRect(QRectF(1.5, 3.5, 6, 2));
      break;
    case tiSave:
      p.setBrush(QColor(60, 90, 170));
      p.drawRect(QRectF(1.5, 1.5, 15, 15));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 1.5, 9, 6));
      p.drawRect(QRectF(4.5, 10.5, 9, 6));
      break;
    case tiPrint:
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 1.5, 9, 6));
      p.setBrush(QColor(150, 150, 150));
      p.drawRect(QRectF(1.5, 7.5, 15, 6));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 11.5, 9, 5));
      break;
    case tiSearch:
      p.setPen(QPen(QColor(40, 40, 40), 2));
      p.setBrush(QColor(200, 230, 255));
      p.drawEllipse(QRectF(2, 2, 9, 9));
      p.drawLine(QPointF(10, 10), QPointF(16, 16));
      break;
    case tiCut:
      p.drawLine(QPointF(5, 2), QPointF(12, 12));
      p.drawLine(QPointF(13, 2), QPointF(6, 12));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(2.5, 11.5, 5, 5));
      p.drawEllipse(QRectF(10.5, 11.5, 5, 5));
      break;
    case tiCopy:
      Page(p, QRectF(1.5, 1.5, 9, 11));
      Page(p, QRectF(7.5, 5.5, 9, 11));
      break;
    case tiPaste:
      p.setBrush(QColor(190, 140, 80));
      p.drawRect(QRectF(2.5, 2.5, 11, 14));
      Page(p, QRectF(7.5, 6.5, 9, 10));
      break;
    case tiUndo: {
      p.setPen(QPen(QColor(30, 90, 30), 2));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(4, 4, 11, 10), 90 * 16, -200 * 16);
      p.drawLine(QPointF(3, 5), QPointF(9.5, 4));
      p.drawLine(QPointF(3, 5), QPointF(6, 10));
      break;
    }
    case tiBrowserN: Globe(p, QColor(20, 110, 60), QStringLiteral("N")); break;
    case tiBrowserIE: Globe(p, QColor(30, 90, 190), QStringLiteral("IE")); break;
    case tiBrowserCustom: Globe(p, QColor(130, 70, 150), QStringLiteral("C")); break;
    case tiExtended:
      Page(p, QRectF(3.5, 1.5, 11, 15));
      Label(p, QStringLiteral("X"), QColor(170, 40, 40), 10);
      break;
    case tiHLNone: Label(p, QStringLiteral("NO"), QColor(90, 90, 90), 8); break;
    case tiHLHTML: Label(p, QStringLiteral("<>"), QColor(128, 0, 64), 10); break;
    case tiHLJS: Label(p, QStringLiteral("JS"), QColor(160, 110, 0), 9); break;
    case tiHLCSS: Label(p, QStringLiteral("CSS"), QColor(0, 90, 160), 7); break;
  }
}

}  // namespace

QIcon ToolIcon(TToolIcon Kind) {
  if (Kind == tiNone) return {};
  // Drawn for each pixel density, so that scaled screens get sharp icons.
  QIcon icon;
  for (int ratio = 1; ratio <= 3; ++ratio) {
    QPixmap pixmap(Size * ratio, Size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    PaintIcon(p, Kind);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}
