// Gutter marks and the list that owns them; bookmarks are marks with a BookmarkNumber of 0 or more.
#pragma once
#include <array>
#include <functional>
#include <memory>
#include <vector>

class TMarkList;

class TMark {
 public:
  int Line() const { return FLine; }
  // Repaints the gutter rows of the old and the new line.
  void SetLine(int Value);
  int Column() const { return FColumn; }
  void SetColumn(int Value) { FColumn = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool InternalImage() const { return FInternalImage; }
  void SetInternalImage(bool Value);
  int BookmarkNumber() const { return FBookmarkNumber; }
  void SetBookmarkNumber(int Value) { FBookmarkNumber = Value; }
  bool IsBookmark() const { return FBookmarkNumber >= 0; }
  // The list holding this mark, or none.
  TMarkList* Owner() const { return FOwner; }

 private:
  friend class TMarkList;
  void RowChanged(int Line) const;
  int FLine = 0;
  int FColumn = 0;
  int FImageIndex = 0;
  bool FVisible = false;
  bool FInternalImage = false;
  int FBookmarkNumber = 0;
  TMarkList* FOwner = nullptr;
};

class TMarkList {
 public:
  TMarkList() = default;
  TMarkList(const TMarkList&) = delete;
  TMarkList& operator=(const TMarkList&) = delete;

  // Takes ownership; fires OnChange.
  TMark* Add(std::unique_ptr<TMark> Mark);
  // Removes and frees the mark; fires OnChange. False when it is not in the list.
  bool Remove(TMark* Mark);
  bool Contains(const TMark* Mark) const;
  int Count() const { return static_cast<int>(FItems.size()); }
  TMark* Items(int Index) const { return FItems[static_cast<std::size_t>(Index)].get(); }
  // The first 16 marks on Line in list order; the other entries are null.
  std::array<TMark*, 16> MarksOnLine(int Line) const;
  void Clear();

  std::function<void()> OnChange;
  // A mark asks for its gutter row (1-based line) to be repainted.
  std::function<void(int Line)> OnRowChanged;

 private:
  std::vector<std::unique_ptr<TMark>> FItems;
};
