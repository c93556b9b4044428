// What the input tests share: reading a point file from text or from disk,
// a whole dialogue over in-memory streams, both into 99 entries guarded by a
// hundredth that must stay untouched; streams that fail, end or never end as
// a disk, a pipe or a terminal can.
#pragma once

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <ios>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "app/checks.h"
#include "app/dialogue.h"
#include "app/point_file.h"
#include "support/texts.h"

namespace support {

using geometrija::DialogueEnd;
using geometrija::DialogueResult;
using geometrija::MAX_POINTS;
using geometrija::Par;
using geometrija::Result;

// Windows shows the backslash of a path as itself and refuses device names.
#ifdef _WIN32
constexpr bool BACKSLASH_SHOWN = true;
#else
constexpr bool BACKSLASH_SHOWN = false;
#endif

struct Read {
    bool ok = false;
    int n = -1;
    std::vector<Par> pairs;
    std::string error;
};

// Reads from `in`, or loads the named file, into 99 entries guarded by a
// hundredth that must stay untouched.
template <class Reader>
inline Read readWith(Reader reader) {
    Read r;
    Par a[MAX_POINTS + 1];
    for (Par& p : a) {
        p = Par{-7, -7};
    }
    const Result<int> result = reader(a);
    EXPECT_EQ(a[MAX_POINTS].x, -7) << "written past the 99 entries";
    r.ok = result.ok();
    r.error = result.error;
    if (r.ok) {
        r.n = *result.value;
        r.pairs.assign(a, a + r.n);
    }
    return r;
}

inline Read readText(const std::string& text, const std::string& name = "t.txt") {
    std::istringstream in(text);
    return readWith([&](Par* a) { return geometrija::readPointFile(in, name, a); });
}

inline Read loadFile(const std::string& name) {
    return readWith([&](Par* a) { return geometrija::loadPointFile(name, a); });
}

inline std::vector<float> xs(const std::vector<Par>& pairs) {
    std::vector<float> v;
    for (const Par& p : pairs) {
        v.push_back(p.x);
    }
    return v;
}

struct Talk {
    DialogueEnd result;
    std::string out, err, error, fileName;
    int n = -1;
    std::vector<Par> pairs;
};

inline Talk talkOn(std::istream& in, bool terminal = false) {
    Talk t;
    Par a[MAX_POINTS + 1];
    a[MAX_POINTS] = Par{-7, -7};
    std::ostringstream out;
    std::ostringstream err;
    const DialogueResult r = geometrija::runDialogue(in, out, err, "Kalvera", a, terminal);
    EXPECT_EQ(a[MAX_POINTS].x, -7) << "written past the 99 entries";
    t.result = r.end;
    t.n = r.n;
    t.fileName = r.fileName;
    t.error = r.error;
    t.out = out.str();
    t.err = err.str();
    if (t.result == DialogueEnd::Typed) {
        t.pairs.assign(a, a + t.n);
    }
    return t;
}

inline Talk talk(const std::string& input, bool terminal = false) {
    std::istringstream in(input);
    return talkOn(in, terminal);
}

inline const std::string& Q = support::QUESTION;

// A stream buffer that hands out `text` one byte at a time and then either
// ends, fails as a read error would (errno EIO), or, with `endless`, repeats
// `fill` for ever.  `served` counts the bytes handed out.
class TestBuffer : public std::streambuf {
public:
    // FAIL sets errno to EIO; FAIL_SILENTLY leaves it 0, as some libraries do.
    enum Then { END, FAIL, FAIL_SILENTLY, ENDLESS };
    TestBuffer(std::string text, Then then, char fill = '\0')
        : text_(std::move(text)), then_(then), fill_(fill) {}
    std::size_t served = 0;

protected:
    int_type underflow() override {
        if (served < text_.size()) {
            c_ = text_[served];
        } else if (then_ == ENDLESS) {
            c_ = fill_;
        } else if (then_ == FAIL || then_ == FAIL_SILENTLY) {
            errno = then_ == FAIL ? EIO : 0;
            throw std::ios_base::failure("read");
        } else {
            return traits_type::eof();
        }
        ++served;
        setg(&c_, &c_, &c_ + 1);
        return traits_type::to_int_type(c_);
    }

private:
    std::string text_;
    Then then_;
    char fill_;
    char c_ = 0;
};

inline Read readFrom(TestBuffer& buffer) {
    std::istream in(&buffer);
    return readWith([&](Par* a) { return geometrija::readPointFile(in, "t.txt", a); });
}

// The system's text for a read error: "Input/output error" in glibc and on
// Windows, "I/O error" in the browser's C library.
inline const std::string EIO_REASON = std::strerror(EIO);
inline const std::string EIO_TEXT = "fajl ne moze da se procita (" + EIO_REASON + ")";

// An output that fails every write, as a full disk does (ENOSPC), or with
// no reason given (errno 0), as some streams do.
class FullBuffer : public std::streambuf {
public:
    explicit FullBuffer(int reason = ENOSPC) : reason_(reason) {}

protected:
    int_type overflow(int_type) override {
        errno = reason_;
        return traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize) override {
        errno = reason_;
        return 0;
    }

private:
    int reason_;
};

}  // namespace support
