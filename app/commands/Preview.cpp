#include "Preview.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

namespace {

bool WriteAll(QTemporaryFile& file, std::string_view bytes) {
  return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

}  // namespace

TPreviewCopy::TPreviewCopy() = default;
TPreviewCopy::~TPreviewCopy() = default;

QString TPreviewCopy::Write(TPreviewHost& host) {
  FFile.reset();
  const QFileInfo document(host.DocFileName());
  const QString suffix = document.suffix().isEmpty() ? QString() : QLatin1Char('.') + document.suffix();
  const QString name = document.completeBaseName() + QStringLiteral("-preview-XXXXXX") + suffix;
  QStringList places;
  if (host.DocumentOnDisk()) places << document.absolutePath() + QStringLiteral("/.") + name;
  // An unusable TMPDIR gives no temporary folder at all.
  if (const QString temp = QDir::tempPath(); !temp.isEmpty()) places << temp + QLatin1Char('/') + name;
  // A page that declares its legacy encoding is shown right only in that encoding; a character it
  // cannot hold makes the copy UTF-8, which is better than a copy with holes.
  TTextEncoder encoder(host.Encoding());
  for (int y = 1, n = host.LineCount(); !encoder.Identity() && y <= n; ++y)
    if (encoder.FirstUnencodable(host.Line(y)) != std::string_view::npos) encoder = TTextEncoder(TEncoding{});
  std::string encoded;
  const auto put = [&](QTemporaryFile& file, std::string_view text) {
    if (encoder.Identity()) return WriteAll(file, text);
    encoded.clear();
    return encoder.Append(encoded, text) && WriteAll(file, encoded);
  };
  for (const QString& place : places) {
    auto file = std::make_unique<QTemporaryFile>(place);
    if (!file->open()) continue;
    bool ok = WriteAll(*file, encoder.Preamble());
    for (int y = 1, n = host.LineCount(); ok && y <= n; ++y)
      ok = put(*file, host.Line(y)) && put(*file, host.LineBreak());
    if (ok && file->flush()) {
      file->close();
      FFile = std::move(file);
      return FFile->fileName();
    }
  }
  return {};
}

QStringList SplitProgramSetting(const QString& setting) {
  const QFileInfo whole(setting.trimmed());
  if (whole.isFile() && whole.isExecutable()) return {setting.trimmed()};
  return QProcess::splitCommand(setting);
}

bool LaunchWith(TPreviewHost& host, TPreviewCopy& copy, const QString& programPath) {
  if (host.DocFileName().isEmpty()) {
    host.ShowInfo(kUnknownFileNameMessage);
    return false;
  }
  QStringList command = SplitProgramSetting(programPath);
  if (command.isEmpty()) return false;
  // The program would show a stale or missing file: say so rather than start it.
  const QString shown = copy.Write(host);
  if (shown.isEmpty()) {
    host.ShowError(kPreviewWriteErrorMessage);
    return false;
  }
  const QString program = command.takeFirst();
  // The path is one argument even when it holds blanks.
  if (!host.StartProgram(program, command << shown)) host.ShowError(kLaunchErrorMessage);
  return true;
}

bool StartDetachedProgram(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}
