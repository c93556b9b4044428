#include "provera/report.h"

#include <cstdio>

#include "text/messages.h"

namespace geometrija {
namespace provera {

namespace {

std::string disagreement(const Options& o, const Vector& v, const Disagreement& d) {
    const std::string op = opName(v.c.op);
    std::string t = "\nslucaj " + std::to_string(d.index + 1) + " (" + escaped(o.vectors) +
                    ", red " + std::to_string(v.line) + "): " + op + "\n";
    t += "  ulazi:           " + decimalInputs(v.c) + "\n";
    t += "  heksadecimalno:  " + caseText(v.c).substr(op.size() + 1) + "\n";
    t += "  ocekivano:       " + answerText(v.expected) + "\n";
    if (!d.given) {
        t += "  dobijeno:        " + quoted(d.line) + ": " + d.why + "\n";
    } else {
        t += "  dobijeno:        " + answerText(*d.given) + "\n";
    }
    if (d.notFloat || d.asDouble) {
        t += std::string("  moguci uzrok:    ") +
             causeStory(Cause{std::nullopt, 0, 0, d.asDouble}) + "\n";
    } else if (d.given && d.causes.empty()) {
        t += "  uzrok:           nijedna poznata greska u zaokruzivanju ne daje ovaj odgovor\n";
    }
    for (const Variant f : d.causes) {
        t += std::string("  moguci uzrok:    ") + variantStory(f) + "\n";
    }
    return t;
}

std::string runLines(const Options& o, const Run& run, const Grade& g) {
    std::string t;
    if (run.timedOut) {
        char line[160];
        std::snprintf(line, sizeof line, "program nije zavrsio za %g s i zaustavljen je\n",
                      o.seconds);
        t += line;
    } else if (run.tooMuch) {
        t += "program je napisao vise od " + std::to_string(o.maxOutput >> 20) +
             " MB i zaustavljen je\n";
    } else if (run.leftBehind) {
        t += "program je zavrsen sa " + run.how +
             ", ali je ostavio proces koji je jos radio; zaustavljen je\n";
    } else if (!run.cleanExit) {
        t += "program je zavrsen sa " + run.how + "\n";
    }
    if (g.answered < g.total) {
        t += "program je dao " + std::to_string(g.answered) + " od " + std::to_string(g.total) +
             " odgovora\n";
    } else if (g.answered > g.total) {
        t += "program je dao " + std::to_string(g.answered) + " odgovora, a slucajeva je " +
             std::to_string(g.total) + "\n";
    }
    return t;
}

std::string causeLines(const Grade& g) {
    if (g.wrong == 0) {
        return "";
    }
    const std::string of = " od " + std::to_string(g.wrong) + " razlika";
    const Likeliest l = likeliest(g);
    if (l.kind == Likeliest::Kind::Named) {
        const Cause& c = l.causes.front();
        return "najverovatniji uzrok (objasnjava " + std::to_string(c.explains) + of +
               "): " + causeStory(c) + "\n";
    }
    std::string t;
    if (l.kind == Likeliest::Kind::Tied) {
        t = "nijedan uzrok nije najverovatniji: ovi objasnjavaju podjednako mnogo razlika\n";
        for (const Cause& c : l.causes) {
            t += "  objasnjava " + std::to_string(c.explains) + of + ": " + causeStory(c) + "\n";
        }
        return t;
    }
    t = "nijedan poznat uzrok ne objasnjava vecinu od " + std::to_string(g.wrong) + " razlika\n";
    t += "razlike po operacijama:";
    const char* sep = " ";
    for (const auto& [op, counts] : g.byOp) {
        if (counts.wrong > 0) {
            t += sep + std::string(opName(op)) + " " + std::to_string(counts.wrong);
            sep = ", ";
        }
    }
    t += "\nprvi slucajevi sa razlikom:";
    sep = " ";
    for (const std::size_t i : g.firstCases) {
        t += sep + std::to_string(i + 1);
        sep = ", ";
    }
    return t + "\n";
}

}  // namespace

std::string reportText(const Options& o, const std::vector<Vector>& vectors, const Run& run,
                       const Grade& g) {
    std::string t;
    for (const Disagreement& d : g.first) {
        t += disagreement(o, vectors[d.index], d);
    }
    t += "\n" + runLines(o, run, g);
    for (const auto& [op, counts] : g.byOp) {
        char line[96];
        std::snprintf(line, sizeof line, "%-24s %d od %d\n", opName(op), counts.agreeing,
                      counts.all);
        t += line;
    }
    t += causeLines(g);
    return t + "slaze se: " + std::to_string(g.agreeing) + " od " + std::to_string(g.total) +
           " slucajeva\n";
}

const char* statusWord(const Run& run, const Grade& g) {
    if (!run.started) {
        return "ne-pokrece";
    }
    if (run.timedOut) {
        return "vreme";
    }
    if (run.tooMuch) {
        return "previse";
    }
    if (!run.cleanExit) {
        return "prekid";
    }
    return static_cast<std::size_t>(g.agreeing) == g.total ? "tacno" : "razlike";
}

std::string summaryLine(const Options& o, const Run& run, const Grade& g) {
    std::string program;
    for (const std::string& word : o.command) {
        program += program.empty() ? "" : " ";
        for (const char ch : word) {
            const auto u = static_cast<unsigned char>(ch);
            if (u < 0x20 || u == 0x7f || u == '\\') {
                static const char HEX[] = "0123456789abcdef";
                program += std::string("\\x") + HEX[u >> 4] + HEX[u & 15];
            } else {
                program += ch;
            }
        }
    }
    const Likeliest l = likeliest(g);
    const char* cause = l.kind == Likeliest::Kind::Named ? causeName(l.causes.front()) : "-";
    return program + "\t" + std::to_string(g.agreeing) + "\t" + std::to_string(g.total) + "\t" +
           statusWord(run, g) + "\t" + cause + "\n";
}

}  // namespace provera
}  // namespace geometrija
