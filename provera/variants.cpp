#include "provera/variants.h"

#include "provera/reckoner.h"

namespace geometrija {
namespace provera {

namespace {

using detail::P;
using detail::Reckoner;

P at(const Case& c, std::size_t i) {
    return {c.in[i], c.in[i + 1]};
}

}  // namespace

const char* variantName(Variant v) {
    switch (v) {
        case Variant::Exact:
            return "tacno";
        case Variant::CrossUnrounded:
            return "vektorski-proizvod";
        case Variant::Fused:
            return "fma";
        case Variant::FloatOnly:
            return "float";
        case Variant::SwappedWeight:
            return "tezina";
        case Variant::SumUnrounded:
            return "zbir-kvadrata";
    }
    return "";
}

const char* variantStory(Variant v) {
    switch (v) {
        case Variant::Exact:
            return "zaokruzivanja kao u biblioteci";
        case Variant::CrossUnrounded:
            return "vektorski proizvod nije zaokruzen na float pre provere tolerancije";
        case Variant::Fused:
            return "racun u float sa spojenim mnozenjem i sabiranjem (fma, kao "
                   "-ffp-contract=fast): "
                   "proizvod nije zaokruzen pre sabiranja";
        case Variant::FloatOnly:
            return "racun u float umesto u double (proizvodi i zbirovi zaokruzeni na float)";
        case Variant::SwappedWeight:
            return "zamenjena tezina tolerancije: kod paralelnih pravih brojilac je meren duzinom "
                   "druge prave umesto prve";
        case Variant::SumUnrounded:
            return "zbir kvadrata nije zaokruzen na float pre kvadratnog korena";
    }
    return "";
}

Answer model(const Case& c, Variant variant) {
    const Reckoner k(variant);
    Answer a;
    switch (c.op) {
        case Op::Distance:
            a.out = {k.distance(at(c, 0), at(c, 2))};
            break;
        case Op::IntersectLines:
        case Op::IntersectSegments: {
            P r = at(c, 8);  // the caller's point before the call
            a.code = c.op == Op::IntersectLines
                         ? k.lines(at(c, 0), at(c, 2), at(c, 4), at(c, 6), &r)
                         : k.segments(at(c, 0), at(c, 2), at(c, 4), at(c, 6), &r);
            a.out = {r.x, r.y};
            break;
        }
        case Op::Normal: {
            const P d = at(c, 4);
            a.out = {c.in[0], c.in[1], -d.y, d.x};
            break;
        }
        case Op::Bisector: {
            const auto [m, d] = k.bisector(at(c, 0), at(c, 2));
            a.out = {m.x, m.y, d.x, d.y};
            break;
        }
        case Op::Circumcircle: {
            const P v[3] = {at(c, 0), at(c, 2), at(c, 4)};
            P o{};
            P from{};
            int first = 0;
            a.code = k.centre(v, o, from, &first) ? 1 : first;
            // The caller's circle before the call, written only on code 1.
            a.out = {c.in[6], c.in[7], c.in[8]};
            if (*a.code == 1) {
                a.out = {o.x, o.y, k.distance(from, o)};
            }
            break;
        }
        case Op::HasPointInCircumcircle: {
            const P v[3] = {at(c, 0), at(c, 2), at(c, 4)};
            std::vector<P> pts;
            for (std::size_t i = 7; i + 1 < c.in.size(); i += 2) {
                pts.push_back(at(c, i));
            }
            a.code = k.inCircle(v, pts);
            for (const P& p : pts) {
                a.out.push_back(p.x);
                a.out.push_back(p.y);
            }
            break;
        }
    }
    return a;
}

}  // namespace provera
}  // namespace geometrija
