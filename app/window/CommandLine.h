// The command line, read before the GUI application exists, so that --help and --version answer
// without a display: [ "-html" | "-css" | "-js" ] [file], "--" before a name that starts with "-",
// and the window-system options of Qt, which the application object takes itself.
#pragma once

#include <QString>
#include <QStringList>

struct TCommandLine {
  enum TAction { caRun, caHelp, caVersion, caError };
  TAction Action = caRun;
  QStringList Args;  // the type switch and file names, for the main window
  QString Error;     // caError: what was wrong
};

TCommandLine ParseCommandLine(int Argc, const char* const* Argv);
// "Usage: ..." with the options, ending in a line break.
QString UsageText();
// "Quillan 2.0", without a line break.
QString VersionText();
