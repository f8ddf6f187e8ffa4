// The program's help: an HTML page next to the executable, shown at a topic's anchor.
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// Topics of the help page: the editor and the Setup dialog.
enum THelpTopic { htEditor = 20, htSetup = 30 };

// The help page beside the program (as built), else where it is installed (the data folder
// reached from the program's folder); the first when neither exists.
QString HelpFilePath(const QString& programDir = {});
// The page's address with the topic's anchor ("topic30").
QUrl HelpTopicUrl(int topic, const QString& helpFile = HelpFilePath());
// Shows the help window at the topic; a missing page is reported in a message box
// and gives false.
bool ShowHelpTopic(int topic, QWidget* parent, const QString& helpFile = HelpFilePath());
// The one help window, once it has been created (for tests); nullptr before.
QWidget* HelpWindow();
