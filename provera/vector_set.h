// The toolkit's test vectors, in the order the file lists them.
#pragma once

#include <vector>

#include "provera/cases.h"

namespace geometrija {
namespace provera {

std::vector<Case> testVectors();

}  // namespace provera
}  // namespace geometrija
