#include "app/checks.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "text/messages.h"

namespace geometrija {

Result<int> checkCount(const std::string& word) {
    const char* begin = word.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (word.empty() || end != begin + word.size()) {
        return Result<int>::refused("broj tacaka nije ceo broj: " + geometrija::quoted(word));
    }
    if (value < 0) {
        return Result<int>::refused("broj tacaka ne moze biti negativan: " +
                                    geometrija::quoted(word));
    }
    if (errno == ERANGE || value > MAX_POINTS) {
        return Result<int>::refused("broj tacaka je veci od " + std::to_string(MAX_POINTS) + ": " +
                                    geometrija::quoted(word));
    }
    return Result<int>{static_cast<int>(value), ""};
}

Result<float> checkCoordinate(const std::string& word) {
    const char* begin = word.c_str();
    char* end = nullptr;
    const float value = std::strtof(begin, &end);
    if (word.empty() || end != begin + word.size()) {
        return Result<float>::refused("koordinata nije broj: " + geometrija::quoted(word));
    }
    if (!std::isfinite(value)) {
        return Result<float>::refused("koordinata nije konacan broj: " + geometrija::quoted(word));
    }
    return Result<float>{value, ""};
}

}  // namespace geometrija
