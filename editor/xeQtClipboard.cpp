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
  if (!m) return {};
  // the exact bytes when another program offers UTF-8 text, so nothing is re-encoded
  if (m->hasFormat(QStringLiteral("text/plain;charset=utf-8"))) {
    const QByteArray raw = m->data(QStringLiteral("text/plain;charset=utf-8"));
    return std::string(raw.constData(), static_cast<std::size_t>(raw.size()));
  }
  return m->text().toUtf8().toStdString();
}

bool TxeQtClipboard::Block(std::string& Data) const {
  const QMimeData* m = Current();
  if (!m || !m->hasFormat(BlockMimeType())) return false;
  const QByteArray raw = m->data(BlockMimeType());
  if (raw.isEmpty()) return false;
  Data.assign(raw.constData(), static_cast<std::size_t>(raw.size()));
  return true;
}

bool TxeQtClipboard::SetContent(std::string_view Text, const std::string* Block) {
  QClipboard* cb = QGuiApplication::clipboard();
  if (!cb) return false;
  auto* m = new QMimeData;
  const QByteArray bytes(Text.data(), static_cast<qsizetype>(Text.size()));
  m->setText(QString::fromUtf8(bytes));
  m->setData(QStringLiteral("text/plain;charset=utf-8"), bytes);
  if (Block) m->setData(BlockMimeType(), QByteArray(Block->data(), static_cast<qsizetype>(Block->size())));
  cb->setMimeData(m, QClipboard::Clipboard);
  return true;
}
