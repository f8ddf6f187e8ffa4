// The command line is read before the application object exists.
#include <gtest/gtest.h>

#include <vector>

#include "CommandLine.h"
#include "main_fakes.h"

namespace {

TCommandLine Parse(std::vector<const char*> Args) {
  Args.insert(Args.begin(), "quillan");
  return ParseCommandLine(int(Args.size()), Args.data());
}

TEST(CommandLine, SwitchesNamesHelpVersionAndErrors) {
  struct Case {
    std::vector<const char*> Args;
    TCommandLine::TAction Action;
    QStringList Passed;
  };
  const Case cases[] = {
      {{}, TCommandLine::caRun, {}},
      {{"-css", "page.html"}, TCommandLine::caRun, {"-css", "page.html"}},
      {{"a b.html"}, TCommandLine::caRun, {"a b.html"}},
      {{"-js"}, TCommandLine::caRun, {"-js"}},
      {{"--", "-odd.html"}, TCommandLine::caRun, {"-odd.html"}},
      {{"-platform", "offscreen", "x.css"}, TCommandLine::caRun, {"x.css"}},
      {{"--style=Fusion", "-reverse", "x.css"}, TCommandLine::caRun, {"x.css"}},
      {{"x.html", "--help"}, TCommandLine::caHelp, {}},
      {{"-h"}, TCommandLine::caHelp, {}},
      {{"--version"}, TCommandLine::caVersion, {}},
      {{"--bogus"}, TCommandLine::caError, {}},
      {{"-HTML", "x"}, TCommandLine::caError, {}},
      {{"-display"}, TCommandLine::caError, {}},
  };
  for (const Case& c : cases) {
    const TCommandLine line = Parse(c.Args);
    const QString args = QStringList(QList<QString>(c.Args.begin(), c.Args.end())).join(' ');
    EXPECT_EQ(line.Action, c.Action) << args.toStdString();
    if (c.Action == TCommandLine::caRun) {
      EXPECT_EQ(line.Args, c.Passed) << args.toStdString();
    }
    EXPECT_EQ(line.Action == TCommandLine::caError, !line.Error.isEmpty()) << args.toStdString();
  }
  EXPECT_TRUE(Parse({"--bogus"}).Error.contains("--bogus"));
  EXPECT_TRUE(UsageText().startsWith("Usage: quillan [-html | -css | -js] [file]\n"));
  EXPECT_EQ(VersionText(), "Quillan 2.0");
}

}  // namespace
