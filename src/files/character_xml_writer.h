// The XML character file: the saved form of `current_character`.
#pragma once

#include <string>

// The whole character file of `current_character`, one element per line, lines ended with "\n".
// Reads the character, its lists and its race and class entries (either may be missing) and changes
// nothing.
std::string CharacterXMLText();

// Saves `current_character` as "CharacterXML/<file name>.xml" below the working directory, the file
// name made from `characterName` (CharacterFileName). Failures, and a name that names no file, are
// reported through the prompter. True when the file was saved.
bool CreateXMLSheet(const std::string& characterName);
