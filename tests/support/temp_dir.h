// A fresh empty directory under the system's temporary folder, removed with
// everything in it: the files that a test hands to the reader or to a
// program.  Portable, so that the unit tests run under wine too.
#pragma once

#include <filesystem>
#include <string>

namespace support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    // Writes a file into the directory, bytes as given, and returns its path.
    std::string write(const std::string& name, const std::string& content) const;

private:
    std::filesystem::path dir_;
    std::string path_;
};

}  // namespace support
