// Inserting snippets of markup, script and style text around the selection.
#pragma once

#include <span>
#include <string>
#include <string_view>

class TxeEditModel;

enum TCloseRule { crNever, crIfSelection, crAlways };
enum TSelectionPlace { spBetween, spAfter };

// Puts opening + selection + closing (as the rules say) in place of the selection, then leaves
// the caret right after the opening text when a closing text follows it.
void InsertMarkup(TxeEditModel& editor, std::string_view opening, std::string_view closing,
                  TCloseRule closeRule, TSelectionPlace selectionPlace);

// One insert command of the "&HTML", "&JavaScript" and "&CSS" menus.
struct TMarkupItem {
  const char* Name;      // the menu item's objectName
  const char* Caption;   // as stored, "&" marks the access key
  const char* Shortcut;  // portable QKeySequence text, empty for none
  const char* Opening;
  const char* Closing;
  TCloseRule CloseRule;
  TSelectionPlace SelectionPlace;
};

// Every command whose texts are constant, in menu order.
std::span<const TMarkupItem> MarkupItems();
const TMarkupItem* FindMarkupItem(std::string_view name);

// The Author meta tag's opening text for the given user name.
std::string AuthorOpening(std::string_view userName);

// Tag and attribute names in lower case, for "Write modern HTML"; attribute values and the text
// between tags stay as they are.
std::string LowerCaseMarkup(std::string_view text);

// Modern: the texts through LowerCaseMarkup first.
void InsertMarkupItem(TxeEditModel& editor, const TMarkupItem& item, bool modern = false);
void InsertAuthor(TxeEditModel& editor, std::string_view userName, bool modern = false);
