#include <gtest/gtest.h>

#include "xeUndoList.h"

namespace {

TUndoRecord Record(TUndoKind Kind, TPoint Start, TPoint End, TSelectionMode Mode = smNormal) {
  TUndoRecord r;
  r.Kind = Kind;
  r.StartPos = Start;
  r.EndPos = End;
  r.SelectionMode = Mode;
  return r;
}

void Push(TUndoList& L, int N) { L.AddRecord(Record(ukTyped, {N, 1}, {N + 1, 1})); }

std::vector<int> Columns(const TUndoList& L) {
  std::vector<int> out;
  for (int i = 0; i < L.ItemCount(); ++i) out.push_back(L.Item(i).StartPos.X);
  return out;
}

TEST(UndoList, MaximumKeepsTheNewest) {
  struct TCase {
    int Max;
    int Pushes;
    std::vector<int> Left;
  };
  const std::vector<TCase> cases = {
      {2, 3, {2, 3}},
      {0, 3, {3}},  // 0 still keeps the newest record
      {10, 3, {1, 2, 3}},
  };
  for (const auto& c : cases) {
    TUndoList l(c.Max);
    for (int i = 1; i <= c.Pushes; ++i) Push(l, i);
    EXPECT_EQ(Columns(l), c.Left) << "max " << c.Max;
  }
}

TEST(UndoList, LoweringTheMaximumDropsTheOldest) {
  TUndoList l(5);
  for (int i = 1; i <= 5; ++i) Push(l, i);
  l.SetMaxUndo(4);
  EXPECT_EQ(Columns(l), (std::vector<int>{2, 3, 4, 5}));
  l.SetMaxUndo(0);
  EXPECT_EQ(l.ItemCount(), 0);
}

TEST(UndoList, GetChangePopsTheNewestAndEmptyYieldsNone) {
  TUndoList l;
  l.AddRecord(Record(ukDeletedBack, {1, 2}, {3, 4}, smColumn));
  Push(l, 7);
  EXPECT_EQ(l.PeekKind(), ukTyped);
  TUndoRecord r;
  EXPECT_EQ(l.GetChange(r), ukTyped);
  EXPECT_EQ(l.GetChange(r), ukDeletedBack);
  EXPECT_EQ((TPoint{1, 2}), r.StartPos);
  EXPECT_EQ((TPoint{3, 4}), r.EndPos);
  EXPECT_EQ(r.SelectionMode, smColumn);
  EXPECT_EQ(l.GetChange(r), ukNone);
  EXPECT_EQ(r.Kind, ukDeletedBack);
  EXPECT_EQ(l.PeekKind(), ukNone);
}

TEST(UndoList, LockedListRecordsNothingAndFiresNothing) {
  TUndoList l;
  int fired = 0;
  l.OnAdded = [&] { ++fired; };
  l.Lock();
  Push(l, 1);
  EXPECT_EQ(l.ItemCount(), 0);
  EXPECT_EQ(fired, 0);
  l.Unlock();
  Push(l, 1);
  EXPECT_EQ(fired, 1);
}

}  // namespace
