// geometrija-vektori: writes the toolkit's test vectors, every answer the
// library's own, to standard output; with --provera FILE, compares what it
// would write with FILE and names the first line that differs.  Each answer
// is also worked out step by step (variants.h) and must agree: the checker's
// account of a wrong answer rests on that.  And every known cause must be
// caught by enough cases of each operation where it acts (coverage.h), or
// nothing is written; --pokrivenost prints how many cases catch each.
//   geometrija-vektori [--provera FILE | --pokrivenost]
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "provera/cases.h"
#include "provera/coverage.h"
#include "provera/variants.h"
#include "provera/vector_set.h"

using namespace geometrija::provera;

namespace {

std::string vectorsText(const std::vector<Case>& cases) {
    std::ostringstream out;
    out << "# Geometrija: test vectors of the toolkit, written by geometrija-vektori.\n"
           "# One case a line: OPERATION INPUTS = ANSWER; every float a C99 hexadecimal\n"
           "# literal (strtof, float.fromhex), the answers the library's own bits.\n"
           "# The format, operation by operation: docs/library.md.\n";
    for (const Case& c : cases) {
        out << caseText(c) << " = " << answerText(fromLibrary(c)) << '\n';
    }
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::string(argv[1]) == "--provera";
    const bool table = argc == 2 && std::string(argv[1]) == "--pokrivenost";
    if (argc != 1 && !check && !table) {
        std::fprintf(stderr, "upotreba: geometrija-vektori [--provera FAJL | --pokrivenost]\n");
        return 2;
    }
    const std::vector<Case> cases = testVectors();
    for (const Case& c : cases) {
        const Answer library = fromLibrary(c);
        if (!agree(model(c, Variant::Exact), library)) {
            std::fprintf(stderr,
                         "geometrija-vektori: racun korak po korak daje %s, biblioteka %s: %s\n",
                         answerText(model(c, Variant::Exact)).c_str(), answerText(library).c_str(),
                         caseText(c).c_str());
            return 1;
        }
    }
    const Coverage covered = coverage(cases);
    if (table) {
        std::fputs(coverageTable(covered).c_str(), stdout);
    }
    const std::vector<std::string> missing = gaps(covered);
    for (const std::string& line : missing) {
        std::fprintf(stderr, "geometrija-vektori: %s\n", line.c_str());
    }
    if (!missing.empty() || table) {
        return missing.empty() ? 0 : 1;
    }
    const std::string text = vectorsText(cases);
    if (!check) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "geometrija-vektori: %s: fajl ne moze da se otvori\n", argv[2]);
        return 1;
    }
    std::stringstream stored;
    stored << in.rdbuf();
    if (stored.str() == text) {
        return 0;
    }
    std::istringstream a(stored.str());
    std::istringstream b(text);
    std::string la;
    std::string lb;
    for (int line = 1;; ++line) {
        const bool ga = static_cast<bool>(std::getline(a, la));
        const bool gb = static_cast<bool>(std::getline(b, lb));
        if (!ga || !gb || la != lb) {
            std::fprintf(
                stderr,
                "geometrija-vektori: %s se razlikuje u redu %d:\n  u fajlu: %s\n  sada:    %s\n",
                argv[2], line, ga ? la.c_str() : "(kraj)", gb ? lb.c_str() : "(kraj)");
            return 1;
        }
    }
}
