#include "files/saved_characters.h"

#include "files/character_file_check.h"
#include "files/character_file_fields.h"
#include "files/character_xml_reader.h"
#include "files/xml_text.h"

namespace {

// Reading stops at the root's closing line, and at its start when the final ">" is missing.
const char* const kRootClose = "</GOREWRIGHT_CHARACTER";

} // namespace

const std::vector<CatalogKey<VOLDFileClass>>& VOLDFileClass::Keys() {
    static const std::vector<CatalogKey<VOLDFileClass>> keys = {
        {FileFieldNamed("RACE").key, StoreAppendedText<&VOLDFileClass::RACE>},
        {FileFieldNamed("ALIGNMENT").key, StoreAppendedText<&VOLDFileClass::ALIGNMENT>},
        {FileFieldNamed("HONOR_BASE").key, StoreAppendedText<&VOLDFileClass::HONOR_BASE>},
        {FileFieldNamed("SEX").key, StoreAppendedText<&VOLDFileClass::SEX>},
        {FileFieldNamed("CLASS_LONG_NAME").key, StoreAppendedText<&VOLDFileClass::CLASS_LONG_NAME>},
        {FileFieldNamed("CHARACTER_NAME").key, StoreAppendedText<&VOLDFileClass::CHARACTER_NAME>},
        {FileFieldNamed("LEVEL").key, StoreAppendedText<&VOLDFileClass::LEVEL>},
    };
    return keys;
}

void VOLDFileClass::xmlAssign(std::string_view value, std::string_view tag, VOLDFileClass& entry) {
    AssignByKey(Keys(), tag, xmlDecode(value), entry);
}

void VOLDFileClass::xmlConvert(std::string_view line, VOLDFileClass& entry) {
    std::string_view tag, value;
    if (SplitCatalogLine(line, tag, value))
        xmlAssign(value, tag, entry);
}

void VOLDFileClass::ParseCXML(CatalogLineReader& lines, VOLDFileClass& entry) {
    ReadCatalogLines(lines, kRootClose, [&entry](std::string_view line) { xmlConvert(line, entry); });
}

void VOLDFileClass::ParseCXML(const std::filesystem::path& file, VOLDFileClass& entry) {
    entry.FILE_NAME = file.filename().string();
    ReadCatalogFile(file, kRootClose, kCharacterFileLineLimit,
                    [&entry](std::string_view line) { xmlConvert(line, entry); });
}

void VOLDFileClass::LoadCharacter(const std::filesystem::path& startFolder) {
    // A damaged file would open as nothing or as half a character, so it is not offered.
    const auto whole = [](const std::filesystem::path& file) { return FirstDamagedLine(file) == 0; };
    LoadCatalogFolder(startFolder,
                      CatalogKind<VOLDFileClass>{"CharacterXML", "*.xml", false, ParseCXML, whole});
    AddTail(std::make_unique<VOLDFileClass>());
}

void VOLDFileClass::LoadCharacter() {
    LoadCharacter(CatalogStartFolder());
}

VOLDFileClass* VOLDFileClass::Find(std::string_view text) {
    for (VOLDFileClass* e = First(); e && e != Last(); e = e->pNext.get())
        if (e->CHARACTER_NAME.find(text) != std::string::npos)
            return e;
    return nullptr;
}
