// Opening an X display, shared by the window check and by the tests' own
// connections to the X server.
#pragma once

#include <X11/Xlib.h>

namespace geometrija {

// XOpenDisplay with a few tries: Xvfb was seen to refuse now and then a
// connection made right after another one closed.  A display that is not
// there fails them all within a tenth of a second.  Null when none opens;
// `name` null means DISPLAY.
Display* openDisplay(const char* name);

}  // namespace geometrija
