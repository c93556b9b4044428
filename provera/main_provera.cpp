// geometrija-provera: runs a student's own implementation of the toolkit's
// functions against the test vectors and says how many cases agree, and for
// the first that do not, what was given, what was expected, and which
// rounding step most likely differs.
//   geometrija-provera [--vreme SEKUNDE] VEKTORI PROGRAM [ARGUMENTI...]
// The program reads one case a line on its standard input and writes one
// answer a line (docs/library.md, "Checking your own implementation").
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "provera/cases.h"
#include "provera/student.h"
#include "provera/variants.h"

using namespace geometrija::provera;

namespace {

constexpr int SHOWN = 5;                      // disagreements told in full
constexpr std::size_t MAX_OUTPUT = 64 << 20;  // what a program may write
constexpr double DEFAULT_SECONDS = 60;

struct Vector {
    Case c;
    Answer expected;
    int line;
};

int usage() {
    std::fprintf(stderr,
                 "upotreba: geometrija-provera [--vreme SEKUNDE] VEKTORI PROGRAM [ARGUMENTI...]\n");
    return 2;
}

bool readVectors(const std::string& name, std::vector<Vector>& vectors) {
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "geometrija-provera: %s: fajl ne moze da se otvori\n", name.c_str());
        return false;
    }
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        if (text.empty() || text[0] == '#') {
            continue;
        }
        const std::size_t eq = text.find(" = ");
        std::string why = "nema \" = \" izmedju slucaja i odgovora";
        std::optional<Case> c;
        std::optional<Answer> a;
        if (eq != std::string::npos && (c = parseCase(text.substr(0, eq), why)) &&
            (a = parseAnswer(c->op, text.substr(eq + 3), why))) {
            vectors.push_back(Vector{*c, *a, line});
            continue;
        }
        std::fprintf(stderr, "geometrija-provera: %s:%d: %s\n", name.c_str(), line, why.c_str());
        return false;
    }
    if (vectors.empty()) {
        std::fprintf(stderr, "geometrija-provera: %s: nema nijednog slucaja\n", name.c_str());
        return false;
    }
    return true;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();  // a Windows program's text mode
        }
        all.push_back(line);
    }
    return all;
}

// The variants that give this answer to this case.
std::vector<Variant> causes(const Case& c, const Answer& given) {
    std::vector<Variant> found;
    for (const Variant v : WRONG_VARIANTS) {
        if (agree(model(c, v), given)) {
            found.push_back(v);
        }
    }
    return found;
}

std::string printable(const std::string& text) {
    std::string shown;
    for (const char ch : text.substr(0, 120)) {
        const unsigned char u = static_cast<unsigned char>(ch);
        shown += (u >= 0x20 && u < 0x7f) ? ch : '?';
    }
    return shown + (text.size() > 120 ? "..." : "");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    double seconds = DEFAULT_SECONDS;
    if (args.size() >= 2 && args[0] == "--vreme") {
        char* end = nullptr;
        seconds = std::strtod(args[1].c_str(), &end);
        if (end == args[1].c_str() || *end != '\0' || !(seconds > 0 && seconds <= 86400)) {
            std::fprintf(stderr, "geometrija-provera: --vreme trazi broj sekundi, ne '%s'\n",
                         args[1].c_str());
            return 2;
        }
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() < 2) {
        return usage();
    }
    const std::string vectorsName = args[0];
    std::vector<Vector> vectors;
    if (!readVectors(vectorsName, vectors)) {
        return 2;
    }
    std::string input;
    for (const Vector& v : vectors) {
        input += caseText(v.c) + "\n";
    }
    const std::vector<std::string> command(args.begin() + 1, args.end());
    std::string output;
    const Run run =
        runStudent(command, input, seconds, MAX_OUTPUT,
                   [&output](const char* data, std::size_t size) { output.append(data, size); });
    if (!run.started) {
        std::fprintf(stderr, "geometrija-provera: %s: %s\n", command[0].c_str(), run.how.c_str());
        return 2;
    }
    const std::vector<std::string> answers = lines(output);

    std::map<Op, std::pair<int, int>> byOp;  // agreeing, all
    std::map<Variant, int> explained;
    int agreeing = 0;
    int wrong = 0;
    int told = 0;
    for (std::size_t i = 0; i < vectors.size(); ++i) {
        const Vector& v = vectors[i];
        auto& counts = byOp[v.c.op];
        ++counts.second;
        std::string why;
        std::optional<Answer> given;
        if (i < answers.size()) {
            given = parseAnswer(v.c.op, answers[i], why);
        } else {
            why = "nema odgovora";
        }
        if (given && agree(*given, v.expected)) {
            ++agreeing;
            ++counts.first;
            continue;
        }
        ++wrong;
        std::vector<Variant> found;
        if (given) {
            found = causes(v.c, *given);
            for (const Variant f : found) {
                ++explained[f];
            }
        }
        if (told == SHOWN || i >= answers.size()) {
            continue;
        }
        ++told;
        std::printf("\nslucaj %zu (%s, red %d): %s\n", i + 1, vectorsName.c_str(), v.line,
                    opName(v.c.op));
        std::printf("  ulazi:           %s\n", decimalInputs(v.c).c_str());
        std::printf("  heksadecimalno:  %s\n",
                    caseText(v.c).substr(std::string(opName(v.c.op)).size() + 1).c_str());
        std::printf("  ocekivano:       %s\n", answerText(v.expected).c_str());
        if (!given) {
            std::printf("  dobijeno:        '%s': %s\n", printable(answers[i]).c_str(),
                        why.c_str());
            continue;
        }
        std::printf("  dobijeno:        %s\n", answerText(*given).c_str());
        if (found.empty()) {
            std::printf(
                "  uzrok:           nijedna poznata greska u zaokruzivanju ne daje ovaj odgovor\n");
        }
        for (const Variant f : found) {
            std::printf("  moguci uzrok:    %s\n", variantStory(f));
        }
    }

    std::printf("\n");
    if (run.timedOut) {
        std::printf("program nije zavrsio za %g s i zaustavljen je\n", seconds);
    } else if (run.tooMuch) {
        std::printf("program je napisao vise od %zu MB i zaustavljen je\n", MAX_OUTPUT >> 20);
    } else if (run.leftBehind) {
        std::printf(
            "program je zavrsen sa %s, ali je ostavio proces koji je jos radio; zaustavljen je\n",
            run.how.c_str());
    } else if (!run.cleanExit) {
        std::printf("program je zavrsen sa %s\n", run.how.c_str());
    }
    if (answers.size() < vectors.size()) {
        std::printf("program je dao %zu od %zu odgovora\n", answers.size(), vectors.size());
    } else if (answers.size() > vectors.size()) {
        std::printf("program je dao %zu odgovora, a slucajeva je %zu\n", answers.size(),
                    vectors.size());
    }
    for (const auto& [op, counts] : byOp) {
        std::printf("%-24s %d od %d\n", opName(op), counts.first, counts.second);
    }
    Variant likeliest = Variant::Exact;
    for (const auto& [v, n] : explained) {
        if (likeliest == Variant::Exact || n > explained[likeliest]) {
            likeliest = v;
        }
    }
    if (likeliest != Variant::Exact) {
        std::printf("najverovatniji uzrok (objasnjava %d od %d razlika): %s\n",
                    explained[likeliest], wrong, variantStory(likeliest));
    }
    std::printf("slaze se: %d od %zu slucajeva\n", agreeing, vectors.size());
    return agreeing == static_cast<int>(vectors.size()) && run.cleanExit ? 0 : 1;
}
