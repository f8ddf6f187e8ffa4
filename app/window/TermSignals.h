// The signals that end a program from outside without a crash (SIGTERM and SIGHUP when the desktop
// session ends, SIGINT from a terminal), delivered to the event loop: the handler only writes the
// signal's number into a pipe, and the work happens on the GUI thread once the loop reads it.
#pragma once

#include <functional>

class QObject;

// Calls OnSignal(number) on the thread of Owner's event loop for each of those signals, as long as Owner
// lives. Installed once per program.
void InstallTermSignals(QObject* Owner, std::function<void(int Signal)> OnSignal);
