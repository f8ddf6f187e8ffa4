#include "TermSignals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QObject>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {

int SignalPipe[2] = {-1, -1};

extern "C" void WriteSignal(int Signal) {
  const int saved = errno;
  const unsigned char number = static_cast<unsigned char>(Signal);
  // Async-signal-safe; a full pipe already holds a signal to act on.
  [[maybe_unused]] const ssize_t n = ::write(SignalPipe[1], &number, 1);
  errno = saved;
}

}  // namespace

void InstallTermSignals(QObject* Owner, std::function<void(int Signal)> OnSignal) {
  if (SignalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalPipe) != 0) return;
  ::fcntl(SignalPipe[1], F_SETFL, O_NONBLOCK);
  auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, Owner);
  QObject::connect(notifier, &QSocketNotifier::activated, Owner, [OnSignal = std::move(OnSignal)] {
    unsigned char number = 0;
    if (::read(SignalPipe[0], &number, 1) == 1) OnSignal(number);
  });
  struct sigaction action {};
  action.sa_handler = WriteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}
