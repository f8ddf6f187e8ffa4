// Colour values as the editor stores them (00BBGGRR, or 0x80000000 + a system colour index)
// turned into Qt colours just before they are painted.
#pragma once

#include <QColor>
#include <cstdint>

inline constexpr std::uint32_t xeclNone = 0x1FFFFFFF;
inline constexpr std::uint32_t xeclWindow = 0x80000005;
inline constexpr std::uint32_t xeclWindowText = 0x80000008;
inline constexpr std::uint32_t xeclHighlight = 0x8000000D;
inline constexpr std::uint32_t xeclHighlightText = 0x8000000E;
inline constexpr std::uint32_t xeclBtnFace = 0x8000000F;
inline constexpr std::uint32_t xecl3DShadow = 0x80000010;
inline constexpr std::uint32_t xecl3DHighlight = 0x80000014;

// System colours come from the application palette; clNone gives an invalid QColor.
QColor ColorToRGB(std::uint32_t colour);

// The 00BBGGRR value of a Qt colour.
std::uint32_t ColorFromRGB(const QColor& c);
