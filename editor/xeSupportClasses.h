// Options objects owned by the editor widget: selection colours, the gutter, bookmark options.
// Each setter stores and fires OnChange only when the value really changed.
#pragma once

#include <QImage>
#include <QList>
#include <cstdint>
#include <functional>
#include <string>

#include "xeTypes.h"

class TxeSelectedColor : public TObject {
 public:
  const char* ClassName() const override { return "TxeSelectedColor"; }
  TColor Background() const { return FBackground; }
  TColor Foreground() const { return FForeground; }
  void SetBackground(TColor value);
  void SetForeground(TColor value);

  TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  TColor FBackground = 0x8000000D;
  TColor FForeground = 0x8000000E;
};

class TxeGutter : public TObject {
 public:
  const char* ClassName() const override { return "TxeGutter"; }
  bool AutoSize() const { return FAutoSize; }
  TColor Color() const { return FColor; }
  int Cursor() const { return FCursor; }  // a Qt::CursorShape; 0 = the arrow
  int DigitCount() const { return FDigitCount; }
  bool LeadingZeros() const { return FLeadingZeros; }
  int LeftOffset() const { return FLeftOffset; }
  int RightOffset() const { return FRightOffset; }
  bool ShowLineNumbers() const { return FShowLineNumbers; }
  bool UseFontStyle() const { return FUseFontStyle; }
  bool Visible() const { return FVisible; }
  int Width() const { return FWidth; }
  bool ZeroStart() const { return FZeroStart; }
  int FittedDigitCount() const { return FAutoSizeDigitCount; }

  void SetAutoSize(bool v);
  void SetColor(TColor v);
  void SetCursor(int v) { FCursor = v; }
  void SetDigitCount(int v);
  void SetLeadingZeros(bool v);
  void SetLeftOffset(int v);
  void SetRightOffset(int v);
  void SetShowLineNumbers(bool v);
  void SetUseFontStyle(bool v);
  void SetVisible(bool v);
  void SetWidth(int v);
  void SetZeroStart(bool v);

  void Assign(const TxeGutter& source);

  // Fits the digit count to the number of lines (auto-size with line numbers).
  void FitDigitCount(int lineCount);
  // The number shown for a 1-based line, right-aligned in the fitted digit count.
  std::string LineNumberText(int line) const;
  int PixelWidth(int charWidth) const;

  TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  template <class T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }

  bool FAutoSize = false;
  TColor FColor = 0x8000000F;
  int FCursor = 0;
  int FDigitCount = 4;
  bool FLeadingZeros = false;
  int FLeftOffset = 16;
  int FRightOffset = 2;
  bool FShowLineNumbers = false;
  bool FUseFontStyle = false;
  bool FVisible = true;
  int FWidth = 30;
  bool FZeroStart = false;
  int FAutoSizeDigitCount = 4;
};

class TxeBookMarkOpt : public TObject {
 public:
  const char* ClassName() const override { return "TxeBookMarkOpt"; }
  // The images marks are drawn from; empty = none (marks use the built-in glyphs).
  const QList<QImage>& BookmarkImages() const { return FImages; }
  bool HasBookmarkImages() const { return FHasImages; }
  void SetBookmarkImages(const QList<QImage>& images);
  void ClearBookmarkImages();
  bool EnableKeys() const { return FEnableKeys; }
  void SetEnableKeys(bool v) { FEnableKeys = v; }
  bool GlyphsVisible() const { return FGlyphsVisible; }
  void SetGlyphsVisible(bool v);
  int LeftMargin() const { return FLeftMargin; }
  void SetLeftMargin(int v);
  int Xoffset() const { return FXoffset; }
  void SetXoffset(int v);

  TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  QList<QImage> FImages;
  bool FHasImages = false;
  bool FEnableKeys = true;
  bool FGlyphsVisible = true;
  int FLeftMargin = 2;
  int FXoffset = 12;
};
