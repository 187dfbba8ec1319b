// "Save file": the character saved as its file and sheet, never over another character's file unasked.
#pragma once

#include <functional>
#include <optional>
#include <string>

// Asks the character's name again, `current` as the default; nothing when the question is cancelled.
using AskNameAgain = std::function<std::optional<std::string>(const std::string& current)>;

// Saves `current_character` as "CharacterXML/<file name>.xml" and, only once that is saved, its sheet
// "CharacterHTML/<file name>.html". When the file exists and is not the character's own file (the one it
// was opened from or last saved to), asks first (Yes/No): No asks the name again through `askName` and
// tries again with the answer; a cancelled name question writes nothing and changes nothing. A saved file
// becomes the character's own; a sheet that then fails says that the file was saved and only the sheet
// was not. True when the character file was saved.
bool SaveCurrentCharacter(const AskNameAgain& askName);
