#include "xeInternalImage.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kGlyphs = 10;
constexpr int kTileW = 11;
constexpr int kTileH = 14;

// 5 x 7 digit shapes, one row per byte, bit 4 = leftmost pixel.
constexpr unsigned char kDigits[kGlyphs][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E},  // 0
    {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},  // 1
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F},  // 2
    {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},  // 3
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02},  // 4
    {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},  // 5
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E},  // 6
    {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},  // 7
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E},  // 8
    {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},  // 9
};

QImage MakeStrip() {
  QImage img(kTileW * kGlyphs, kTileH, QImage::Format_RGB32);
  const QRgb face = qRgb(192, 192, 192), light = qRgb(255, 255, 255), dark = qRgb(128, 128, 128),
             black = qRgb(0, 0, 0);
  img.fill(face);
  for (int g = 0; g < kGlyphs; ++g) {
    const int x0 = g * kTileW;
    // a raised tile: light top and left edges, dark bottom and right edges
    for (int x = 0; x < kTileW; ++x) {
      img.setPixel(x0 + x, 0, light);
      img.setPixel(x0 + x, kTileH - 1, dark);
    }
    for (int y = 0; y < kTileH; ++y) {
      img.setPixel(x0, y, light);
      img.setPixel(x0 + kTileW - 1, y, dark);
    }
    // the digit, 5 x 7 pixels, in the middle of the face
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col)
        if (kDigits[g][row] & (0x10 >> col)) img.setPixel(x0 + 3 + col, 3 + row, black);
  }
  return img;
}

int gInstances = 0;

}  // namespace

const QImage& TxeInternalImage::Strip() {
  static const QImage strip = MakeStrip();
  return strip;
}

TxeInternalImage::TxeInternalImage() { ++gInstances; }
TxeInternalImage::~TxeInternalImage() { --gInstances; }
int TxeInternalImage::InstanceCount() { return gInstances; }

int TxeInternalImage::GlyphWidth() const { return (Strip().width() + Count() / 2) / Count(); }
int TxeInternalImage::GlyphHeight() const { return Strip().height(); }

// The strip with every pixel made a square of Ratio device pixels, so that scaled screens show the
// glyphs sharp rather than smoothed.
static const QImage& StripFor(int Ratio) {
  static QImage scaled[4];
  if (Ratio <= 1) return TxeInternalImage::Strip();
  Ratio = std::min(Ratio, 4);
  QImage& image = scaled[Ratio - 1];
  if (image.isNull()) {
    const QImage& strip = TxeInternalImage::Strip();
    image = strip.scaled(strip.size() * Ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    image.setDevicePixelRatio(Ratio);
  }
  return image;
}

void TxeInternalImage::DrawGlyph(QPainter& canvas, int number, int x, int y, int lineHeight) const {
  if (number < 0 || number >= Count()) return;
  const int w = GlyphWidth(), h = GlyphHeight();
  const int r =
      canvas.device() ? std::max(1, static_cast<int>(std::ceil(canvas.device()->devicePixelRatioF()))) : 1;
  const QImage& strip = StripFor(r);
  const int k = std::min(r, 4);
  if (lineHeight < h) {
    canvas.drawImage(QPoint(x, y), strip,
                     QRect(number * w * k, (h - lineHeight) / 2 * k, w * k, lineHeight * k));
  } else {
    canvas.drawImage(QPoint(x, y + (lineHeight - h) / 2), strip, QRect(number * w * k, 0, w * k, h * k));
  }
}
