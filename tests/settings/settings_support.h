// Helpers shared by the settings tests.
#pragma once

#include <QSettings>
#include <QString>

// Empties both per-user keys the program reads.
inline void ClearStoredSettings() {
  QSettings("Orvex", "QN").clear();
  QSettings("Orvex", "Tarn3").clear();
}
