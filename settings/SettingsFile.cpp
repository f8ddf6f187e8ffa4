#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include "RegularFile.h"

QString UserSettingsPath(const QString& Organization, const QString& Application) {
  QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (home.isEmpty() || !QDir::isAbsolutePath(home)) home = QDir::homePath() + QStringLiteral("/.config");
  return home + QLatin1Char('/') + Organization + QLatin1Char('/') + Application + QStringLiteral(".conf");
}

std::unique_ptr<QSettings> OpenUserSettings(const QString& Organization, const QString& Application,
                                            QString* Why) {
  const QString path = UserSettingsPath(Organization, Application);
  // A file that is not there yet is made by the first write; one that cannot be looked at leaves
  // QSettings with no values, which it handles.
  const std::string reason = NotAFileReason(QFile::encodeName(path).toStdString());
  if (!reason.empty()) {
    if (Why) *Why = QString::fromLocal8Bit(reason.c_str());
    return nullptr;
  }
  return std::make_unique<QSettings>(path, QSettings::IniFormat);
}
