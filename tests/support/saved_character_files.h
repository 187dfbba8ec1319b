// Saved-character files for the tests of the windows that list them.
#pragma once

#include <string>

// The texts the saved-character list reads from a character file.
struct SavedCharacter {
    std::string name;
    std::string alignment = "Lawful-good";
    std::string honor = "12";
    std::string className = "Fighter";
    std::string level = "3";
    std::string race = "Elf";
    std::string sex = "Female";
};

// Writes `character` as "CharacterXML/<file>" below the working directory.
void WriteSavedCharacter(const std::string& file, const SavedCharacter& character);
