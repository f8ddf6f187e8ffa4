#include "DisplayStart.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct THeld {
  QtMsgType Type;
  QByteArray Category;
  QString Text;
};

QtMessageHandler gPrevious = nullptr;
std::vector<THeld>* gHeld = nullptr;

void Hold(QtMsgType Type, const QMessageLogContext& Context, const QString& Text) {
  if (Type == QtFatalMsg) {
    // Nothing of the half-made application may run any more: no exit handlers, no destructors.
    std::fputs(NoDisplayLine(Text.toLocal8Bit().constData()), stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  gHeld->push_back({Type, QByteArray(Context.category ? Context.category : ""), Text});
}

}  // namespace

const char* NoDisplayLine(const char* QtMessage) {
  static std::vector<char> line;
  const char* const display =
      "quillan: cannot open a display (DISPLAY/WAYLAND_DISPLAY is not set or not reachable)\n";
  if (std::strstr(QtMessage, "platform plugin")) return display;
  // Another fatal message: its first line.
  const std::size_t length = std::strcspn(QtMessage, "\n");
  const char* const prefix = "quillan: ";
  line.assign(prefix, prefix + std::strlen(prefix));
  line.insert(line.end(), QtMessage, QtMessage + length);
  line.push_back('\n');
  line.push_back('\0');
  return line.data();
}

TDisplayStart::TDisplayStart() {
  gHeld = new std::vector<THeld>;
  gPrevious = qInstallMessageHandler(Hold);
}

TDisplayStart::~TDisplayStart() {
  qInstallMessageHandler(gPrevious);
  std::vector<THeld>* held = gHeld;
  gHeld = nullptr;
  for (const THeld& m : *held) {
    const QMessageLogContext context(nullptr, 0, nullptr,
                                     m.Category.isEmpty() ? nullptr : m.Category.constData());
    if (gPrevious) gPrevious(m.Type, context, m.Text);
  }
  delete held;
}
