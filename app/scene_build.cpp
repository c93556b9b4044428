#include "app/scene_build.h"

#include <utility>

#include "geometrija/scene.h"
#include "geometrija/triangulate.h"

namespace geometrija {

void sortByX(Par* pairs, int n) {
    // j starts at 1 for every i: position 0 ends with a smallest x and the
    // rest in non-increasing x.  Equal x values are never exchanged.
    for (int i = 0; i < n; ++i) {
        for (int j = 1; j < n; ++j) {
            if (pairs[j].x < pairs[i].x) {
                std::swap(pairs[i], pairs[j]);
            }
        }
    }
}

void buildScene(Par* a, int n, Tacka* A) {
    sortByX(a, n);
    for (int i = 0; i < n; ++i) {
        A[i].x = a[i].x;
        A[i].y = a[i].y;
        addPoint(A[i], COLOR_INPUT_POINT);
    }
    triangulate(A, n);
}

}  // namespace geometrija
