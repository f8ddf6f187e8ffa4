// The system clipboard through Qt: plain text as text/plain (UTF-8) and the private block
// (mode byte, text, zero byte) under its own format, so that a column block stays a column block
// between editors and between two running instances.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "xeClipboard.h"

class QMimeData;

class TxeQtClipboard : public TxeClipboard {
 public:
  static QString BlockMimeType();
  // Text, and Block under the private format when given, as the clipboard and a drag carry them.
  static QMimeData* NewMimeData(std::string_view Text, const std::string* Block);
  // The text of Data in UTF-8 (the exact bytes when it offers UTF-8 text, so nothing is re-encoded).
  static std::string TextOf(const QMimeData& Data);
  // The private block of Data; false when it has none.
  static bool BlockOf(const QMimeData& Data, std::string& Block);

  bool HasText() const override;
  bool HasBlock() const override;
  std::string Text() const override;
  bool Block(std::string& Data) const override;
  bool SetContent(std::string_view Text, const std::string* Block) override;
};
