#include "geometry/triangulate.h"

namespace geometrija {

int hasPointInCircumcircle(Tacka, Tacka, Tacka, Tacka*, int) { return 1; }

// The triangulation stage does nothing yet: no triangle is accepted.
void triangulate(Tacka*, int) {}

}  // namespace geometrija
