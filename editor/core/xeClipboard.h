// TxeClipboard: the system clipboard as the editing model sees it: plain text, plus the private block
// format "xeEdit Control Block Type" (one selection-mode byte, the text and a zero byte).
#pragma once
#include <string>
#include <string_view>

inline constexpr const char* xeBlockFormatName = "xeEdit Control Block Type";

// The private block of Text copied in selection mode Mode.
inline std::string MakeClipboardBlock(int Mode, std::string_view Text) {
  std::string block;
  block.reserve(Text.size() + 2);
  block.push_back(static_cast<char>(Mode));
  block.append(Text);
  block.push_back('\0');
  return block;
}

// The selection mode (0..2) and text of a private block. The block ends with one zero byte; zero bytes
// inside the text belong to it.
inline int ReadClipboardBlock(std::string_view Data, std::string_view& Text) {
  if (Data.empty()) {
    Text = {};
    return 0;
  }
  const int mode = static_cast<unsigned char>(Data[0]) < 2 ? static_cast<unsigned char>(Data[0]) : 2;
  Text = Data.substr(1);
  if (!Text.empty() && Text.back() == '\0') Text.remove_suffix(1);
  return mode;
}

class TxeClipboard {
 public:
  virtual ~TxeClipboard() = default;
  virtual bool HasText() const = 0;
  virtual bool HasBlock() const = 0;
  virtual std::string Text() const = 0;
  // The private block's bytes; false when it cannot be read.
  virtual bool Block(std::string& Data) const = 0;
  // Empties the clipboard and puts Text on it, plus Block under the private format when given. False when
  // the plain text could not be set.
  virtual bool SetContent(std::string_view Text, const std::string* Block) = 0;
};

// A clipboard in memory, for window-free use and tests.
class TxeMemoryClipboard : public TxeClipboard {
 public:
  bool HasText() const override { return FHasText; }
  bool HasBlock() const override { return FHasBlock; }
  std::string Text() const override { return FText; }
  bool Block(std::string& Data) const override {
    if (!FHasBlock) return false;
    Data = FBlock;
    return true;
  }
  bool SetContent(std::string_view Text, const std::string* Block) override {
    FText.assign(Text);
    FHasText = true;
    FHasBlock = Block != nullptr;
    FBlock = Block ? *Block : std::string();
    return true;
  }
  // What another program would put there: plain text only.
  void SetPlainText(std::string_view Text) {
    FText.assign(Text);
    FHasText = true;
    FHasBlock = false;
    FBlock.clear();
  }
  void Clear() {
    FHasText = FHasBlock = false;
    FText.clear();
    FBlock.clear();
  }

 private:
  std::string FText;
  std::string FBlock;
  bool FHasText = false;
  bool FHasBlock = false;
};
