#include "xeSupportClasses.h"

#include <algorithm>

// ---------------------------------------------------------------- TxeSelectedColor

void TxeSelectedColor::SetBackground(TColor value) {
  if (value == FBackground) return;
  FBackground = value;
  Changed();
}

void TxeSelectedColor::SetForeground(TColor value) {
  if (value == FForeground) return;
  FForeground = value;
  Changed();
}

// ---------------------------------------------------------------- TxeGutter

void TxeGutter::SetAutoSize(bool v) { Set(FAutoSize, v); }
void TxeGutter::SetColor(TColor v) { Set(FColor, v); }
void TxeGutter::SetLeadingZeros(bool v) { Set(FLeadingZeros, v); }
void TxeGutter::SetShowLineNumbers(bool v) { Set(FShowLineNumbers, v); }
void TxeGutter::SetUseFontStyle(bool v) { Set(FUseFontStyle, v); }
void TxeGutter::SetVisible(bool v) { Set(FVisible, v); }
void TxeGutter::SetZeroStart(bool v) { Set(FZeroStart, v); }
void TxeGutter::SetLeftOffset(int v) { Set(FLeftOffset, std::max(0, v)); }
void TxeGutter::SetRightOffset(int v) { Set(FRightOffset, std::max(0, v)); }
void TxeGutter::SetWidth(int v) { Set(FWidth, std::max(0, v)); }

void TxeGutter::SetDigitCount(int v) {
  v = std::clamp(v, 2, 12);
  if (v == FDigitCount) return;
  FDigitCount = v;
  FAutoSizeDigitCount = v;
  Changed();
}

void TxeGutter::Assign(const TxeGutter& source) {
  FColor = source.FColor;
  FVisible = source.FVisible;
  FWidth = source.FWidth;
  FShowLineNumbers = source.FShowLineNumbers;
  FLeadingZeros = source.FLeadingZeros;
  FZeroStart = source.FZeroStart;
  FLeftOffset = source.FLeftOffset;
  FDigitCount = source.FDigitCount;
  FRightOffset = source.FRightOffset;
  FAutoSize = source.FAutoSize;
  FAutoSizeDigitCount = source.FAutoSizeDigitCount;
  Changed();
}

void TxeGutter::FitDigitCount(int lineCount) {
  if (FVisible && FAutoSize && FShowLineNumbers) {
    int n = FZeroStart ? lineCount - 1 : lineCount;
    int digits = 1;
    for (long long v = n < 0 ? -static_cast<long long>(n) : n; v >= 10; v /= 10) ++digits;
    digits = std::max(digits, FDigitCount);
    if (digits != FAutoSizeDigitCount) {
      FAutoSizeDigitCount = digits;
      Changed();
    }
  } else {
    FAutoSizeDigitCount = FDigitCount;
  }
}

std::string TxeGutter::LineNumberText(int line) const {
  std::string s = std::to_string(FZeroStart ? line - 1 : line);
  const int pad = FAutoSizeDigitCount - static_cast<int>(s.size());
  if (pad > 0) s.insert(0, static_cast<std::size_t>(pad), FLeadingZeros ? '0' : ' ');
  return s;
}

int TxeGutter::PixelWidth(int charWidth) const {
  if (!FVisible) return 0;
  if (FShowLineNumbers) return FLeftOffset + FRightOffset + FAutoSizeDigitCount * charWidth + 2;
  return FWidth;
}

// ---------------------------------------------------------------- TxeBookMarkOpt

void TxeBookMarkOpt::SetBookmarkImages(const QList<QImage>& images) {
  FImages = images;
  FHasImages = true;
  Changed();
}

void TxeBookMarkOpt::ClearBookmarkImages() {
  if (!FHasImages) return;
  FImages.clear();
  FHasImages = false;
  Changed();
}

void TxeBookMarkOpt::SetGlyphsVisible(bool v) {
  if (v == FGlyphsVisible) return;
  FGlyphsVisible = v;
  Changed();
}

void TxeBookMarkOpt::SetLeftMargin(int v) {
  if (v == FLeftMargin) return;
  FLeftMargin = v;
  Changed();
}

void TxeBookMarkOpt::SetXoffset(int v) {
  if (v == FXoffset) return;
  FXoffset = v;
  Changed();
}
