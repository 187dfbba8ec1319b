#include "support/saved_character_files.h"

#include <filesystem>

#include "support/catalog_files.h"

void WriteSavedCharacter(const std::string& file, const SavedCharacter& c) {
    WriteTextFile(std::filesystem::path("CharacterXML") / file,
                  "<?xml version=\"1.0\"?>\n<GOREWRIGHT_CHARACTER>\n<BIOGRAPHICAL_INFORMATION>\n"
                  "<CHARACTER_NAME>" +
                      c.name + "</CHARACTER_NAME>\n<RACE>" + c.race + "</RACE>\n<CLASS_LONG_NAME>" +
                      c.className + "</CLASS_LONG_NAME>\n<LEVEL>" + c.level + "</LEVEL>\n<ALIGNMENT>" +
                      c.alignment + "</ALIGNMENT>\n<SEX>" + c.sex +
                      "</SEX>\n</BIOGRAPHICAL_INFORMATION>\n<HONOR_BASE>" + c.honor +
                      "</HONOR_BASE>\n</GOREWRIGHT_CHARACTER>\n");
}
