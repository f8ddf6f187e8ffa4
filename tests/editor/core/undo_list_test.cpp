#include <gtest/gtest.h>

#include "xeUndoList.h"

namespace {

void Push(TUndoList& L, int N) { L.AddChange(ukTyped, {N, 1}, {N + 1, 1}, std::to_string(N), smNormal); }

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
  l.AddChange(ukDeletedBack, {1, 2}, {3, 4}, "abc", smColumn);
  Push(l, 7);
  EXPECT_EQ(l.PeekKind(), ukTyped);
  TPoint s{9, 9}, e{9, 9};
  std::string t = "keep";
  TSelectionMode m = smNormal;
  EXPECT_EQ(l.GetChange(s, e, t, m), ukTyped);
  EXPECT_EQ(l.GetChange(s, e, t, m), ukDeletedBack);
  EXPECT_EQ((TPoint{1, 2}), s);
  EXPECT_EQ((TPoint{3, 4}), e);
  EXPECT_EQ(t, "abc");
  EXPECT_EQ(m, smColumn);
  EXPECT_EQ(l.GetChange(s, e, t, m), ukNone);
  EXPECT_EQ(t, "abc");
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
