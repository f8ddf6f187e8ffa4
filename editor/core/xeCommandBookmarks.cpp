// The numbered bookmark keys: jump to a bookmark, or toggle one on the caret line.
#include "xeCommands.h"

namespace {

bool GotoMarker(TxeEditModel& M, TxeEditorCommand Command, char32_t, const void*) {
  if (M.BookmarkKeysEnabled()) M.JumpToBookmark(Command - ecGotoMarker0);
  return true;
}

bool SetMarker(TxeEditModel& M, TxeEditorCommand Command, char32_t, const void*) {
  if (!M.BookmarkKeysEnabled()) return true;
  const int n = Command - ecSetMarker0;
  const TPoint caret = M.CaretPos();
  if (const TMark* mark = M.Bookmark(n)) {
    const int line = mark->Line();
    M.RemoveBookmark(n);
    // The same key on the same line takes the bookmark away; on another line it moves it.
    if (line != caret.Y) M.PlaceBookmark(n, caret.X, caret.Y);
  } else {
    M.PlaceBookmark(n, caret.X, caret.Y);
  }
  return true;
}

}  // namespace

void AddBookmarkCommands(TxeCommandTable& T) {
  for (int n = 0; n <= 9; ++n) {
    T[ecGotoMarker0 + n].Handler = GotoMarker;
    T[ecSetMarker0 + n].Handler = SetMarker;
  }
}
