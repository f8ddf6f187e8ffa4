// The platform shortcut codes of the window layout (Ctrl+O = 16463 ...) as Qt key sequences.
#pragma once

#include <QKeySequence>
#include <cstdint>

QKeySequence ShortCutToKeySequence(std::uint16_t ShortCut);
