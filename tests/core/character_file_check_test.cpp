// Which character files count as whole before an open gives up the character in hand for them.
#include <gtest/gtest.h>
#include <string>

#include "files/character_file_check.h"
#include "files/character_xml_writer.h"
#include "support/character_fixture.h"

namespace {

size_t DamagedLineOf(const std::string& text) {
    size_t at = 0;
    CatalogLineReader lines(
        [&](char* buffer, size_t size) {
            const size_t n = std::min(size, text.size() - at);
            text.copy(buffer, n, at);
            at += n;
            return n;
        },
        SIZE_MAX - 1);
    return FirstDamagedLine(lines);
}

const std::string kHead = "<?xml version=\"1.0\"?>\n<GOREWRIGHT_CHARACTER>\n";
const std::string kTail = "</GOREWRIGHT_CHARACTER>\n";

TEST(CharacterFileCheckTest, LinesOfTheShapesTheWriterWritesAreWhole) {
    const struct {
        const char* what;
        std::string body;
    } cases[] = {
        {"no elements", ""},
        {"an element", "<CHARACTER_NAME>Ada</CHARACTER_NAME>\n"},
        {"an empty element", "<PLAYER_NAME></PLAYER_NAME>\n"},
        {"an element with attributes", "<WAR_EVENT TYPE=\"Non-combat Tour\">Held &amp; won</WAR_EVENT>\n"},
        {"an older file's unescaped value", "<CHARACTER_NAME>A <b> & </i> C</CHARACTER_NAME>\n"},
        {"blocks", "<SOURCE>\n<GAME>\n<FULL>Gorewright</FULL>\n</GAME>\n</SOURCE>\n"},
        {"a block with attributes", "<BACKGROUND TYPE=\"Fighter\">\n<TRAINING TYPE=\"Basic\">\n</TRAINING>\n"
                                    "</BACKGROUND>\n"},
        {"a block's value line", "<VALUE>\n+2 vs. poison\n</VALUE>\n"},
        {"a block's empty value line", "<RATE>\n\n</RATE>\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DamagedLineOf(kHead + c.body + kTail), 0u) << c.what;
        std::string crlf;
        for (char ch : kHead + c.body + kTail)
            crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        EXPECT_EQ(DamagedLineOf(crlf), 0u) << c.what << " with CR LF";
    }
    EXPECT_EQ(DamagedLineOf(kHead + kTail + "\n\n"), 0u) << "empty lines after the end";
    EXPECT_EQ(DamagedLineOf(kHead + "</GOREWRIGHT_CHARACTER>"), 0u) << "no line end after the end";
}

TEST(CharacterFileCheckTest, TheFirstLineOutOfShapeIsNamed) {
    const struct {
        const char* what;
        std::string text;
        size_t line;
    } cases[] = {
        {"empty", "", 1},
        {"binary",
         std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0",
                     11),
         1},
        {"no declaration", "<GOREWRIGHT_CHARACTER>\n" + kTail, 1},
        {"another root", "<?xml version=\"1.0\"?>\n<CHARACTER>\n</CHARACTER>\n", 2},
        {"no end", kHead + "<AGE>4</AGE>\n", 4},
        {"cut inside a line", kHead + "<AGE>4</AGE>\n<CHARACTER_NA", 4},
        {"cut inside the end", kHead + "</GOREWRIGHT_CHARA", 3},
        {"a stray text line",
         kHead +
             "<AGE>4</AGE>\nq\x93\x1f"
             "7\n" +
             kTail,
         4},
        {"an element closed by another", kHead + "<AGE>4</RACE>\n" + kTail, 3},
        {"a value line outside a block", kHead + "</NAME>\n+2\n" + kTail, 4},
        {"a value line not closed", kHead + "<VALUE>\n+2\n<AGE>4</AGE>\n" + kTail, 4},
        {"two value lines", kHead + "<VALUE>\n+2\n+3\n</VALUE>\n" + kTail, 4},
        {"a value line closed by another block", kHead + "<VALUE>\n+2\n</RATE>\n" + kTail, 4},
        {"lines after the end", kHead + kTail + "<RACE>Elf</RACE>\n", 4},
        {"an unfinished tag", kHead + "<AGE\n" + kTail, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DamagedLineOf(c.text), c.line) << c.what;
}

class CharacterFileCheckOfSavedFiles : public CharacterFileTest {};

TEST_F(CharacterFileCheckOfSavedFiles, EverySavedFileIsWholeAndEachOfItsFrontPartsIsNot) {
    BuildTwoClassCharacter();
    const std::string saved = CharacterXMLText();
    ASSERT_EQ(DamagedLineOf(saved), 0u);
    // Whatever line an interrupted write stops after, the file is incomplete.
    size_t lines = 0;
    for (size_t at = saved.find('\n'); at + 1 < saved.size(); at = saved.find('\n', at + 1)) {
        ++lines;
        EXPECT_EQ(DamagedLineOf(saved.substr(0, at + 1)), lines + 1) << "cut after line " << lines;
    }
}

} // namespace
