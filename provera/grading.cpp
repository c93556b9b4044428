#include "provera/grading.h"

namespace geometrija {
namespace provera {

namespace {

// The variants that give this answer to this case.
std::vector<Variant> causesOf(const Case& c, const Answer& given) {
    std::vector<Variant> found;
    for (const Variant v : WRONG_VARIANTS) {
        if (agree(model(c, v), given)) {
            found.push_back(v);
        }
    }
    return found;
}

}  // namespace

Grade grade(const std::vector<Vector>& vectors, const AnswerLines& answers) {
    Grade g;
    g.total = vectors.size();
    g.answered = answers.count();
    const std::vector<AnswerLine>& lines = answers.lines();
    for (std::size_t i = 0; i < vectors.size(); ++i) {
        const Vector& v = vectors[i];
        OpCount& counts = g.byOp[v.c.op];
        ++counts.all;
        if (i >= lines.size()) {
            continue;  // not answered: told as the count of answers
        }
        Disagreement d;
        d.index = i;
        if (lines[i].tooLong) {
            d.why = "red odgovora je duzi od " + std::to_string(MAX_LINE) + " bajtova";
        } else {
            Reading r = readAnswer(v.c, lines[i].text);
            if (r.answer && agree(*r.answer, v.expected)) {
                ++g.agreeing;
                ++counts.agreeing;
                for (const Variant f : WRONG_VARIANTS) {
                    if (actsOn(f, v.c.op) && !agree(model(v.c, f), v.expected)) {
                        ++g.contradicted[f];
                    }
                }
                continue;
            }
            d.given = std::move(r.answer);
            d.why = std::move(r.why);
            d.notFloat = r.notFloat && !r.asDouble;
            d.asDouble = r.asDouble;
            // Rounded to float, does it agree, or which variant gives it?
            if (r.notFloat && !agree(r.nearest, v.expected)) {
                d.causes = causesOf(v.c, r.nearest);
            }
        }
        ++g.wrong;
        ++counts.wrong;
        g.notFloat += d.notFloat ? 1 : 0;
        g.asDouble += d.asDouble ? 1 : 0;
        if (d.given) {
            d.causes = causesOf(v.c, *d.given);
        }
        for (const Variant f : d.causes) {
            ++g.explained[f];
        }
        if (g.firstCases.size() < LISTED) {
            g.firstCases.push_back(i);
        }
        if (g.first.size() < SHOWN) {
            d.line = lines[i].text;
            g.first.push_back(std::move(d));
        }
    }
    return g;
}

Likeliest likeliest(const Grade& g) {
    std::vector<Cause> all;
    for (const Variant v : WRONG_VARIANTS) {
        const auto found = g.explained.find(v);
        if (found != g.explained.end() && 2 * found->second > g.wrong) {
            const auto against = g.contradicted.find(v);
            all.push_back(
                Cause{v, found->second, against == g.contradicted.end() ? 0 : against->second});
        }
    }
    for (const bool asDouble : {false, true}) {
        const int n = asDouble ? g.asDouble : g.notFloat;
        if (2 * n > g.wrong) {
            all.push_back(Cause{std::nullopt, n, 0, asDouble});
        }
    }
    Likeliest l;
    if (all.empty()) {
        return l;
    }
    const auto score = [](const Cause& c) { return c.explains - c.contradicts; };
    int top = score(all[0]);
    for (const Cause& c : all) {
        top = score(c) > top ? score(c) : top;
    }
    for (const Cause& c : all) {
        if (score(c) == top) {
            l.causes.push_back(c);
        }
    }
    l.kind = l.causes.size() == 1 ? Likeliest::Kind::Named : Likeliest::Kind::Tied;
    return l;
}

const char* causeName(const Cause& c) {
    if (c.variant) {
        return variantName(*c.variant);
    }
    return c.asDouble ? "ispis-double" : "nije-float";
}

const char* causeStory(const Cause& c) {
    if (c.variant) {
        return variantStory(*c.variant);
    }
    return c.asDouble ? "rezultat je float, ali je ispisan kao double (sa 17 cifara): float se "
                        "ispisuje sa najvise 9 cifara (%.9g) ili heksadecimalno"
                      : "nedostaje poslednje zaokruzivanje na float: rezultat je izracunat u "
                        "double i ispisan bez zaokruzivanja";
}

}  // namespace provera
}  // namespace geometrija
