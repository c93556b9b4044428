#include "render/window_errors.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace geometrija {
namespace detail {

Lines lines;

void sayAndEnd(const std::string& line) {
    std::fflush(stdout);
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

void glutError(const char* format, va_list args) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    if (std::strstr(text, "isplay") != nullptr) {
        sayAndEnd(lines.display);
    }
    sayAndEnd(std::strstr(text, "isual") != nullptr ? lines.visual : lines.context);
}

void glutWarning(const char*, va_list) {}

}  // namespace detail
}  // namespace geometrija
