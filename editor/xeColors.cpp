#include "xeColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor SystemColour(unsigned index) {
  const QPalette pal = QGuiApplication::palette();
  switch (index) {
    case 0x05: return pal.color(QPalette::Active, QPalette::Base);
    case 0x08: return pal.color(QPalette::Active, QPalette::Text);
    case 0x0D: return pal.color(QPalette::Active, QPalette::Highlight);
    case 0x0E: return pal.color(QPalette::Active, QPalette::HighlightedText);
    case 0x0F: return pal.color(QPalette::Active, QPalette::Button);
    case 0x10: return pal.color(QPalette::Active, QPalette::Dark);
    case 0x14: return pal.color(QPalette::Active, QPalette::Light);
    case 0x12: return pal.color(QPalette::Active, QPalette::ButtonText);
    case 0x17: return pal.color(QPalette::Active, QPalette::ToolTipText);
    case 0x18: return pal.color(QPalette::Active, QPalette::ToolTipBase);
    default: return pal.color(QPalette::Active, QPalette::Window);
  }
}

}  // namespace

QColor ColorToRGB(TColor colour) {
  if (colour == clNone) return QColor();
  if (colour & 0x80000000u) return SystemColour(colour & 0xFF);
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

TColor ColorFromRGB(const QColor& c) {
  return static_cast<TColor>(c.red()) | (static_cast<TColor>(c.green()) << 8) |
         (static_cast<TColor>(c.blue()) << 16);
}
