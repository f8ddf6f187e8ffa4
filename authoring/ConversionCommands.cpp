#include "ConversionCommands.h"

#include "Conversions.h"
#include "xeEditModel.h"

namespace {

constexpr TConversionItem kItems[] = {
    {"RemoveSpases1", RemoveExtraBlanks}, {"RemoveHTMLTags1", RemoveTags},
    {"ToUppercase1", ToUpperText},        {"ToLowercase1", ToLowerText},
    {"Capitalise1", Capitalise},          {"Strictcapitalise1", StrictCapitalise},
};

}  // namespace

std::span<const TConversionItem> ConversionItems() { return kItems; }

bool RunConversion(TxeEditModel& editor, TConversion convert, const std::function<bool()>& askWholeDocument) {
  if (editor.SelectedText().empty()) {
    if (!askWholeDocument || !askWholeDocument()) return false;
    editor.SelectAll();
  }
  const std::string selected = editor.SelectedText();
  // An empty document has nothing to convert; replacing nothing would only mark it modified.
  if (selected.empty()) return false;
  editor.ReplaceSelectionWithUndo(convert(selected));
  return true;
}
