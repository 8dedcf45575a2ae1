#include "display.h"

#include <QByteArray>
#include <QtGlobal>

namespace host {

bool HasDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
    return true;  // offscreen, vnc, ...: no display needed
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  return true;  // Windows and macOS always have a screen for their platform
#endif
}

}  // namespace host
