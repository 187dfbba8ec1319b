// The HTML character sheet: the printable page of `current_character`.
#pragma once

#include <filesystem>
#include <string>

// The whole sheet of `current_character`, one markup line per line, lines ended with "\n". Every text
// of the record, its lists and the catalogues is escaped; the fixed markup is written as it stands.
// Reads the character, its lists, its race and class entries (either may be missing) and the equipment
// catalogue, and changes nothing.
std::string CharacterHTMLText();

// Saves the sheet of `current_character` as "CharacterHTML/<file name>.html" below the working
// directory, the file name made from `characterName` (CharacterFileName), in the same way as the
// character file. Failures, and a name that names no file, are reported through the prompter. When
// `savedCharacterFile` is given, the character's file was just saved there: a failure then says so, and
// that only the sheet could not be saved. True when the sheet was saved.
bool CreateHTMLSheet(const std::string& characterName, const std::filesystem::path& savedCharacterFile = {});
