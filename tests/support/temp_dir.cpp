#include "support/temp_dir.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

namespace support {

TempDir::TempDir() {
    namespace fs = std::filesystem;
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("geometrija-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            dir_ = candidate;
            path_ = candidate.string();
            return;
        }
    }
    throw std::runtime_error("no fresh temporary directory");
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& content) const {
    const std::filesystem::path file = dir_ / name;
    std::ofstream(file, std::ios::binary) << content;
    return file.string();
}

}  // namespace support
