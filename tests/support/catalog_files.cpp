#include "support/catalog_files.h"

#include <fstream>
#include <gtest/gtest.h>

#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog/talent_catalog.h"

void WriteTextFile(const std::filesystem::path& path, const std::string& content) {
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        ADD_FAILURE() << "cannot write " << path;
}


std::filesystem::path FixtureCatalogs() {
    return std::filesystem::path(BK_TEST_DATA_DIR) / "catalogs";
}

std::filesystem::path SampleCatalogs() {
    return std::filesystem::path(BK_SAMPLE_DATA_DIR);
}
