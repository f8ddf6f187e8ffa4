// Small value types shared by the editing model, its view and the commands.
#pragma once
#include <cstdint>

// A text position: X is the 1-based byte column, Y the 1-based line.
struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Orders positions line first, then column.
inline bool PointBefore(const TPoint& A, const TPoint& B) { return A.Y < B.Y || (A.Y == B.Y && A.X < B.X); }

enum TSelectionMode : std::uint8_t { smNormal = 0, smColumn = 1, smLine = 2 };

// Editor options: bit n of the stored 16-bit value is option n.
using TxeEditorOptions = std::uint16_t;
constexpr TxeEditorOptions xeoAutoIndent = 1u << 0;
constexpr TxeEditorOptions xeoDragDropEditing = 1u << 1;
constexpr TxeEditorOptions xeoDropFiles = 1u << 2;
constexpr TxeEditorOptions xeoHalfPageScroll = 1u << 3;
constexpr TxeEditorOptions xeoNoCaret = 1u << 4;
constexpr TxeEditorOptions xeoNoSelection = 1u << 5;
constexpr TxeEditorOptions xeoScrollPastEol = 1u << 6;
constexpr TxeEditorOptions xeoShowScrollHint = 1u << 7;
constexpr TxeEditorOptions xeoTabsToSpaces = 1u << 8;
constexpr TxeEditorOptions xeoSmartTabs = 1u << 9;
constexpr TxeEditorOptions xeDefaultOptions = 963;

// Status changes reported by OnStatusChange, a bit set.
using TxeStatusChanges = std::uint8_t;
constexpr TxeStatusChanges stCaretCol = 2;
constexpr TxeStatusChanges stCaretLine = 4;
constexpr TxeStatusChanges stFirstColumn = 8;
constexpr TxeStatusChanges stFirstLine = 16;
constexpr TxeStatusChanges stInsertMode = 32;
constexpr TxeStatusChanges stModified = 64;
constexpr TxeStatusChanges stSelection = 128;
