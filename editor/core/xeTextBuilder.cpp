#include "xeTextBuilder.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <new>
#include <string>
#include <utility>

#include <sys/mman.h>

namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

// Whether pages of 2 MiB come without a wait: where the system compacts memory for whoever asks for
// them (its usual setting), a fragmented memory made a 1 GB read take seconds instead of a second.
bool HugePagesWithoutStall() {
  static const bool without = [] {
    std::ifstream in("/sys/kernel/mm/transparent_hugepage/defrag");
    std::string policy;
    std::getline(in, policy);
    return policy.find("[defer]") != std::string::npos || policy.find("[never]") != std::string::npos;
  }();
  return without;
}

// A piece's bytes: on pages of 2 MiB where the system gives them at once, which takes a file in with a
// fraction of the page faults.
TxeByteBuffer AllocatePiece(std::size_t Bytes) {
  void* p = nullptr;
#ifdef MADV_HUGEPAGE
  if (Bytes >= HugePage && HugePagesWithoutStall() && posix_memalign(&p, HugePage, Bytes) == 0) {
    madvise(p, Bytes, MADV_HUGEPAGE);
    return TxeByteBuffer(static_cast<char*>(p));
  }
#endif
  p = std::malloc(std::max<std::size_t>(Bytes, 1));
  if (!p) throw std::bad_alloc();
  return TxeByteBuffer(static_cast<char*>(p));
}

void Reallocate(TxeByteBuffer& B, std::size_t Bytes) {
  char* p = static_cast<char*>(std::realloc(B.get(), std::max<std::size_t>(Bytes, 1)));
  if (!p) throw std::bad_alloc();
  (void)B.release();
  B.reset(p);
}

// Every tab of Size bytes at Text as four blanks, in the same buffer made larger; Size follows.
void WidenTabs(TxeByteBuffer& Text, std::size_t& Size) {
  const std::size_t tabs = CountTabs(Text.get(), Size);
  if (tabs == 0) return;
  Reallocate(Text, Size + 3 * tabs);
  WidenTabsInPlace(Text.get(), Size, tabs);
  Size += 3 * tabs;
}

}  // namespace

std::size_t CountTabs(const char* Text, std::size_t Size) {
  std::size_t tabs = 0;
  for (const char* t = Text;
       (t = static_cast<const char*>(std::memchr(t, '\t', Size - std::size_t(t - Text)))); ++t)
    ++tabs;
  return tabs;
}

void WidenTabsInPlace(char* Text, std::size_t Size, std::size_t Tabs) {
  // From the end, a stretch between two tabs at a time, so that every byte moves once and before it is
  // overwritten; the bytes before the first tab stay where they are.
  std::size_t from = Size, to = Size + 3 * Tabs;
  while (Tabs > 0) {
    const char* tab = static_cast<const char*>(memrchr(Text, '\t', from));
    const std::size_t after = std::size_t(tab - Text) + 1;
    std::memmove(Text + to - (from - after), Text + after, from - after);
    to -= from - after + 4;
    std::memset(Text + to, ' ', 4);
    from = after - 1;
    --Tabs;
  }
}

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
    FPiece = AllocatePiece(FPieceSize);
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
    next = AllocatePiece(nextCap);
    std::memcpy(next.get(), FPiece.get() + Cut, rest);
  }
  if (FHeadSize < HeadLength) {
    if (!FHead) {
      FHead.reset(static_cast<char*>(std::malloc(HeadLength)));
      if (!FHead) throw std::bad_alloc();
    }
    const std::size_t more = std::min(Cut, HeadLength - FHeadSize);
    std::memcpy(FHead.get() + FHeadSize, FPiece.get(), more);
    FHeadSize += more;
  }
  if (OnPiece) OnPiece(std::string_view(FPiece.get(), Cut));
  TxeByteBuffer piece = std::move(FPiece);
  // A piece grown for a long line gives back what its last line no longer needs.
  if (FCap - Cut > (std::size_t(1) << 20)) Reallocate(piece, Cut);
  std::size_t size = Cut;
  if (FWidenTabs) WidenTabs(piece, size);
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
