// Program start: the command line (answered without a display when it asks for help or the
// version), the application object (without a display: one line of error and exit code 1), its help
// file and title, the main window (which creates the Setup dialog after itself), the offer to put back a
// file an interrupted save may have cut short and of text left unsaved by an earlier run, then the event
// loop until the main window closes or a signal ends the program.
#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <optional>

#include "AppIdentity.h"
#include "CommandLine.h"
#include "DisplayStart.h"
#include "DocumentFileJournalOffer.h"
#if QUILLAN_WEBENGINE
#include "LivePreviewScheme.h"
#endif
#include "TermSignals.h"
#include "main.h"
#include "xeMemoryTuning.h"

int main(int argc, char** argv) {
  // Past a file-size limit a write fails (and is told) instead of ending the program with its unsaved text.
  std::signal(SIGXFSZ, SIG_IGN);
  KeepLargeBlocksReturnable();
  const TCommandLine commandLine = ParseCommandLine(argc, argv);
  switch (commandLine.Action) {
    case TCommandLine::caHelp: std::fputs(UsageText().toLocal8Bit().constData(), stdout); return 0;
    case TCommandLine::caVersion: std::printf("%s\n", VersionText().toLocal8Bit().constData()); return 0;
    case TCommandLine::caError:
      std::fprintf(stderr, "quillan: %s\n%s", commandLine.Error.toLocal8Bit().constData(),
                   UsageText().toLocal8Bit().constData());
      return 2;
    case TCommandLine::caRun: break;
  }
#if QUILLAN_WEBENGINE
  RegisterLivePreviewScheme();
#endif
  std::optional<TDisplayStart> displayStart(std::in_place);
  QApplication app(argc, argv);
  displayStart.reset();
  app.setProperty("HelpFile", QStringLiteral("qn.html"));
  app.setApplicationName(QStringLiteral("Quillan"));
  app.setApplicationVersion(QStringLiteral(QUILLAN_VERSION));
  ApplyDesktopIdentity(app);
  TMainForm form(commandLine.Args);
  form.show();
  // Once the window is up: a file an interrupted save may have cut short, put back first if the user
  // wants; the file it was started with (the window paints while it is read); then the unsaved text of a
  // program that ended without saving it.
  QTimer::singleShot(0, &form, [&form] {
    OfferUnfinishedSaves(&form);
    form.OpenStartDocument();
    form.OfferRecovery();
  });
  InstallTermSignals(&form, [&form](int) { form.LeaveOnSignal(); });
  return app.exec();
}
