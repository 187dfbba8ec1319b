// Helpers for tests that load catalogue files.
#pragma once

#include <filesystem>
#include <string>

#include "catalog/catalogues.h" // ClearCatalogues, which ResetGlobals calls around every test

// Writes `content` byte for byte to `path`, creating the folders on the way.
void WriteTextFile(const std::filesystem::path& path, const std::string& content);


// The fixture tree tests/data/catalogs and the shipped sample set data/.
std::filesystem::path FixtureCatalogs();
std::filesystem::path SampleCatalogs();
