// The system clipboard through Qt: plain text as text/plain (UTF-8) and the private block
// (mode byte, text, zero byte) under its own format, so that a column block stays a column block
// between editors and between two running instances.
#pragma once

#include <QString>

#include "xeClipboard.h"

class TxeQtClipboard : public TxeClipboard {
 public:
  static QString BlockMimeType();

  bool HasText() const override;
  bool HasBlock() const override;
  std::string Text() const override;
  bool Block(std::string& Data) const override;
  bool SetContent(std::string_view Text, const std::string* Block) override;
};
