// TxeEditList: the editor's text store. An ordered list of byte-string lines (without their breaks), each
// with one 32-bit slot in which the editor caches the highlighter range at the start of that line. Every
// structural change is reported through seven hooks, and outside a load the list never becomes empty.
//
// Storage: loaded text stays in large shared chunks that lines refer to by offset; a line that is replaced
// moves to a string of its own. A chunk is freed as soon as no line refers to it any more. The line records
// live in a gap buffer, so inserting or deleting lines near the last edit does not move the records of the
// whole document.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TxeEditList {
 public:
  using TNotifyEvent = std::function<void(TxeEditList* Sender)>;
  using TIndexEvent = std::function<void(int Index)>;
  // (Index, Count): Count lines inserted before, or removed from, Index.
  using TRangeEvent = std::function<void(int Index, int Count)>;

  // The value a new line's slot holds until a rescan fills it; no highlighter range equals it.
  static constexpr std::uint32_t NoRange = 0xFFFFFFFFu;

  TxeEditList();
  ~TxeEditList();
  TxeEditList(const TxeEditList&) = delete;
  TxeEditList& operator=(const TxeEditList&) = delete;

  int Count() const { return static_cast<int>(FIndex.Size()); }
  bool Empty() const { return FIndex.Size() == 0; }
  // The text of line Index (0-based). The view stays valid until the next change of the list.
  std::string_view Get(int Index) const;
  std::string_view operator[](int Index) const { return Get(Index); }
  std::size_t Length(int Index) const { return Get(Index).size(); }

  std::uint32_t Objects(int Index) const;
  void PutObject(int Index, std::uint32_t Value);

  // Mutations, each inside its own update bracket.
  int Add(std::string_view S);
  void Insert(int Index, std::string_view S);
  void Put(int Index, std::string_view S);
  void Put(int Index, std::string&& S);
  void Put(int Index, const char* S) { Put(Index, std::string_view(S)); }
  // Replaces Len bytes at byte Pos of line Index by S (in place when the line has a string of its own);
  // fires OnLinePut.
  void Replace(int Index, std::size_t Pos, std::size_t Len, std::string_view S);
  void Delete(int Index);
  void Clear();
  // Sets the whole text: lines end at CR, LF or CR LF; a final break adds no line; NUL bytes are kept.
  void SetText(std::string_view S);
  void SetText(std::string&& S);
  void SetText(const char* S) { SetText(std::string_view(S)); }
  // Every line followed by CR LF.
  std::string Text() const;
  void AddStrings(const std::vector<std::string>& Other);
  void Assign(const TxeEditList& Source);
  // Reads the rest of the stream as the whole text; with OnRangesRescan set, one rescan replaces the
  // per-line OnLineAdded calls.
  void LoadFromStream(std::istream& Stream);
  // The same from a string the list takes over (no copy of the text is made).
  void LoadFromString(std::string&& S);

  // Bulk operations for large edits, one hook call each. InsertLines inserts one line per segment of Text
  // between breaks (so N breaks give N + 1 lines) before Index and fires OnLineInserted(Index) once.
  // DeleteLines removes Count lines from Index (keeping one empty line when all would go) and fires
  // OnLineDeleted(Index, lines removed) once.
  void InsertLines(int Index, std::string_view Text);
  void InsertLines(int Index, std::string&& Text);
  void InsertLines(int Index, const char* Text) { InsertLines(Index, std::string_view(Text)); }
  void DeleteLines(int Index, int Count);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  int LoadDepth() const { return FLoadDepth; }
  void IncLoadDepth() { ++FLoadDepth; }
  // Lowers the load depth; back at 0 an empty list gets its one empty line.
  void DecLoadDepth();

  // An upper bound of the longest line's length (it does not shrink when long lines go).
  std::size_t LongestLine() const { return FLongest; }
  // Bytes of text the list holds on the heap in its chunks and line strings (capacity, not length).
  std::size_t StorageBytes() const;

  TNotifyEvent OnLineAdded;
  TNotifyEvent OnListCleared;
  TRangeEvent OnLineDeleted;
  TRangeEvent OnLineInserted;
  TNotifyEvent OnTextAssigned;
  TIndexEvent OnLinePut;
  TNotifyEvent OnRangesRescan;
  // The platform list's changing/changed events: once at the start and end of each outermost update.
  TNotifyEvent OnChanging;
  TNotifyEvent OnChanged;

 private:
  struct TLineRec {
    std::uint64_t Pos;  // chunk index and offset, or OwnBit + index of an own string
    std::uint32_t Len;
    std::uint32_t Range;
  };
  static constexpr std::uint64_t OwnBit = 1ull << 63;
  static constexpr int ChunkShift = 40;
  static constexpr std::uint64_t OffsetMask = (1ull << ChunkShift) - 1;

  // Gap buffer of line records.
  class TLineIndex {
   public:
    std::size_t Size() const { return FBuf.size() - FGapLen; }
    TLineRec& At(std::size_t I) { return FBuf[I < FGap ? I : I + FGapLen]; }
    const TLineRec& At(std::size_t I) const { return FBuf[I < FGap ? I : I + FGapLen]; }
    void InsertN(std::size_t I, std::size_t N);
    void EraseN(std::size_t I, std::size_t N);
    void Reset(std::size_t Reserve);
    void PushBack(const TLineRec& R);

   private:
    void MoveGap(std::size_t I);
    std::vector<TLineRec> FBuf;
    std::size_t FGap = 0;
    std::size_t FGapLen = 0;
  };

  class TUpdateBracket;
  void CheckIndex(int Index, int Limit) const;
  std::uint32_t NewOwn(std::string&& S);
  std::uint64_t NewChunk(std::string&& S, std::size_t Lines);
  std::string& Own(const TLineRec& R) { return FOwn[static_cast<std::size_t>(R.Pos & ~OwnBit)]; }
  void FreeLine(const TLineRec& R);
  void RemoveAll();
  void SplitIntoRecords(std::string&& S, bool FireAdded);
  std::size_t InsertSegments(int Index, std::string&& Text);
  void Note(std::size_t Len) {
    if (Len > FLongest) FLongest = Len;
  }

  // A block of text shared by the lines cut from it; Lines counts those still referring to it.
  struct TChunk {
    std::unique_ptr<std::string> Text;
    std::size_t Lines = 0;
  };

  TLineIndex FIndex;
  std::vector<TChunk> FChunks;
  std::vector<std::uint64_t> FFreeChunks;
  std::vector<std::string> FOwn;
  std::vector<std::uint32_t> FFreeOwn;
  int FUpdateCount = 0;
  int FLoadDepth = 0;
  std::size_t FLongest = 0;
};
