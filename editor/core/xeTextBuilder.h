// TxeTextBuilder: the lines of a file taken straight from its bytes. The reader asks for room, reads into
// it and commits what it read; each piece that ends at a line break becomes a chunk of the line store as
// it is, so the text is never copied whole. Tabs may be widened to four blanks piece by piece.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "xeLineStore.h"

std::size_t CountTabs(const char* Text, std::size_t Size);
// Every tab of the Size bytes at Text as four blanks, the text then filling Size + 3 * Tabs bytes there
// (Tabs: how many tabs the bytes hold).
void WidenTabsInPlace(char* Text, std::size_t Size, std::size_t Tabs);

class TxeTextBuilder {
 public:
  static constexpr std::size_t DefaultPiece = std::size_t(8) << 20;
  static constexpr std::size_t HeadLength = 64 * 1024;

  explicit TxeTextBuilder(bool WidenTabs, std::size_t PieceSize = DefaultPiece);
  // Room for the lines an expected file size makes (a hint).
  void Expect(std::uint64_t FileBytes);
  // Where the next bytes of the file go; Bytes receives how many fit (at least one).
  char* Room(std::size_t& Bytes);
  // Bytes more of the room are the file's.
  void Commit(std::size_t Bytes);
  // Everything committed becomes lines (a final break adds no line; no bytes give no line).
  TxeLineStore Finish();

  // Bytes committed so far, as they are in the file.
  std::uint64_t Bytes() const { return FBytes; }
  // Lines in the store so far.
  std::size_t Lines() const { return FStore.Count(); }
  // The file's first bytes committed, up to HeadLength of them, as they are in the file.
  std::string_view Head() const;

  // Called with every piece as it is in the file (before tabs are widened), in order, each ending at a
  // line break or at the end of the file.
  std::function<void(std::string_view Piece)> OnPiece;

 private:
  // Makes the bytes before Cut a chunk and keeps the rest for the next piece.
  void Seal(std::size_t Cut);
  // Where a full piece may be cut: after its last line break (a CR at the very end might start CR LF).
  std::size_t CutPoint() const;

  TxeLineStore FStore;
  TxeByteBuffer FPiece;
  std::size_t FSize = 0, FCap = 0;
  std::size_t FPieceSize;
  std::uint64_t FBytes = 0;
  bool FWidenTabs;
  // A copy of the file's first bytes.
  TxeByteBuffer FHead;
  std::size_t FHeadSize = 0;
};
