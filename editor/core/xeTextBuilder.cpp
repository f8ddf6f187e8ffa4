#include "xeTextBuilder.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace {

TxeByteBuffer Allocate(std::size_t Bytes) {
  TxeByteBuffer b(static_cast<char*>(std::malloc(std::max<std::size_t>(Bytes, 1))));
  if (!b) throw std::bad_alloc();
  return b;
}

void Reallocate(TxeByteBuffer& B, std::size_t Bytes) {
  char* p = static_cast<char*>(std::realloc(B.get(), std::max<std::size_t>(Bytes, 1)));
  if (!p) throw std::bad_alloc();
  (void)B.release();
  B.reset(p);
}

// Text with every tab as four blanks, in a buffer of its own; the same buffer when there is no tab.
TxeByteBuffer WidenTabs(TxeByteBuffer Text, std::size_t& Size) {
  const char* p = Text.get();
  std::size_t tabs = 0;
  for (const char* t = p; (t = static_cast<const char*>(std::memchr(t, '\t', Size - std::size_t(t - p))));
       ++t)
    ++tabs;
  if (tabs == 0) return Text;
  TxeByteBuffer wide = Allocate(Size + 3 * tabs);
  char* out = wide.get();
  std::size_t from = 0;
  for (;;) {
    const auto* tab = static_cast<const char*>(std::memchr(p + from, '\t', Size - from));
    const std::size_t to = tab ? std::size_t(tab - p) : Size;
    std::memcpy(out, p + from, to - from);
    out += to - from;
    if (!tab) break;
    std::memset(out, ' ', 4);
    out += 4;
    from = to + 1;
  }
  Size += 3 * tabs;
  return wide;
}

}  // namespace

TxeTextBuilder::TxeTextBuilder(bool WidenTabs, std::size_t PieceSize)
    : FPieceSize(std::max<std::size_t>(PieceSize, 16)), FWidenTabs(WidenTabs) {}

void TxeTextBuilder::Expect(std::uint64_t FileBytes) {
  // Pages of hand-written markup have lines of some forty bytes or more.
  FStore.Reserve(static_cast<std::size_t>(FileBytes / 40) + 256);
}

std::string_view TxeTextBuilder::Head() const {
  // Sealed pieces went into the copy; the piece being read follows them.
  if (FHeadSize < HeadLength && FSize > 0) {
    const std::size_t more = std::min(FSize, HeadLength - FHeadSize);
    if (!FHead) return std::string_view(FPiece.get(), more);
    std::memcpy(FHead.get() + FHeadSize, FPiece.get(), more);
    return std::string_view(FHead.get(), FHeadSize + more);
  }
  return std::string_view(FHead.get(), FHeadSize);
}

char* TxeTextBuilder::Room(std::size_t& Bytes) {
  if (!FPiece) {
    FPiece = Allocate(FPieceSize);
    FCap = FPieceSize;
  } else if (FSize == FCap) {
    // A line longer than a piece: the piece grows until the line ends.
    Reallocate(FPiece, FCap * 2);
    FCap *= 2;
  }
  Bytes = FCap - FSize;
  return FPiece.get() + FSize;
}

void TxeTextBuilder::Commit(std::size_t Bytes) {
  FSize += Bytes;
  FBytes += Bytes;
  if (FSize < FCap) return;
  const std::size_t cut = CutPoint();
  if (cut > 0) Seal(cut);
}

std::size_t TxeTextBuilder::CutPoint() const {
  const char* p = FPiece.get();
  for (std::size_t i = FSize; i-- > 0;)
    if (p[i] == '\n' || (p[i] == '\r' && i + 1 < FSize)) return i + 1;
  return 0;
}

void TxeTextBuilder::Seal(std::size_t Cut) {
  // The rest goes into the next piece first, so that a failure loses nothing of it.
  const std::size_t rest = FSize - Cut;
  TxeByteBuffer next;
  std::size_t nextCap = 0;
  if (rest > 0 || FSize == FCap) {
    nextCap = std::max(FPieceSize, rest * 2);
    next = Allocate(nextCap);
    std::memcpy(next.get(), FPiece.get() + Cut, rest);
  }
  if (FHeadSize < HeadLength) {
    if (!FHead) FHead = Allocate(HeadLength);
    const std::size_t more = std::min(Cut, HeadLength - FHeadSize);
    std::memcpy(FHead.get() + FHeadSize, FPiece.get(), more);
    FHeadSize += more;
  }
  if (OnPiece) OnPiece(std::string_view(FPiece.get(), Cut));
  TxeByteBuffer piece = std::move(FPiece);
  // A piece grown for a long line gives back what its last line no longer needs.
  if (FCap - Cut > (std::size_t(1) << 20)) Reallocate(piece, Cut);
  std::size_t size = Cut;
  if (FWidenTabs) piece = WidenTabs(std::move(piece), size);
  FStore.AppendChunk(std::move(piece), size);
  FPiece = std::move(next);
  FCap = nextCap;
  FSize = rest;
}

TxeLineStore TxeTextBuilder::Finish() {
  if (FSize > 0) Seal(FSize);
  FPiece.reset();
  FCap = FSize = 0;
  FStore.Trim();
  return std::move(FStore);
}
