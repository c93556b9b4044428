#include "provera/coverage.h"

#include <cstdio>

namespace geometrija {
namespace provera {

namespace {

Op opAt(std::size_t i) {
    return static_cast<Op>(i);
}

}  // namespace

Coverage coverage(const std::vector<Case>& cases) {
    Coverage c;
    for (const Case& one : cases) {
        const auto op = static_cast<std::size_t>(one.op);
        ++c.cases[op];
        const Answer library = fromLibrary(one);
        for (const Variant v : WRONG_VARIANTS) {
            if (actsOn(v, one.op) && !agree(model(one, v), library)) {
                ++c.caught[static_cast<std::size_t>(v)][op];
            }
        }
    }
    return c;
}

std::vector<std::string> gaps(const Coverage& c) {
    std::vector<std::string> found;
    for (const Variant v : WRONG_VARIANTS) {
        for (std::size_t op = 0; op < OP_COUNT; ++op) {
            const int n = c.caught[static_cast<std::size_t>(v)][op];
            if (actsOn(v, opAt(op)) && n < MIN_CATCHES) {
                found.push_back(std::string("uzrok ") + variantName(v) + " u " + opName(opAt(op)) +
                                ": hvata ga " + std::to_string(n) + " slucajeva, a treba bar " +
                                std::to_string(MIN_CATCHES));
            }
        }
    }
    return found;
}

std::string coverageTable(const Coverage& c) {
    char cell[64];
    std::string text = "uzrok                 ";
    for (std::size_t op = 0; op < OP_COUNT; ++op) {
        std::snprintf(cell, sizeof cell, " %12.12s", opName(opAt(op)));
        text += cell;
    }
    text += "\nslucajeva             ";
    for (std::size_t op = 0; op < OP_COUNT; ++op) {
        std::snprintf(cell, sizeof cell, " %12d", c.cases[op]);
        text += cell;
    }
    text += "\n";
    for (const Variant v : WRONG_VARIANTS) {
        std::snprintf(cell, sizeof cell, "%-22s", variantName(v));
        text += cell;
        for (std::size_t op = 0; op < OP_COUNT; ++op) {
            if (actsOn(v, opAt(op))) {
                std::snprintf(cell, sizeof cell, " %12d",
                              c.caught[static_cast<std::size_t>(v)][op]);
            } else {
                std::snprintf(cell, sizeof cell, " %12s", "-");
            }
            text += cell;
        }
        text += "\n";
    }
    return text;
}

}  // namespace provera
}  // namespace geometrija
