// A skeleton for checking your own implementation of the toolkit's
// functions with geometrija-provera.  It speaks the checker's line protocol:
// one case a line on standard input ("OPERATION INPUTS", every float a C99
// hexadecimal literal), one answer a line on standard output, in the same
// order.  As it stands, each function below calls the library, so every
// case agrees; replace a body with your own arithmetic and run
//   geometrija-provera /usr/share/geometrija/geometrija-vektori.txt ./skeleton
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <geometrija/toolkit.h>

using namespace geometrija;

// --- your implementation: replace each body ---------------------------------

float myDistance(Tacka a, Tacka b) {
    return distance(a, b);
}

int myIntersectLines(Prava p, Prava q, Tacka* r) {
    return intersectLines(p, q, r);
}

int myIntersectSegments(Duz s, Duz t, Tacka* r) {
    return intersectSegments(s, t, r);
}

void myNormal(Tacka point, Prava reference, Prava* r) {
    addNormal(point, reference, r);
}

void myBisector(Tacka a, Tacka b, Prava* r) {
    addBisector(a, b, r);
}

int myCircumcircle(Tacka a, Tacka b, Tacka c, Krug* k) {
    return circumcircle(a, b, c, k);
}

int myHasPointInCircumcircle(Tacka a, Tacka b, Tacka c, Tacka* pts, int n) {
    return hasPointInCircumcircle(a, b, c, pts, n);
}

// --- the protocol ------------------------------------------------------------

namespace {

std::vector<float> in;

Tacka point(std::size_t i) {
    return Tacka(in[i], in[i + 1]);
}

// Each float written from its bits as a C99 hexadecimal literal: 0x1.HHHHHHp+E
// (trailing zeros dropped), 0x0p+0 and -0x0p+0, inf, -inf, nan.  No
// arithmetic and no conversion to double touch the value, so no compiler
// flag (-ffast-math flushing subnormals to zero, -ffinite-math-only) changes
// what is written.
std::string hexFloat(float v) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    const std::string sign = (bits >> 31) != 0 ? "-" : "";
    int exponent = static_cast<int>((bits >> 23) & 0xffu);
    std::uint32_t fraction = bits & 0x7fffffu;
    if (exponent == 0xff) {
        return fraction != 0 ? "nan" : sign + "inf";
    }
    if (exponent == 0 && fraction == 0) {
        return sign + "0x0p+0";
    }
    if (exponent == 0) {
        // A subnormal, 0x0.FFFFFEp-126: its first 1 moved up to the leading place.
        exponent = 1;
        while ((fraction & 0x800000u) == 0) {
            fraction <<= 1;
            --exponent;
        }
        fraction &= 0x7fffffu;
    }
    exponent -= 127;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%06x", static_cast<unsigned>(fraction << 1));
    std::string text = digits;
    text.erase(text.find_last_not_of('0') + 1);
    return sign + "0x1" + (text.empty() ? "" : "." + text) + "p" + (exponent < 0 ? "" : "+") +
           std::to_string(exponent);
}

void say(const std::vector<float>& values, const int* code = nullptr) {
    std::string line = code ? std::to_string(*code) : "";
    for (const float v : values) {
        line += (line.empty() ? "" : " ") + hexFloat(v);
    }
    // Flushed at once: answers still in a buffer are lost if a later case
    // hangs or crashes, and the checker counts only what arrived.
    std::cout << line << std::endl;
}

}  // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string op;
        std::string word;
        words >> op;
        in.clear();
        while (words >> word) {
            in.push_back(std::strtof(word.c_str(), nullptr));
        }
        if (op == "distance") {
            say({myDistance(point(0), point(2))});
        } else if (op == "intersectLines" || op == "intersectSegments") {
            Tacka r = point(8);  // the result point's starting value, rx ry
            const int code =
                op == "intersectLines"
                    ? myIntersectLines(Prava(point(0), point(2)), Prava(point(4), point(6)), &r)
                    : myIntersectSegments(Duz(point(0), point(2)), Duz(point(4), point(6)), &r);
            say({r.x, r.y}, &code);  // the point as the call left it
        } else if (op == "addNormal" || op == "addBisector") {
            Prava r;
            if (op == "addNormal") {
                myNormal(point(0), Prava(point(2), point(4)), &r);
            } else {
                myBisector(point(0), point(2), &r);
            }
            say({r.point.x, r.point.y, r.dir.x, r.dir.y});
        } else if (op == "circumcircle") {
            Krug k{};  // the circle's starting centre and radius, kx ky kr
            k.center = point(6);
            k.radius = in[8];
            const int code = myCircumcircle(point(0), point(2), point(4), &k);
            say({k.center.x, k.center.y, k.radius}, &code);  // as the call left it
        } else if (op == "hasPointInCircumcircle") {
            // The triple, the count n, then n points (which a nudge may move).
            std::vector<Tacka> pts;
            for (std::size_t i = 7; i + 1 < in.size(); i += 2) {
                pts.push_back(point(i));
            }
            const int code = myHasPointInCircumcircle(point(0), point(2), point(4), pts.data(),
                                                      static_cast<int>(pts.size()));
            std::vector<float> out;
            for (const Tacka& p : pts) {
                out.push_back(p.x);
                out.push_back(p.y);
            }
            say(out, &code);
        } else {
            std::cout << "?" << std::endl;  // an operation this skeleton does not know
        }
    }
    return 0;
}
