#include "CommandLine.h"

#include <QFile>

namespace {

// Qt's own options that the application object reads, with whether a value follows.
struct TQtOption {
  const char* Name;
  bool TakesValue;
};
const TQtOption QtOptions[] = {
    {"-platform", true},        {"-platformpluginpath", true},
    {"-platformtheme", true},   {"-plugin", true},
    {"-display", true},         {"-geometry", true},
    {"-qwindowgeometry", true}, {"-qwindowtitle", true},
    {"-qwindowicon", true},     {"-style", true},
    {"-stylesheet", true},      {"-session", true},
    {"-reverse", false},        {"-widgetcount", false},
    {"-nograb", false},         {"-dograb", false},
};

const TQtOption* QtOption(const QString& Arg) {
  for (const TQtOption& option : QtOptions) {
    const QLatin1String name(option.Name);
    // Qt also takes them with two dashes and as "-name=value".
    if (Arg == name || Arg == QLatin1Char('-') + name) return &option;
    if (option.TakesValue && (Arg.startsWith(name + QLatin1Char('=')) ||
                              Arg.startsWith(QLatin1Char('-') + name + QLatin1Char('='))))
      return &option;
  }
  return nullptr;
}

}  // namespace

TCommandLine ParseCommandLine(int Argc, const char* const* Argv) {
  TCommandLine result;
  bool optionsEnd = false;
  for (int i = 1; i < Argc; ++i) {
    const QString arg = QFile::decodeName(Argv[i]);
    if (optionsEnd || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
      result.Args << arg;
      continue;
    }
    if (arg == QLatin1String("--")) {
      optionsEnd = true;
    } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
      result.Action = TCommandLine::caHelp;
      return result;
    } else if (arg == QLatin1String("--version")) {
      result.Action = TCommandLine::caVersion;
      return result;
    } else if (arg == QLatin1String("-html") || arg == QLatin1String("-css") || arg == QLatin1String("-js")) {
      result.Args << arg;
    } else if (const TQtOption* option = QtOption(arg)) {
      if (option->TakesValue && !arg.contains(QLatin1Char('='))) {
        if (i + 1 >= Argc) {
          result.Action = TCommandLine::caError;
          result.Error = QStringLiteral("option %1 needs a value").arg(arg);
          return result;
        }
        ++i;
      }
    } else {
      result.Action = TCommandLine::caError;
      result.Error = QStringLiteral("unknown option %1").arg(arg);
      return result;
    }
  }
  return result;
}

QString UsageText() {
  return QStringLiteral(
      "Usage: quillan [-html | -css | -js] [file]\n"
      "An editor for hand-written web pages: HTML, CSS and JavaScript.\n"
      "\n"
      "  -html, -css, -js  show the file with that highlighter (without a file: a new\n"
      "                    document of that type)\n"
      "  --                the next argument is a file name even if it starts with -\n"
      "  -h, --help        show this help and exit\n"
      "  --version         show the version and exit\n"
      "\n"
      "One window edits one file. Given two names, quillan opens only the second: the\n"
      "first stands where a type switch would and is not opened. Names after the\n"
      "second are ignored. To edit several files, start quillan once for each.\n"
      "\n"
      "The window-system options of Qt (-platform, -display, -style, ...) are\n"
      "accepted too.\n");
}

QString VersionText() { return QStringLiteral("Quillan ") + QStringLiteral(QUILLAN_VERSION); }
