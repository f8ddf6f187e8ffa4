// The built-in bookmark glyph strip "xeInternalImages": ten tiles (digits 0..9, 11 x 14 pixels
// each) drawn once at first use and shared by every instance.
#pragma once

#include <QImage>

class QPainter;

class TxeInternalImage {
 public:
  TxeInternalImage();
  ~TxeInternalImage();
  TxeInternalImage(const TxeInternalImage&) = delete;
  TxeInternalImage& operator=(const TxeInternalImage&) = delete;

  int Count() const { return 10; }
  int GlyphWidth() const;   // (strip width + count div 2) div count
  int GlyphHeight() const;  // strip height
  // Draws glyph `number` in the row whose top is y and which is lineHeight tall.
  void DrawGlyph(QPainter& canvas, int number, int x, int y, int lineHeight) const;

  static const QImage& Strip();  // 110 x 14
  static int InstanceCount();
};
