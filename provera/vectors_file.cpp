#include "provera/vectors_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "text/messages.h"

namespace geometrija {
namespace provera {

VectorsReader::VectorsReader()
    : splitter_(MAX_LINE, [this](const std::string& text, bool tooLong) { take(text, tooLong); }) {}

void VectorsReader::feed(const char* data, std::size_t size) {
    if (refused()) {
        return;
    }
    bytes_ += size;
    if (bytes_ > MAX_VECTORS_BYTES) {
        why_ = "fajl je veci od " + std::to_string(MAX_VECTORS_BYTES >> 20) + " MB";
        return;
    }
    splitter_.feed(data, size);
}

void VectorsReader::finish() {
    if (refused()) {
        return;
    }
    splitter_.finish();
    if (!refused() && vectors_.empty()) {
        why_ = "nema nijednog slucaja";
    }
}

void VectorsReader::take(const std::string& text, bool tooLong) {
    ++line_;
    if (refused()) {
        return;
    }
    blamed_ = line_;  // taken back below when the line is a case
    if (tooLong) {
        why_ = "red je duzi od " + std::to_string(MAX_LINE) + " bajtova";
        return;
    }
    if (text.find('\0') != std::string::npos) {
        why_ = "fajl nije tekst (bajt 0)";
        return;
    }
    if (text.empty() || text[0] == '#') {
        blamed_ = 0;
        return;
    }
    if (vectors_.size() == MAX_CASES) {
        why_ = "vise od " + std::to_string(MAX_CASES) + " slucajeva";
        return;
    }
    const std::size_t eq = text.find(" = ");
    std::string what = "nema \" = \" izmedju slucaja i odgovora";
    std::optional<Case> c;
    std::optional<Answer> a;
    if (eq != std::string::npos && (c = parseCase(text.substr(0, eq), what)) &&
        (a = parseAnswer(c->op, text.substr(eq + 3), what))) {
        if (a->out.size() == 2 * pointsOf(*c) || c->op != Op::HasPointInCircumcircle) {
            vectors_.push_back(Vector{*c, *a, line_});
            blamed_ = 0;
            return;
        }
        what = "odgovor ima " + std::to_string(a->out.size()) + " brojeva posle koda, a treba " +
               std::to_string(2 * pointsOf(*c));
    }
    why_ = what;
}

bool readVectors(const std::string& name, std::vector<Vector>& vectors, std::string& why) {
    const std::string shown = escaped(name);
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr) {
        why = shown + ": fajl ne moze da se otvori (" + std::strerror(errno) + ")";
        return false;
    }
    VectorsReader reader;
    std::vector<char> buffer(1 << 16);
    std::size_t n = 0;
    while (!reader.refused() && (n = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
        reader.feed(buffer.data(), n);
    }
    const bool failed = std::ferror(file) != 0;
    const int reason = errno;
    std::fclose(file);
    if (failed && !reader.refused()) {
        why = shown + ": fajl ne moze da se procita (" + std::strerror(reason) + ")";
        return false;
    }
    reader.finish();
    if (reader.refused()) {
        why = shown + (reader.line() > 0 ? ":" + std::to_string(reader.line()) : "") + ": " +
              reader.why();
        return false;
    }
    vectors = std::move(reader.vectors());
    return true;
}

}  // namespace provera
}  // namespace geometrija
