// Colour values as the editor stores them (00BBGGRR, or 0x80000000 + a system colour index)
// turned into Qt colours just before they are painted.
#pragma once

#include <QColor>

#include "xeTypes.h"

inline constexpr TColor cl3DDkShadow = 0x80000010;
inline constexpr TColor cl3DLight = 0x80000014;

// System colours come from the application palette; clNone gives an invalid QColor.
QColor ColorToRGB(TColor colour);

// The 00BBGGRR value of a Qt colour.
TColor ColorFromRGB(const QColor& c);
