// Runs a test inside a fresh temporary working directory.
#pragma once

#include <filesystem>

// Creates an empty folder, makes it the working directory, and on destruction restores the old
// working directory and removes the folder with everything in it.
class ScopedTempDir {
public:
    ScopedTempDir();
    ~ScopedTempDir();
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    const std::filesystem::path& path() const { return dir_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path dir_;
};
