// The "Text conversion" commands: the steps shared by all six conversions.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

class TxeEditModel;

using TConversion = std::string (*)(std::string_view);

inline constexpr const char* kApplyToAllQuestion = "Selected text not found.\nApply action to all document?";

struct TConversionItem {
  const char* Name;  // the menu item's objectName
  TConversion Convert;
};

std::span<const TConversionItem> ConversionItems();

// Converts the selection; with nothing selected, asks (true = Yes) whether to convert the whole
// document. Returns true when the text was replaced.
bool RunConversion(TxeEditModel& editor, TConversion convert, const std::function<bool()>& askWholeDocument);
