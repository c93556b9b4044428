#include "app/console_streams.h"

#ifdef _WIN32

#include <windows.h>

#include <cerrno>
#include <ios>
#include <iostream>
#include <streambuf>
#include <string>

#include "app/console_text.h"

namespace geometrija {

namespace {

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

// Console input a line at a time through ReadConsoleW, handed on as UTF-8.
class ConsoleInput : public std::streambuf {
public:
    explicit ConsoleInput(HANDLE handle) : handle_(handle) {}

protected:
    int_type underflow() override {
        if (gptr() < egptr()) {
            return traits_type::to_int_type(*gptr());
        }
        text_.clear();
        while (text_.empty()) {
            wchar_t units[1024];
            DWORD read = 0;
            if (!ReadConsoleW(handle_, units, 1024, &read, nullptr)) {
                // The scanner takes an exception for a failed read, errno its reason.
                errno = EIO;
                throw std::ios_base::failure("ReadConsoleW");
            }
            if (read == 0 || !reader_.take(std::u16string(units, units + read), text_)) {
                return traits_type::eof();
            }
        }
        setg(&text_[0], &text_[0], &text_[0] + text_.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    HANDLE handle_;
    ConsoleReader reader_;
    std::string text_;
};

// Console output through WriteConsoleW, from the programs' UTF-8; written
// out at every flush.
class ConsoleOutput : public std::streambuf {
public:
    explicit ConsoleOutput(HANDLE handle) : handle_(handle) { setp(buffer_, buffer_ + SIZE); }

protected:
    int_type overflow(int_type c) override {
        if (sync() != 0) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override {
        const std::u16string units =
            writer_.take(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(buffer_, buffer_ + SIZE);
        const std::wstring text(units.begin(), units.end());
        std::size_t done = 0;
        while (done < text.size()) {
            DWORD written = 0;
            if (!WriteConsoleW(handle_, text.data() + done, static_cast<DWORD>(text.size() - done),
                               &written, nullptr) ||
                written == 0) {
                errno = EIO;
                return -1;
            }
            done += written;
        }
        return 0;
    }

private:
    static constexpr int SIZE = 1024;
    HANDLE handle_;
    ConsoleWriter writer_;
    char buffer_[SIZE];
};

}  // namespace

void attachConsoleStreams() {
    // They serve the streams to the end of the process, past static
    // destructors that may still flush std::cout.
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (isConsole(input)) {
        std::cin.rdbuf(new ConsoleInput(input));
    }
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (isConsole(output)) {
        std::cout.rdbuf(new ConsoleOutput(output));
    }
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (isConsole(error)) {
        std::cerr.rdbuf(new ConsoleOutput(error));
    }
}

}  // namespace geometrija

#else

namespace geometrija {

void attachConsoleStreams() {}

}  // namespace geometrija

#endif
