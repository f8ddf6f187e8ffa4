// Program start: the application object, its help file and title, the main window (which creates
// the Setup dialog after itself), then the event loop until the main window closes.
#include <QApplication>
#include <QStringList>

#include "main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setProperty("HelpFile", QStringLiteral("qn.html"));
  app.setApplicationName(QStringLiteral("Quillan"));
  TMainForm form(app.arguments().mid(1));
  form.show();
  return app.exec();
}
