// The per-user settings files, opened only when they are plain files: QSettings would wait forever for a
// writer on a named pipe, and would put a plain file in its place when it writes.
#pragma once

#include <QString>
#include <memory>

class QSettings;

// Where QSettings(Organization, Application) keeps its values for this user:
// $XDG_CONFIG_HOME (else ~/.config) / Organization / Application.conf.
QString UserSettingsPath(const QString& Organization, const QString& Application);

// That file in INI form, for reading and writing, when it is a regular file or does not exist yet; null
// otherwise, and Why (when given) says what is there instead.
std::unique_ptr<QSettings> OpenUserSettings(const QString& Organization, const QString& Application,
                                            QString* Why = nullptr);
