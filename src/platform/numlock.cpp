#include "platform/numlock.h"

#include <QGuiApplication>

#include "platform/backend.h"

#ifdef VINDARGAST_HAVE_XKB
#include <X11/XKBlib.h>
#endif

namespace platform {

std::optional<bool> NumLockOn() {
  return CurrentBackend().NumLock();
}

std::optional<bool> SystemNumLock() {
#ifdef VINDARGAST_HAVE_XKB
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return std::nullopt;
  // The indicator, not the modifier: it is what the keyboard's LED shows, whatever modifier the
  // keyboard map binds NUM LOCK to.
  const Atom name = XInternAtom(display, "Num Lock", True);
  if (name == None) return std::nullopt;
  Bool on = False;
  if (!XkbGetNamedIndicator(display, name, nullptr, &on, nullptr, nullptr)) return std::nullopt;
  return on != False;
#else
  return std::nullopt;
#endif
}

}  // namespace platform
