#include "app/files.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace geometrija {

bool isWindowsDeviceName(const std::string& name) {
    const std::size_t slash = name.find_last_of("/\\:");
    std::string base = name.substr(slash == std::string::npos ? 0 : slash + 1);
    // Windows ignores an extension and spaces before it: "con.txt", "COM1 ".
    base.resize(std::min(base.size(), base.find('.')));
    while (!base.empty() && base.back() == ' ') {
        base.pop_back();
    }
    for (char& c : base) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "CONIN$" || base == "CONOUT$") {
        return true;
    }
    if (base.size() < 4 || (base.compare(0, 3, "COM") != 0 && base.compare(0, 3, "LPT") != 0)) {
        return false;
    }
    const std::string number = base.substr(3);
    return (number.size() == 1 && number[0] >= '1' && number[0] <= '9') || number == "\xc2\xb9" ||
           number == "\xc2\xb2" || number == "\xc2\xb3";
}

bool isRelativeWindowsName(const std::string& name) {
    const bool drive = name.size() >= 2 && name[1] == ':' &&
                       ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
    return !name.empty() && name[0] != '\\' && name[0] != '/' && !drive;
}

std::string workingFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    // UTF-8 on every system: Windows' wide path converted, Linux's bytes as
    // they are.
    return error ? std::string() : folder.u8string();
}

#ifdef _WIN32

namespace {

// A UTF-16 string from bytes in the code page, or empty when they are not
// valid there.
std::wstring wide(const std::string& text, unsigned codePage) {
    if (text.empty()) {
        return std::wstring();
    }
    const int size = static_cast<int>(text.size());
    const int length =
        MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring w(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, &w[0], length);
    return w;
}

}  // namespace

bool isDeviceName(const std::string& name) {
    return isWindowsDeviceName(name);
}

bool isRelativeName(const std::string& name) {
    return isRelativeWindowsName(name);
}

void openForReading(std::ifstream& in, const std::string& name) {
    const std::wstring w = wide(name, CP_UTF8);
    if (w.empty()) {
        in.open(name, std::ios::in | std::ios::binary);
    } else {
        in.open(w.c_str(), std::ios::in | std::ios::binary);
    }
}

bool isDirectory(const std::string& name) {
    const std::wstring w = wide(name, CP_UTF8);
    const DWORD attributes =
        w.empty() ? GetFileAttributesA(name.c_str()) : GetFileAttributesW(w.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

#else

bool isDeviceName(const std::string&) {
    return false;
}

bool isRelativeName(const std::string& name) {
    return !name.empty() && name[0] != '/';
}

void openForReading(std::ifstream& in, const std::string& name) {
    in.open(name, std::ios::in | std::ios::binary);
}

bool isDirectory(const std::string& name) {
    struct stat st {};
    return stat(name.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

#endif

}  // namespace geometrija
