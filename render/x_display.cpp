#include "render/x_display.h"

#include <chrono>
#include <thread>

namespace geometrija {

Display* openDisplay(const char* name) {
    Display* display = nullptr;
    for (int attempt = 0; attempt < 5 && display == nullptr; ++attempt) {
        if (attempt > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        display = XOpenDisplay(name);
    }
    return display;
}

}  // namespace geometrija
