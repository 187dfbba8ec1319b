// Long numeric character references in a character file, as the two readers of that file take them.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "app/character.h"
#include "files/character_xml_reader.h"
#include "files/saved_characters.h"
#include "support/reset_globals.h"
#include "support/saved_character_files.h"
#include "support/scoped_temp_dir.h"

namespace {

class NumericReferencesTest : public GlobalsTest {
protected:
    ScopedTempDir dir;
};

// Opening a character and listing it must show the same name, however long its references are: up to
// eight digits a reference to a character is decoded, a longer one or one that names no character stays
// as written.
TEST_F(NumericReferencesTest, BothReadersDecodeOrKeepTheSameReferences) {
    const std::string dragon = "\xf0\x9f\x90\x89"; // U+1F409
    const std::string last = "\xf4\x8f\xbf\xbf";   // U+10FFFF, the last code point
    const struct {
        const char* written;
        std::string read;
    } cases[] = {
        {"&#128009;", dragon}, // six digits
        {"&#1114111;", last},  // seven
        {"&#00000065;", "A"},  // eight, the longest taken
        {"&#000000065;", "&#000000065;"},
        {"&#1114112;", "&#1114112;"}, // past Unicode
        {"&#055296;", "&#055296;"},   // a surrogate
        {"&#x10FFFF;", last},         // six hexadecimal digits
        {"&#x0001F409;", dragon},     // eight
        {"&#x00001F409;", "&#x00001F409;"},
        {"Zo&#000235;-&#128009", "Zo\xc3\xab-&#128009"}, // the second is not finished
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        SavedCharacter saved;
        saved.name = c.written;
        WriteSavedCharacter("ref.xml", saved);

        ResetGlobals();
        ASSERT_TRUE(ReadCharacterFile("ref.xml"));
        EXPECT_EQ(current_character.CHARACTER_NAME, c.read) << "opened";

        VOLDFileClass listed;
        VOLDFileClass::ParseCXML(std::filesystem::path("CharacterXML") / "ref.xml", listed);
        EXPECT_EQ(listed.CHARACTER_NAME, c.read) << "listed";
    }
}

} // namespace
