#include "provera/variants.h"

#include <cstdio>
#include <cstdlib>

#include "provera/reckoner.h"

namespace geometrija {
namespace provera {

namespace {

using detail::Reckoner;
using detail::V;

constexpr unsigned bit(Op op) {
    return 1U << static_cast<unsigned>(op);
}
constexpr unsigned D = bit(Op::Distance);
constexpr unsigned L = bit(Op::IntersectLines);
constexpr unsigned S = bit(Op::IntersectSegments);
constexpr unsigned N = bit(Op::Normal);
constexpr unsigned B = bit(Op::Bisector);
constexpr unsigned C = bit(Op::Circumcircle);
constexpr unsigned H = bit(Op::HasPointInCircumcircle);
// The operations built on the intersection of two lines.
constexpr unsigned CROSSING = L | S | C | H;

struct VariantInfo {
    Variant v;
    const char* name;
    const char* story;
    unsigned ops;  // where the step is and can change an answer
};

// Each variant's one step.  Where an operation has the step but no answer can
// show it, the operation is left out: the midpoint's sign of zero is lost in
// a distance.  The midpoint's sum alone in float is no cause of its own: it
// differs only past 1.7e38, where the whole arithmetic in float gives the
// same answers.  The sum of squares fused in double is graded in distance
// alone: it changes a float only where the sum falls within a double's last
// bit of a midpoint between floats, which cases are built for in distance
// but which a radius or a point test reaches by chance alone.
constexpr VariantInfo VARIANTS[] = {
    {Variant::Exact, "tacno", "zaokruzivanja kao u biblioteci", 0},
    {Variant::CrossUnrounded, "vektorski-proizvod",
     "vektorski proizvod (u.x*v.y - u.y*v.x) nije zaokruzen na float pre provere tolerancije i "
     "deljenja",
     CROSSING},
    {Variant::ParameterUnrounded, "parametar",
     "parametar t (kod duzi i s) nije zaokruzen na float pre provere opsega i racunanja tacke",
     CROSSING},
    {Variant::SumUnrounded, "zbir-kvadrata",
     "zbir kvadrata u rastojanju nije zaokruzen na float pre kvadratnog korena", D | C | H},
    {Variant::LengthsUnrounded, "kvadrati-duzina",
     "kvadrati duzina (x*x + y*y) u proveri tolerancije nisu zaokruzeni na float", CROSSING},
    {Variant::DifferencesUnrounded, "razlike",
     "razlike tacaka (PQ, p, q, pravac simetrale) nisu zaokruzene na float", CROSSING},
    {Variant::FloatOnly, "float",
     "ceo racun u float umesto u double (proizvodi i zbirovi zaokruzeni na float)",
     D | B | CROSSING},
    {Variant::Fused, "fma",
     "racun u float sa spojenim mnozenjem i sabiranjem (fma, kao -ffp-contract=fast): proizvod "
     "nije zaokruzen pre sabiranja",
     D | CROSSING},
    {Variant::FusedInDouble, "fma-double",
     "zbir kvadrata u rastojanju spojen u double (fma(dx, dx, dy * dy)): prevodilac spaja "
     "mnozenje i sabiranje (g++ bez -ffp-contract=off, sa -march=native ili na aarch64)",
     D},
    {Variant::DifferencesInFloat, "razlike-u-float",
     "razlike koordinata u rastojanju oduzete u float, pa tek onda prosirene na double (double dx "
     "= b.x - a.x; sa float koordinatama)",
     D | C | H},
    {Variant::ToleranceNotStrict, "tolerancija-nestroga",
     "provera tolerancije sa >= umesto strogog > (nulti pravci se seku)", CROSSING},
    {Variant::RangeStrict, "opseg-strog",
     "provera opsega duzi stroga (0 < s < 1) umesto 0 <= s <= 1: krajevi se ne racunaju", S},
    {Variant::OverlapStrictness, "preklapanje",
     "provera preklapanja kolinearnih duzi obrnute strogosti (> umesto >=, <= umesto <)", S},
    {Variant::InsideNotStrict, "unutra-nestrogo",
     "tacka na krugu racunata kao unutra (d <= r umesto d < r)", H},
    {Variant::ToleranceAbsolute, "tolerancija-apsolutna",
     "tolerancija apsolutna: kvadrat vektorskog proizvoda poredjen sa 1e-5 bez kvadrata duzina",
     CROSSING},
    {Variant::SwappedWeight, "tezina",
     "zamenjena tezina tolerancije: kod paralelnih pravih (duzi) brojilac je meren duzinom "
     "drugog pravca umesto prvog",
     L | S | C},
    {Variant::NudgeInFloat, "pomak-float",
     "pomak tacke na krugu sabran u float (x + 1e-6f) umesto u double (x + 1e-6)", H},
    {Variant::NudgeOnY, "pomak-y", "tacka tacno na krugu pomerena po y umesto po x", H},
    {Variant::NudgeMissing, "bez-pomaka", "tacka tacno na krugu nije pomerena za 1e-6 po x", H},
    {Variant::MidpointHalfDifference, "sredina-razlika",
     "sredina duzi racunata kao a + (b - a) / 2 umesto (a + b) / 2 (razlikuje se kod -0)", B | C},
    {Variant::NoFallback, "bez-rezerve",
     "centar kruga samo iz simetrala od prvog temena: kad su paralelne, nisu pokusane simetrale "
     "od drugog pa od treceg temena",
     C | H},
    {Variant::FallbackOrder, "redosled-rezerve",
     "rezervne simetrale centra kruga u pogresnom redu: od treceg temena pre drugog", C | H},
    {Variant::RadiusFromFirst, "poluprecnik",
     "poluprecnik meren od prvog temena umesto od temena iz kog je nadjen centar", C | H},
    {Variant::CodesSwapped, "kodovi", "kodovi rezultata 0 i 2 zamenjeni", L | S | C},
    {Variant::WritesOnMiss, "upis-bez-tacke",
     "rezultat (tacka, krug) upisan i kad je kod 0 ili 2, a treba da ostane kakav je dat",
     L | S | C},
    {Variant::ShortPrint, "malo-cifara",
     "broj ispisan sa premalo cifara (%g, 6 znacajnih): treba %a ili %.9g", D | N | B | CROSSING},
};

constexpr bool tableInOrder() {
    std::size_t i = 0;
    for (const VariantInfo& row : VARIANTS) {
        if (row.v != static_cast<Variant>(i++)) {
            return false;
        }
    }
    return i == VARIANT_COUNT;
}
static_assert(tableInOrder(), "VARIANTS lists every variant once, in the enumeration's order");

const VariantInfo& info(Variant v) {
    const auto i = static_cast<std::size_t>(v);
    return VARIANTS[i < VARIANT_COUNT ? i : 0];
}

V at(const Case& c, std::size_t i) {
    return {c.in[i], c.in[i + 1]};
}

// The float as %g writes it and strtod reads it back.
float printedShort(float x) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(x));
    return static_cast<float>(std::strtod(text, nullptr));
}

void circle(const Reckoner& k, const Case& c, Answer& a) {
    const V v[3] = {at(c, 0), at(c, 2), at(c, 4)};
    V o{};
    V from{};
    int first = 0;
    a.code = k.centre(v, o, from, first) ? ONE_POINT : first;
    if (*a.code == ONE_POINT) {
        a.out = {detail::f(o.x), detail::f(o.y), detail::f(k.distance(from, o))};
    } else if (k.writesOnMiss()) {
        // The last bisectors' point, measured from the first vertex.
        a.out = {detail::f(o.x), detail::f(o.y), detail::f(k.distance(v[0], o))};
    } else {
        a.out = {c.in[6], c.in[7], c.in[8]};  // the caller's circle, untouched
    }
}

}  // namespace

const char* variantName(Variant v) {
    return info(v).name;
}

const char* variantStory(Variant v) {
    return info(v).story;
}

bool actsOn(Variant v, Op op) {
    return (info(v).ops & bit(op)) != 0;
}

Answer model(const Case& c, Variant variant) {
    const Reckoner k(variant);
    Answer a;
    switch (c.op) {
        case Op::Distance:
            a.out = {detail::f(k.distance(at(c, 0), at(c, 2)))};
            break;
        case Op::IntersectLines:
        case Op::IntersectSegments: {
            V r = at(c, 8);  // the caller's point before the call
            a.code = c.op == Op::IntersectLines
                         ? k.lines(at(c, 0), at(c, 2), at(c, 4), at(c, 6), r)
                         : k.segments(at(c, 0), at(c, 2), at(c, 4), at(c, 6), r);
            a.out = {detail::f(r.x), detail::f(r.y)};
            break;
        }
        case Op::Normal: {
            const V d = at(c, 4);
            a.out = {c.in[0], c.in[1], detail::f(-d.y), detail::f(d.x)};
            break;
        }
        case Op::Bisector: {
            const auto [m, d] = k.bisector(at(c, 0), at(c, 2));
            a.out = {detail::f(m.x), detail::f(m.y), detail::f(d.x), detail::f(d.y)};
            break;
        }
        case Op::Circumcircle:
            circle(k, c, a);
            break;
        case Op::HasPointInCircumcircle: {
            const V v[3] = {at(c, 0), at(c, 2), at(c, 4)};
            std::vector<V> pts;
            for (std::size_t i = 7; i + 1 < c.in.size(); i += 2) {
                pts.push_back(at(c, i));
            }
            a.code = k.inCircle(v, pts);
            for (const V& p : pts) {
                a.out.push_back(detail::f(p.x));
                a.out.push_back(detail::f(p.y));
            }
            break;
        }
    }
    if (variant == Variant::ShortPrint) {
        for (float& x : a.out) {
            x = printedShort(x);
        }
    }
    return a;
}

}  // namespace provera
}  // namespace geometrija
