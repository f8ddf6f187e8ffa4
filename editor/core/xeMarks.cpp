#include "xeMarks.h"

#include <algorithm>

void TMark::RowChanged(int Line) const {
  if (FOwner && FOwner->OnRowChanged) FOwner->OnRowChanged(Line);
}

void TMark::SetLine(int Value) {
  if (FVisible && FOwner && FLine > 0) RowChanged(FLine);
  FLine = Value;
  if (FVisible && FOwner) RowChanged(FLine);
}

void TMark::SetImageIndex(int Value) {
  FImageIndex = Value;
  if (FVisible) RowChanged(FLine);
}

void TMark::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  RowChanged(FLine);
}

void TMark::SetInternalImage(bool Value) {
  FInternalImage = Value;
  if (FVisible) RowChanged(FLine);
}

TMark* TMarkList::Add(std::unique_ptr<TMark> Mark) {
  TMark* m = Mark.get();
  m->FOwner = this;
  FItems.push_back(std::move(Mark));
  if (OnChange) OnChange();
  return m;
}

bool TMarkList::Remove(TMark* Mark) {
  auto it = std::find_if(FItems.begin(), FItems.end(), [&](const auto& p) { return p.get() == Mark; });
  if (it == FItems.end()) return false;
  FItems.erase(it);
  if (OnChange) OnChange();
  return true;
}

bool TMarkList::Contains(const TMark* Mark) const {
  return std::any_of(FItems.begin(), FItems.end(), [&](const auto& p) { return p.get() == Mark; });
}

std::array<TMark*, 16> TMarkList::MarksOnLine(int Line) const {
  std::array<TMark*, 16> out{};
  std::size_t n = 0;
  for (const auto& m : FItems) {
    if (n == out.size()) break;
    if (m->Line() == Line) out[n++] = m.get();
  }
  return out;
}

void TMarkList::Clear() {
  FItems.clear();
  if (OnChange) OnChange();
}
