// The arguments GLUT reads (-display, -geometry, -direct, -indirect), read
// as GLUT will read them: the same on every platform.
#include <cstring>

#include "render/window_check.h"

namespace geometrija {

GlutArguments glutArguments(int argc, char** argv, const char* environment) {
    GlutArguments g;
    g.display = environment != nullptr ? environment : "";
    std::string given;
    bool displayGiven = false;
    for (int i = 1; i < argc; ++i) {
        const bool display = std::strcmp(argv[i], "-display") == 0;
        if (display || std::strcmp(argv[i], "-geometry") == 0) {
            if (++i >= argc) {
                g.error = std::string("argument ") + argv[i - 1] + " nema vrednost";
                return g;
            }
            if (display) {
                given = argv[i];
                displayGiven = true;
            }
        } else if (std::strcmp(argv[i], "-direct") == 0) {
            g.direct = true;
        } else if (std::strcmp(argv[i], "-indirect") == 0) {
            g.indirect = true;
        }
    }
    if (g.direct && g.indirect) {
        g.error = "argumenti -direct i -indirect ne mogu zajedno";
    }
    // Xlib takes an empty name as no name: DISPLAY's.
    if (displayGiven && !given.empty()) {
        g.display = given;
    }
    return g;
}

}  // namespace geometrija
