#include "InsertMarkup.h"

#include "xeEditModel.h"

namespace {

// Line breaks as the editor reads them: CR LF, CR or LF.
int CountLineBreaks(std::string_view s, size_t* firstBreak) {
  int count = 0;
  *firstBreak = std::string_view::npos;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\r' && s[i] != '\n') continue;
    if (count == 0) *firstBreak = i;
    ++count;
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
  }
  return count;
}

}  // namespace

void InsertMarkup(TxeEditModel& editor, std::string_view opening, std::string_view closing,
                  TCloseRule closeRule, TSelectionPlace selectionPlace) {
  const std::string selected = editor.SelectedText();
  const bool closes =
      !closing.empty() && (closeRule == crAlways || (closeRule == crIfSelection && !selected.empty()));

  std::string text(opening);
  if (selectionPlace == spBetween) text += selected;
  if (closes) text += closing;
  if (selectionPlace == spAfter) text += selected;
  editor.ReplaceSelectionWithUndo(text);

  if (!closes || (selectionPlace == spBetween && !selected.empty())) return;

  // Step back over what follows the opening text: the closing text, and the selection when it
  // goes after. Counting the selection's own line breaks keeps the caret at the opening text
  // even when a selection of several lines follows it.
  std::string tail(closing);
  if (selectionPlace == spAfter) tail += selected;
  size_t firstBreak;
  const int breaks = CountLineBreaks(tail, &firstBreak);
  if (breaks == 0) {
    editor.SetCaretXY(editor.CaretCol() - int(tail.size()), editor.CaretLine());
  } else {
    const int y = editor.CaretLine() - breaks;
    editor.SetCaretXY(editor.LineLength(y) + 1 - int(firstBreak), y);
  }
  // No block is left behind at the old caret place.
  editor.SetSelBegin(editor.CaretPos());
}

std::string AuthorOpening(std::string_view userName) {
  std::string s = "<META NAME=\"Author\" CONTENT=\"";
  s += userName;
  s += "\">";
  return s;
}

std::string LowerCaseMarkup(std::string_view text) {
  std::string out(text);
  enum { Between, InTag, AfterEquals, Quoted, Unquoted } state = Between;
  char quote = 0;
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  for (std::size_t i = 0; i < out.size(); ++i) {
    char& c = out[i];
    switch (state) {
      case Between:
        // A tag opens with a name or a slash; "a < b" in script text is no tag.
        if (c == '<' && i + 1 < out.size() && (letter(out[i + 1]) || out[i + 1] == '/')) state = InTag;
        break;
      case InTag:
        if (c == '>')
          state = Between;
        else if (c == '=')
          state = AfterEquals;
        else if (c == '"' || c == '\'')
          quote = c, state = Quoted;
        else if (c >= 'A' && c <= 'Z')
          c = char(c + ('a' - 'A'));
        break;
      case AfterEquals:
        if (c == '"' || c == '\'')
          quote = c, state = Quoted;
        else if (c == '>')
          state = Between;
        else if (c != ' ' && c != '\t' && c != '\n')
          state = Unquoted;
        break;
      case Quoted:
        if (c == quote) state = InTag;
        break;
      case Unquoted:
        if (c == '>')
          state = Between;
        else if (c == ' ' || c == '\t' || c == '\n')
          state = InTag;
        break;
    }
  }
  return out;
}

void InsertMarkupItem(TxeEditModel& editor, const TMarkupItem& item, bool modern) {
  if (!modern) {
    InsertMarkup(editor, item.Opening, item.Closing, item.CloseRule, item.SelectionPlace);
    return;
  }
  InsertMarkup(editor, LowerCaseMarkup(item.Opening), LowerCaseMarkup(item.Closing), item.CloseRule,
               item.SelectionPlace);
}

void InsertAuthor(TxeEditModel& editor, std::string_view userName, bool modern) {
  const std::string opening = AuthorOpening(userName);
  InsertMarkup(editor, modern ? LowerCaseMarkup(opening) : opening, "", crNever, spAfter);
}
