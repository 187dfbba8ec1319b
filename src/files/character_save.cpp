#include "files/character_save.h"

#include <filesystem>
#include <system_error>

#include "app/character.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "app/text_encoding.h"
#include "files/character_file_path.h"
#include "files/character_sheet.h"
#include "files/character_xml_writer.h"

namespace {

// Each refusal is followed by a question the user answers, so this only bounds a script that never stops.
constexpr int kMaxNameTries = 100;

// Where the character files lie; `ec` tells when the working folder cannot be read.
std::filesystem::path CharacterXMLFolder(std::error_code& ec) {
    return std::filesystem::current_path(ec) / "CharacterXML";
}

// Whether saving under `fileName` would replace the file of another character.
bool TakenByAnother(const std::string& fileName) {
    if (fileName.empty() || fileName == program_data.CharacterFile)
        return false;
    std::error_code ec;
    const std::filesystem::path folder = CharacterXMLFolder(ec);
    return !ec && std::filesystem::exists(folder / fileName, ec);
}

} // namespace

bool SaveCurrentCharacter(const AskNameAgain& askName) {
    std::string& name = current_character.CHARACTER_NAME;
    for (int tries = 0;; ++tries) {
        const std::string fileName = CharacterFileName(name, ".xml");
        if (!TakenByAnother(fileName))
            break;
        if (tries == kMaxNameTries)
            return false;
        if (Prompts().YesNo(
                ToWx("A saved character already uses \"" + ShortenMiddle(fileName) + "\". Replace it?"),
                "Save file"))
            break;
        std::optional<std::string> answer = askName(name);
        if (!answer)
            return false;
        name = std::move(*answer);
    }
    // The sheet follows the file: a sheet beside a file that failed would describe another character.
    if (!CreateXMLSheet(name))
        return false;
    program_data.CharacterFile = CharacterFileName(name, ".xml");
    // A sheet that fails now must not read as if the character were lost: its message names the saved file.
    std::error_code ec;
    CreateHTMLSheet(name, CharacterXMLFolder(ec) / program_data.CharacterFile);
    return true;
}
