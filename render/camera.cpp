#include "render/camera.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace geometrija {

Camera cameraFor(const Tacka& minC, const Tacka& maxC) {
    Camera c{};
    c.cx = static_cast<float>((static_cast<double>(minC.x) + maxC.x) / 2);
    c.cy = static_cast<float>((static_cast<double>(minC.y) + maxC.y) / 2);
    c.ex = static_cast<float>(std::fabs(static_cast<double>(minC.x)) + maxC.x);
    c.ey = static_cast<float>(std::fabs(static_cast<double>(minC.y)) + maxC.y);
    const float larger = c.ex < c.ey ? c.ey : c.ex;
    c.dist = static_cast<float>(2.0 * larger);
    return c;
}

bool planeShows(float dist) {
    // gluPerspective's depth row, rounded to float as OpenGL keeps its
    // matrices; the plane's eye z is -dist (the model-view translation).
    const float depthScale =
        static_cast<float>(-(FAR_PLANE + NEAR_PLANE) / (FAR_PLANE - NEAR_PLANE));
    const float depthShift =
        static_cast<float>(-2 * FAR_PLANE * NEAR_PLANE / (FAR_PLANE - NEAR_PLANE));
    const float scaled = static_cast<float>(static_cast<double>(depthScale) * -dist);
    const float clipZ = static_cast<float>(static_cast<double>(scaled) + depthShift);
    // Inside the clip volume: -w <= z <= w, with w = dist.
    return clipZ >= -dist && clipZ <= dist;
}

std::string emptyPictureWarning(const Tacka& minC, const Tacka& maxC) {
    const Camera c = cameraFor(minC, maxC);
    if (planeShows(c.dist)) {
        return std::string();
    }
    // The fewest digits that give the distance back, so that a distance
    // just past the range never reads as 1000 or 1.
    char distance[32];
    for (int digits = 6; digits <= 9; ++digits) {
        std::snprintf(distance, sizeof distance, "%.*g", digits, static_cast<double>(c.dist));
        // Exactly this float is meant: the text must give back the distance.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wfloat-equal"
        const bool exact = std::strtof(distance, nullptr) == c.dist;
#pragma GCC diagnostic pop
        if (exact) {
            break;
        }
    }
    return std::string("upozorenje: prozor ce biti prazan: kamera je na udaljenosti ") + distance +
           ", a slika se vidi samo od 1 do 1000 (veci od |min x| + max x i |min y| + max y "
           "mora biti izmedju 0.5 i 500)";
}

Projection projectionFor(int width, int height) {
    if (height == 0) {
        height = 1;
    }
    // A width of 0 is passed through and gives an aspect of 0.
    return Projection{width, height, static_cast<float>(width * 1.0 / height)};
}

void lineEnds(const Prava& l, Tacka& first, Tacka& second) {
    first.x = static_cast<float>(l.point.x + LINE_EXTENT * l.dir.x);
    first.y = static_cast<float>(l.point.y + LINE_EXTENT * l.dir.y);
    second.x = static_cast<float>(l.point.x - LINE_EXTENT * l.dir.x);
    second.y = static_cast<float>(l.point.y - LINE_EXTENT * l.dir.y);
}

Tacka circleVertex(const Krug& c, int i) {
    const float angle = static_cast<float>(i * TWO_PI / CIRCLE_VERTICES);
    const float cosA = static_cast<float>(std::cos(static_cast<double>(angle)));
    const float sinA = static_cast<float>(std::sin(static_cast<double>(angle)));
    return Tacka(static_cast<float>(c.center.x + static_cast<double>(c.radius) * cosA),
                 static_cast<float>(c.center.y + static_cast<double>(c.radius) * sinA));
}

}  // namespace geometrija
