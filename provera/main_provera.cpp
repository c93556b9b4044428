// geometrija-provera: runs a student's own implementation of the toolkit's
// functions against the test vectors and says how many cases agree, and for
// the first that do not, what was given, what was expected, and which
// rounding step most likely differs.
//   geometrija-provera [--vreme SEKUNDE] [--sazetak] VEKTORI PROGRAM [ARGUMENTI...]
// The program reads one case a line on its standard input and writes one
// answer a line (docs/library.md, "Checking your own implementation").
// The parts: provera/arguments (the command line), vectors_file (reading
// the vectors), lines (collecting the answers), grading, report.
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "provera/arguments.h"
#include "provera/grading.h"
#include "provera/lines.h"
#include "provera/report.h"
#include "provera/student.h"
#include "provera/vectors_file.h"
#include "text/messages.h"

using namespace geometrija;
using namespace geometrija::provera;

namespace {

void refuse(const std::string& why) {
    std::fprintf(stderr, "geometrija-provera: %s\n", why.c_str());
}

// The one place where the program's output meets the answers.
Run runAndCollect(const Options& o, const std::string& input, AnswerLines& answers) {
    const auto sink = [&answers](const char* data, std::size_t size) { answers.feed(data, size); };
    Run run = runStudent(o.command, input, o.seconds, o.maxOutput, sink);
    answers.finish();
    return run;
}

int check(const std::vector<std::string>& args) {
    std::string why;
    const std::optional<Options> o = parseArguments(args, why);
    if (!o) {
        if (!why.empty()) {
            refuse(why);
        }
        std::fprintf(stderr, "%s\n", USAGE);
        return 2;
    }
    std::vector<Vector> vectors;
    if (!readVectors(o->vectors, vectors, why)) {
        refuse(why);
        return 2;
    }
    std::string input;
    for (const Vector& v : vectors) {
        input += caseText(v.c) + "\n";
    }
    AnswerLines answers(vectors.size());
    const Run run = runAndCollect(*o, input, answers);
    const Grade g = grade(vectors, answers);
    if (!run.started) {
        refuse(escaped(o->command[0]) + ": " + run.how);
    }
    if (o->summary) {
        std::fputs(summaryLine(*o, run, g).c_str(), stdout);
    } else if (run.started) {
        std::fputs(reportText(*o, vectors, run, g).c_str(), stdout);
    }
    if (!run.started) {
        return 2;
    }
    return static_cast<std::size_t>(g.agreeing) == g.total && run.cleanExit ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return check(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        refuse("nema dovoljno memorije");
    } catch (const std::exception& e) {
        refuse(std::string("neocekivana greska: ") + escaped(e.what()));
    }
    return 2;
}
