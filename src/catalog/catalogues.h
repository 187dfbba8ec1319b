// Loading of the seven game-data catalogues at start-up.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Loads races, classes, skills, spells, talents, proficiencies and equipment, in that order, from
// their folders under the working directory.
void LoadCatalogues();

// Empties the seven catalogues; loading appends, so a second load starts from this.
void ClearCatalogues();

// The catalogue folders, in load order, that are not folders under `startFolder`. A folder that exists
// but holds no catalogue file is not missing.
std::vector<std::string> MissingCatalogueFolders(const std::filesystem::path& startFolder);

// Says once, through the prompter, which catalogue folders are missing under the working directory, so a
// program started in the wrong folder does not leave its user at an empty race list without a hint.
// Silent when all seven are there.
void ReportMissingCatalogueFolders();
