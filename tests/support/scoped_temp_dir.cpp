#include "support/scoped_temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

ScopedTempDir::ScopedTempDir() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "brindlekit-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        ADD_FAILURE() << "cannot create a temporary folder";
    dir_ = pattern;
    std::filesystem::current_path(dir_);
}

ScopedTempDir::~ScopedTempDir() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(dir_, ec);
}
