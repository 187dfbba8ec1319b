// A small catalogue of races and classes, and complete characters built on it, for the file tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

class CharacterRace;
class CharacterClass;

// Appends the fixture races ("Elf" Female and Male, then "Half-Elf" Female) and classes ("Fighter",
// "Thief", "Fighter/Thief", "Mage", "Cleric") to the empty catalogues; their names overlap on purpose.
void AddFixtureCatalogues();

// The fixture entry named exactly `name` (and `sex`), or null.
CharacterRace* FixtureRace(const std::string& name, const std::string& sex);
CharacterClass* FixtureClass(const std::string& name);

// Fills `current_character` with a Fighter/Thief Elf of level 1: two class records, all six lists, the
// Fighter background with some events, coins, inherited items and siblings. Needs the fixture catalogues.
void BuildTwoClassCharacter();

// Base fixture of the character file tests: clean globals, the fixture catalogues, the program
// version "5.1", and a fresh working folder.
class CharacterFileTest : public GlobalsTest {
protected:
    void SetUp() override;
    ScopedTempDir dir;
};

// Appends a node {`name`, `value`} to the character's list of that kind (SkillDataItem ... EquipDataItem).
template <class Node> void AddListItem(const std::string& name, int32_t value) {
    auto node = std::make_unique<Node>();
    node->name = name;
    node->value = value;
    Node().AddTail(std::move(node));
}

// The whole contents of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

// The lines of `text`, each without its "\n".
std::vector<std::string> SplitLines(const std::string& text);

// The lines strictly between the first line equal to `open` and the next line equal to `close`.
std::vector<std::string> LinesBetween(const std::string& text, const std::string& open,
                                      const std::string& close);

// Reads `bytes` into the character as the content of a character file, and links it.
void ReadCharacterBytes(const std::string& bytes);
