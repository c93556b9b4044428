// Times a whole program run from its start to its first picture: the window
// exists and its corner shows the clear colour.  Each run is closed again
// through WM_DELETE_WINDOW.  Prints the median and the quartiles.
//   startup RUNS WORKDIR PROGRAM[,ARG...]...
// An ARG "<FILE" is no argument: the program's first output (a dialogue's
// question) is awaited, FILE's content is then written to its standard
// input, and the time runs from there: from the last answer to the picture.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "render/window.h"
#include "support/picture.h"
#include "support/process.h"
#include "support/xwindow.h"

namespace {

bool painted(Display* d, Window w) {
    XImage* im = XGetImage(d, w, 0, 0, 1, 1, AllPlanes, ZPixmap);
    if (im == nullptr) {
        return false;
    }
    const unsigned long p = XGetPixel(im, 0, 0);
    XDestroyImage(im);
    // The clear colour in a 24-bit TrueColor visual.
    const std::uint8_t rgb[3] = {static_cast<std::uint8_t>((p >> 16) & 255),
                                 static_cast<std::uint8_t>((p >> 8) & 255),
                                 static_cast<std::uint8_t>(p & 255)};
    return support::isBeige(rgb);
}

// One run: the time in milliseconds from the start of `program` to its first
// picture, or a negative value if it failed.
double once(const support::Connection& x, const std::string& program, std::vector<std::string> args,
            const std::string& dir) {
    const std::string title = geometrija::WINDOW_TITLE;
    std::string answers;
    bool answered = false;
    for (auto a = args.begin(); a != args.end(); ++a) {
        if (!a->empty() && (*a)[0] == '<') {
            std::ifstream in(a->substr(1));
            answers.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            answered = true;
            args.erase(a);
            break;
        }
    }
    auto start = std::chrono::steady_clock::now();
    support::Process p(program, args, dir);
    if (answered) {
        while (p.out().empty()) {
            if (std::chrono::steady_clock::now() - start > std::chrono::seconds(20)) {
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        start = std::chrono::steady_clock::now();
    }
    p.write(answers);
    Window w = 0;
    while (w == 0 || !painted(x.display(), w)) {
        if (w == 0) {
            w = x.find(title);
        }
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(20)) {
            return -1;
        }
        // A pause between looks, so that the watcher and the X server
        // answering it do not take the processor the program could use.
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    x.close(w);
    if (p.wait(10000) != 0) {
        return -1;
    }
    while (x.count(title) != 0) {
    }
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup RUNS WORKDIR PROGRAM[,ARG...]...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string dir = argv[2];
    // Each program with its arguments, separated by commas.
    std::vector<std::vector<std::string>> programs;
    for (int i = 3; i < argc; ++i) {
        std::vector<std::string> words;
        std::string word;
        for (const char* c = argv[i];; ++c) {
            if (*c == ',' || *c == '\0') {
                words.push_back(word);
                word.clear();
                if (*c == '\0') break;
            } else {
                word += *c;
            }
        }
        programs.push_back(words);
    }
    support::Connection x;
    if (!x.ok()) {
        std::fprintf(stderr, "startup: no display\n");
        return 1;
    }
    // Round by round, every program once per round, so that a slow spell of
    // the machine weighs on all of them alike.
    std::vector<std::vector<double>> ms(programs.size());
    for (int r = 0; r < runs; ++r) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::vector<std::string> args(programs[k].begin() + 1, programs[k].end());
            const double t = once(x, programs[k][0], args, dir);
            if (t < 0) {
                std::fprintf(stderr, "startup: no picture from %s\n", programs[k][0].c_str());
                return 1;
            }
            ms[k].push_back(t);
        }
    }
    for (std::size_t k = 0; k < programs.size(); ++k) {
        std::vector<double>& v = ms[k];
        std::sort(v.begin(), v.end());
        const auto at = [&](double q) {
            return v[static_cast<std::size_t>(q * (v.size() - 1) + 0.5)];
        };
        std::printf("%-40s median %6.1f ms (quartiles %.1f, %.1f) over %d runs\n", argv[3 + k],
                    at(0.5), at(0.25), at(0.75), runs);
    }
    return 0;
}
