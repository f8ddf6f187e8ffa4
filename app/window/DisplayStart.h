// Making the application object without a display: Qt's window system plugin cannot connect, and Qt ends
// the program with an abort and a core dump. While one TDisplayStart lives (around the QApplication
// constructor), Qt's messages are held back; a fatal one becomes one line on standard error and exit code 1,
// and the others are passed on when it goes.
#pragma once

class TDisplayStart {
 public:
  TDisplayStart();
  ~TDisplayStart();
  TDisplayStart(const TDisplayStart&) = delete;
  TDisplayStart& operator=(const TDisplayStart&) = delete;
};

// The line said for a fatal message while the application object is made.
const char* NoDisplayLine(const char* QtMessage);
