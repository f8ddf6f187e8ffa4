#include "xeQtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

const QMimeData* Current() {
  QClipboard* cb = QGuiApplication::clipboard();
  return cb ? cb->mimeData(QClipboard::Clipboard) : nullptr;
}

}  // namespace

QString TxeQtClipboard::BlockMimeType() { return QString::fromLatin1(xeBlockFormatName); }

bool TxeQtClipboard::HasText() const {
  const QMimeData* m = Current();
  return m && m->hasText();
}

bool TxeQtClipboard::HasBlock() const {
  const QMimeData* m = Current();
  return m && m->hasFormat(BlockMimeType());
}

std::string TxeQtClipboard::Text() const {
  const QMimeData* m = Current();
  return m ? TextOf(*m) : std::string();
}

bool TxeQtClipboard::Block(std::string& Data) const {
  const QMimeData* m = Current();
  return m && BlockOf(*m, Data);
}

bool TxeQtClipboard::SetContent(std::string_view Text, const std::string* Block) {
  QClipboard* cb = QGuiApplication::clipboard();
  if (!cb) return false;
  cb->setMimeData(NewMimeData(Text, Block), QClipboard::Clipboard);
  return true;
}

QMimeData* TxeQtClipboard::NewMimeData(std::string_view Text, const std::string* Block) {
  auto* m = new QMimeData;
  const QByteArray bytes(Text.data(), static_cast<qsizetype>(Text.size()));
  m->setText(QString::fromUtf8(bytes));
  m->setData(QStringLiteral("text/plain;charset=utf-8"), bytes);
  if (Block) m->setData(BlockMimeType(), QByteArray(Block->data(), static_cast<qsizetype>(Block->size())));
  return m;
}

std::string TxeQtClipboard::TextOf(const QMimeData& Data) {
  if (Data.hasFormat(QStringLiteral("text/plain;charset=utf-8"))) {
    const QByteArray raw = Data.data(QStringLiteral("text/plain;charset=utf-8"));
    return std::string(raw.constData(), static_cast<std::size_t>(raw.size()));
  }
  return Data.text().toUtf8().toStdString();
}

bool TxeQtClipboard::BlockOf(const QMimeData& Data, std::string& Block) {
  if (!Data.hasFormat(BlockMimeType())) return false;
  const QByteArray raw = Data.data(BlockMimeType());
  if (raw.isEmpty()) return false;
  Block.assign(raw.constData(), static_cast<std::size_t>(raw.size()));
  return true;
}
