// The cases and answers as text: the vectors file and the line protocol.
#include "provera/cases.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "geometrija/intersect.h"
#include "provera/float_word.h"
#include "text/messages.h"

namespace geometrija {
namespace provera {

namespace {

// The floats an answer carries, whatever its code: the intersections' and
// the circle's result as the call left it (HasPointInCircumcircle: as many
// as its case has points, counted by the caller).
std::size_t outputs(Op op, int /*code*/) {
    switch (op) {
        case Op::Distance:
            return 1;
        case Op::IntersectLines:
        case Op::IntersectSegments:
            return 2;
        case Op::Normal:
        case Op::Bisector:
            return 4;
        case Op::Circumcircle:
            return 3;
        case Op::HasPointInCircumcircle:
            break;
    }
    return 0;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> all;
    std::string w;
    while (in >> w) {
        all.push_back(w);
    }
    return all;
}

bool readFloat(const std::string& word, float& value) {
    char* end = nullptr;
    value = std::strtof(word.c_str(), &end);
    return !word.empty() && end == word.c_str() + word.size();
}

bool readInt(const std::string& word, int& value) {
    char* end = nullptr;
    const long v = std::strtol(word.c_str(), &end, 10);
    value = static_cast<int>(v);
    return !word.empty() && end == word.c_str() + word.size() && v >= -1000 && v <= 1000;
}

constexpr const char* NO_CODE = "odgovor ne pocinje kodom rezultata (0, 1 ili 2)";

constexpr std::size_t BY_CODE = static_cast<std::size_t>(-1);

// Reads an answer's result code into `a` (for an operation with one) and
// checks the count of the floats after it: `count` when given, else as many
// as the code calls for (BY_CODE).  The index of the first float, or none with `why`
// said when the answer is refused.
std::optional<std::size_t> codeAndCount(Op op, const std::vector<std::string>& w, std::size_t count,
                                        Answer& a, std::string& why) {
    std::size_t next = 0;
    if (hasCode(op)) {
        int code = 0;
        if (w.empty() || !readInt(w[0], code)) {
            why = NO_CODE;
            return std::nullopt;
        }
        a.code = code;
        next = 1;
    }
    const std::size_t expected = count != BY_CODE ? count : outputs(op, a.code.value_or(0));
    if (w.size() - next != expected) {
        why = "odgovor ima " + std::to_string(w.size() - next) + " brojeva" +
              (hasCode(op) ? " posle koda" : "") + ", a treba " + std::to_string(expected);
        return std::nullopt;
    }
    return next;
}

// The nearest float to a number that is none, for the student to compare.
std::string nearestText(const FloatWord& f) {
    if (f.outOfRange) {
        return "van opsega floata";
    }
    if (f.underflow) {
        return "manji od najmanjeg floata, zaokruzen je nula";
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(f.value));
    return std::string(f.asDouble ? "to je float " : "najblizi float: ") + buffer + " = " +
           hexFloat(f.value) + (f.asDouble ? " ispisan kao double" : "");
}

}  // namespace

std::string hexFloat(float f) {
    // Written from the bits, not by printf's %a, whose digits differ
    // between C libraries: 0x1.HHHHHHp+E for every finite value but zero.
    // A NaN's sign and payload are the processor's (x86-64 makes inf - inf
    // negative, aarch64 positive): every NaN is written as one.
    if (std::isnan(f)) {
        return "nan";
    }
    if (std::isinf(f)) {
        return f < 0 ? "-inf" : "inf";
    }
    std::string text = std::signbit(f) ? "-" : "";
    if (std::fpclassify(f) == FP_ZERO) {
        return text + "0x0p+0";
    }
    int exponent = 0;
    double m = std::frexp(std::fabs(static_cast<double>(f)), &exponent);  // [0.5, 1)
    m = m * 2 - 1;
    --exponent;
    text += "0x1";
    std::string digits;
    for (int i = 0; i < 6 && m > 0; ++i) {
        m *= 16;
        const int d = static_cast<int>(m);
        digits += "0123456789abcdef"[d];
        m -= d;
    }
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    if (!digits.empty()) {
        text += "." + digits;
    }
    return text + "p" + (exponent >= 0 ? "+" : "") + std::to_string(exponent);
}

std::string caseText(const Case& c) {
    std::string text = opName(c.op);
    for (std::size_t i = 0; i < c.in.size(); ++i) {
        const bool count = c.op == Op::HasPointInCircumcircle && i == 6;
        text += " " + (count ? std::to_string(static_cast<int>(c.in[i])) : hexFloat(c.in[i]));
    }
    return text;
}

std::string answerText(const Answer& a) {
    std::string text = a.code ? std::to_string(*a.code) : "";
    for (const float f : a.out) {
        text += (text.empty() ? "" : " ") + hexFloat(f);
    }
    return text;
}

std::string decimalInputs(const Case& c) {
    std::string text;
    for (std::size_t i = 0; i < c.in.size(); ++i) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(c.in[i]));
        text += (i == 0 ? "" : " ") + std::string(buffer);
    }
    return text;
}

std::optional<Case> parseCase(const std::string& text, std::string& why) {
    const std::vector<std::string> w = words(text);
    const std::optional<Op> op = w.empty() ? std::nullopt : opNamed(w[0]);
    if (!op) {
        why = "nepoznata operacija: " + (w.empty() ? std::string("(prazan red)") : escaped(w[0]));
        return std::nullopt;
    }
    Case c{*op, {}};
    const std::size_t fixed = static_cast<std::size_t>(fixedInputs(*op));
    std::size_t total = fixed;
    for (std::size_t i = 1; i < w.size(); ++i) {
        float value = 0;
        if (*op == Op::HasPointInCircumcircle && i == fixed + 1) {
            int n = 0;
            if (!readInt(w[i], n) || n < 0 || n > 99) {
                why = "broj tacaka nije ceo broj od 0 do 99: " + escaped(w[i]);
                return std::nullopt;
            }
            value = static_cast<float>(n);
            total = fixed + 1 + 2 * static_cast<std::size_t>(n);
        } else if (!readFloat(w[i], value)) {
            why = "nije broj: " + escaped(w[i]);
            return std::nullopt;
        }
        c.in.push_back(value);
    }
    if (*op == Op::HasPointInCircumcircle && c.in.size() <= fixed) {
        total = fixed + 1;
    }
    if (c.in.size() != total) {
        why = std::string(opName(*op)) + " ima " + std::to_string(total) + " ulaza, a ne " +
              std::to_string(c.in.size());
        return std::nullopt;
    }
    return c;
}

std::optional<Answer> parseAnswer(Op op, const std::string& text, std::string& why) {
    const std::vector<std::string> w = words(text);
    Answer a;
    // The points' count is the case's; an answer gives as many as it has.
    const std::size_t count =
        op == Op::HasPointInCircumcircle && !w.empty() ? w.size() - 1 : BY_CODE;
    const std::optional<std::size_t> first = codeAndCount(op, w, count, a, why);
    if (!first) {
        return std::nullopt;
    }
    for (std::size_t i = *first; i < w.size(); ++i) {
        float value = 0;
        if (!readFloat(w[i], value)) {
            why = "nije broj: " + escaped(w[i]);
            return std::nullopt;
        }
        a.out.push_back(value);
    }
    return a;
}

std::size_t pointsOf(const Case& c) {
    const auto at = static_cast<std::size_t>(fixedInputs(c.op));
    return c.op == Op::HasPointInCircumcircle && c.in.size() > at
               ? static_cast<std::size_t>(c.in[at])
               : 0;
}

Reading readAnswer(const Case& c, const std::string& text) {
    const std::vector<std::string> w = words(text);
    Reading r;
    Answer a;
    const std::size_t count = c.op == Op::HasPointInCircumcircle ? 2 * pointsOf(c) : BY_CODE;
    const std::optional<std::size_t> first = codeAndCount(c.op, w, count, a, r.why);
    if (!first) {
        return r;
    }
    std::string notNumber;
    for (std::size_t i = *first; i < w.size(); ++i) {
        const FloatWord f = readFloatWord(w[i]);
        if (f.kind == WordKind::NotNumber && notNumber.empty()) {
            notNumber = "nije broj: " + escaped(w[i]);
        }
        if (f.kind == WordKind::NotFloat && !r.notFloat) {
            r.notFloat = true;
            r.asDouble = true;
            r.why = "odgovor nije float: " + escaped(w[i]) + " (" + nearestText(f) + ")";
        }
        r.asDouble = r.asDouble && (f.kind != WordKind::NotFloat || f.asDouble);
        a.out.push_back(f.value);
    }
    if (!notNumber.empty()) {
        r.why = notNumber;  // told before a number that is no float
        r.notFloat = false;
        r.asDouble = false;
    } else if (!r.notFloat) {
        r.answer = a;
    } else {
        r.nearest = a;
    }
    return r;
}

}  // namespace provera
}  // namespace geometrija
