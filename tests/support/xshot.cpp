// xshot: waits for the window with the given title to be painted, saves it as
// PNG and, with --close, closes it as a window manager would.
//   xshot [--close] [--timeout SECONDS] TITLE OUT.png
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "support/xwindow.h"

int main(int argc, char** argv) {
    bool closeAfter = false;
    int timeoutMs = 20000;
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        if (std::strcmp(argv[i], "--close") == 0) {
            closeAfter = true;
        } else if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc) {
            timeoutMs = std::atoi(argv[++i]) * 1000;
        } else {
            break;
        }
    }
    if (argc - i != 2) {
        std::fprintf(stderr, "usage: xshot [--close] [--timeout SECONDS] TITLE OUT.png\n");
        return 2;
    }
    const std::string title = argv[i];
    xtest::Connection x;
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
    const std::uint8_t beige[3] = {230, 230, 204};
    const xtest::Image image = x.captureWhen(w, 0, 0, beige, 2, timeoutMs);
    if (image.empty() || !xtest::writePng(image, argv[i + 1])) {
        std::fprintf(stderr, "xshot: could not capture the window\n");
        return 1;
    }
    if (closeAfter) {
        x.close(w);
    }
    return 0;
}
