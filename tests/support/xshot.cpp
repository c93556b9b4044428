// xshot: waits for the programs' window (or, with --title, another one) to be
// painted, saves it as PNG and, with --close, closes it as a window manager
// would.
//   xshot [--close] [--timeout SECONDS] [--title TITLE] OUT.png
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "render/window.h"
#include "support/xwindow.h"

int main(int argc, char** argv) {
    bool closeAfter = false;
    int timeoutMs = 20000;
    std::string title = geometrija::WINDOW_TITLE;
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        if (std::strcmp(argv[i], "--close") == 0) {
            closeAfter = true;
        } else if (std::strcmp(argv[i], "--title") == 0 && i + 1 < argc) {
            title = argv[++i];
        } else if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc) {
            timeoutMs = std::atoi(argv[++i]) * 1000;
        } else {
            break;
        }
    }
    if (argc - i != 1) {
        std::fprintf(stderr,
                     "usage: xshot [--close] [--timeout SECONDS] [--title TITLE] OUT.png\n");
        return 2;
    }
    support::Connection x;
    if (!x.ok()) {
        std::fprintf(stderr, "xshot: cannot open the display\n");
        return 1;
    }
    const Window w = x.waitFor(title, timeoutMs);
    if (w == 0) {
        std::fprintf(stderr, "xshot: no window titled \"%s\"\n", title.c_str());
        return 1;
    }
    // The window is painted once its corner shows the clear colour.
    const support::Image image = x.captureWhen(w, 0, 0, geometrija::CLEAR_PIXEL, 2, timeoutMs);
    if (image.empty() || !support::writePng(image, argv[i])) {
        std::fprintf(stderr, "xshot: could not capture the window\n");
        return 1;
    }
    if (closeAfter) {
        x.close(w);
    }
    return 0;
}
