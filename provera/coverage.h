// How well a set of test vectors catches each known cause: for every wrong
// variant and every operation where it acts, the cases whose answer under
// the variant differs from the library's.  A set that leaves a cause caught
// by fewer than MIN_CATCHES cases of such an operation is not written.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "provera/cases.h"
#include "provera/variants.h"

namespace geometrija {
namespace provera {

constexpr int MIN_CATCHES = 5;
constexpr std::size_t OP_COUNT = static_cast<std::size_t>(Op::HasPointInCircumcircle) + 1;

struct Coverage {
    std::array<int, OP_COUNT> cases{};                              // by operation
    std::array<std::array<int, OP_COUNT>, VARIANT_COUNT> caught{};  // by variant, operation
};

Coverage coverage(const std::vector<Case>& cases);

// One line for each variant and operation where it acts that too few cases
// catch: the cause, the operation and how many catch it.
std::vector<std::string> gaps(const Coverage& c);

// The whole table: the cases of each operation, then each cause's catches
// ("-" where it does not act).
std::string coverageTable(const Coverage& c);

}  // namespace provera
}  // namespace geometrija
