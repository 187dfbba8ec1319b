#include <algorithm>
#include <cfloat>
#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "catalog/catalog_reader.h"
#include "support/catalog_files.h"
#include "support/scoped_temp_dir.h"

namespace {

TEST(CatalogLineSplit, TagIsEverythingBeforeTheFirstGreaterSignAndValueRunsToTheFirstClosingTag) {
    struct Case {
        const char* line;
        bool element;
        const char* tag;
        const char* value;
    } cases[] = {
        {"<NAME>Elf</NAME>", true, "<NAME", "Elf"},
        {"\t  <NAME>Elf</NAME>", true, "\t  <NAME", "Elf"},                   // indented
        {"<NAME lang=\"old\">Elf</NAME>", true, "<NAME lang=\"old\"", "Elf"}, // attribute
        {"<NAME>Rope > Twine</NAME>", true, "<NAME", "Rope > Twine"},         // ">" in the value
        {"<NAME>Rope</b>Twine</NAME>", true, "<NAME", "Rope"},                // "</" ends the value
        {"<NAME></NAME>", true, "<NAME", ""},                                 // empty value
        {"<NAME>Elf</WRONG>", true, "<NAME", "Elf"},                          // closing name unchecked
        {"<CHARACTER_RACE>", false, "", ""},                                  // no "</"
        {"", false, "", ""},                                                  // blank line
        {"</CHARACTER_RACE>", false, "", ""},                                 // no ">" before "</"
        {"no element here </NAME>", false, "", ""},
        {"<NAME>Elf</NAME> trailing > text", true, "<NAME", "Elf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::string_view tag = "untouched", value = "untouched";
        ASSERT_EQ(SplitCatalogLine(c.line, tag, value), c.element);
        if (c.element) {
            EXPECT_EQ(tag, c.tag);
            EXPECT_EQ(value, c.value);
        }
    }
}

TEST(CatalogKeyMatch, AKeyMatchesAnywhereInTheTagButOnlyAsAWhole) {
    struct Case {
        const char* tag;
        const char* key;
        bool contains;
    } cases[] = {
        {"<NAME", "<NAME", true},
        {"\t<NAME lang=\"x\"", "<NAME", true},
        {"<CHARACTER_RACE><NAME", "<NAME", true}, // not at the first "<"
        {"<<NAME", "<NAME", true},
        {"<NAMES", "<NAME", true},
        {"<NAM", "<NAME", false},
        {"NAME", "<NAME", false},
        {"<MINSTR", "<STRADJ", false},
        {"<BASEREADLANGUAGES", "<LANGUAGES", false},
        {"<HITDIEROLL_3", "<HITDIE_", false},
        {"<START_CATEGORY", "<CATEGORY", false},
        {"x_CATEGORY", "_CATEGORY", true}, // a key without "<" is searched as plain text
    };
    for (const Case& c : cases)
        EXPECT_EQ(TagContainsKey(c.tag, c.key), c.contains) << c.tag << " / " << c.key;
}

TEST(CatalogConversions, WholeNumbersFollowTheLeadingDigitsRuleAndSaturate) {
    struct Case {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"12", 12},
        {"12 feet", 12},
        {"", 0},
        {"feet", 0},
        {"  -7", -7},
        {"+3", 3},
        {"3.9", 3},
        {"2147483647", INT32_MAX},
        {"2147483648", INT32_MAX},
        {"99999999999999999999", INT32_MAX},
        {"-99999999999999999999", INT32_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CatalogWhole(c.text), c.expected) << '"' << c.text << '"';
}

TEST(CatalogConversions, RealNumbersIgnoreTrailingWordsAndStayWithinTheFloatRange) {
    struct Case {
        const char* text;
        float expected;
    } cases[] = {
        {"9.5", 9.5f},
        {"12 feet", 12.0f},
        {"", 0.0f},
        {"heavy", 0.0f},
        {"-0.25", -0.25f},
        {"1e300", FLT_MAX},
        {"-1e300", -FLT_MAX},
        // An "e" without exponent digits is not part of the number; the number before it stays.
        {"5.5e", 5.5f},
        {"2E+", 2.0f},
        {"7e1x", 70.0f},
        {" .5", 0.5f},
        {"-.", 0.0f},
        // Beyond even the double range.
        {"1e999", FLT_MAX},
        {"-1e999", -FLT_MAX},
        {"1e-999", 0.0f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(CatalogReal(c.text), c.expected) << '"' << c.text << '"';
}

TEST(CatalogConversions, LevelIndexIsTheNumberAfterTheLastUnderscoreWithinZeroToNinetyNine) {
    struct Case {
        const char* tag;
        int expected;
    } cases[] = {
        {"<HITDIE_5", 5},
        {"<HITDIE_99", 99},
        {"<HITDIE_0", 0},
        {"<HITDIE_7 extra words", 7}, // trailing words after the number
        {"<CONMULTIPLIER_OF_12", 12}, // the last underscore counts
        {"<HITDIE_", 0},              // no digits after it
        {"<XPTABLE5", 0},             // no underscore: the whole tag, which starts with "<"
        {"<HITDIE_100", -1},
        {"<HITDIE_-1", -1},
        {"<HITDIE_99999999999999", -1}, // saturates, still outside
        {"<HITDIE_5 level_x=\"2\"", 0}, // an attribute's underscore is the last one
    };
    for (const Case& c : cases)
        EXPECT_EQ(CatalogLevelIndex(c.tag), c.expected) << c.tag;
}

TEST(CatalogFilePattern, StarsAndQuestionMarksMatchCaseSensitively) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"Elf_Male_Race.qxf", "*_Race.qxf", true},
        {"_Race.qxf", "*_Race.qxf", true},
        {"Elf_Male_race.qxf", "*_Race.qxf", false},
        {"Elf_Male_Race.QXF", "*_Race.qxf", false},
        {"Elf_Male_Race.qxf.bak", "*_Race.qxf", false},
        {"FighterClass.qxf", "*Class.qxf", true}, // the class pattern has no underscore
        {"Fighter_Class.qxf", "*Class.qxf", true},
        {"Subclass.qxf", "*Class.qxf", false},
        {"empty.qxf", "*_Skill.qxf", false},
        {"a_Skill.qxf_Skill.qxf", "*_Skill.qxf", true}, // the star has to give back characters
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"", "*", true},
        {"x", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesFilePattern(c.name, c.pattern), c.matches) << c.name << " vs " << c.pattern;
}

TEST(CatalogFolderListing, ListsMatchingPlainFilesInByteOrder) {
    ScopedTempDir dir;
    for (const char* name :
         {"b_Race.qxf", "a_Race.qxf", "B_Race.qxf", "_Race.qxf", "x_race.qxf", "empty.qxf", "Races.txt"})
        WriteTextFile(dir.path() / "Races" / name, "<CHARACTER_RACE>\n");
    std::filesystem::create_directories(dir.path() / "Races" / "d_Race.qxf");
    // A pipe under a matching name would block a reader for ever; it is no catalogue file.
    ASSERT_EQ(mkfifo((dir.path() / "Races" / "p_Race.qxf").c_str(), 0600), 0);

    EXPECT_EQ(ListCatalogFiles(dir.path() / "Races", "*_Race.qxf"),
              (std::vector<std::string>{"B_Race.qxf", "_Race.qxf", "a_Race.qxf", "b_Race.qxf"}));
    EXPECT_TRUE(ListCatalogFiles(dir.path() / "Missing", "*_Race.qxf").empty());
    EXPECT_TRUE(ListCatalogFiles(dir.path() / "Races" / "a_Race.qxf", "*").empty()); // a file, not a folder
}

// A source that hands out the text in pieces of `chunk` bytes, so lines cross buffer fills.
CatalogLineReader::Source Pieces(const std::string& text, size_t chunk) {
    auto pos = std::make_shared<size_t>(0);
    return [text, chunk, pos](char* buffer, size_t size) {
        const size_t n = std::min({chunk, size, text.size() - *pos});
        std::memcpy(buffer, text.data() + *pos, n);
        *pos += n;
        return n;
    };
}

TEST(CatalogLineReader, SplitsLinesAndStopsAfterTheFirstOverLongOne) {
    using Lines = std::vector<std::string>;
    struct Case {
        std::string input;
        Lines lines;
    } cases[] = {
        {"ab\ncd", {"ab", "cd"}},         // last line without a line end
        {"ab\r\ncd\r\n", {"ab", "cd"}},   // Windows line ends
        {"ab\n\ncd\n", {"ab", "", "cd"}}, // a blank line
        {"", {}},
        {"\n", {""}},
        {"a\rb\n", {"a\rb"}},                       // a lone "\r" is a character
        {"0123456789\nxy\n", {"0123456789", "xy"}}, // exactly the limit
        {"0123456789\r\nxy", {"0123456789", "xy"}}, // the limit plus "\r\n"
        {"0123456789A\nxy\n", {"0123456789"}},      // one over: its start, then the end
        {"0123456789A\r\nxy\n", {"0123456789"}},
        {"0123456789ABCDEFGHIJ", {"0123456789"}}, // over-long without a line end
        {"ab\n0123456789ABCDEFGHIJKLMNOP\ncd\n", {"ab", "0123456789"}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}}, // bytes are kept as read
    };
    for (const Case& c : cases) {
        for (size_t chunk : {size_t(1), size_t(3), size_t(1) << 20}) {
            SCOPED_TRACE(testing::PrintToString(c.input) + " in pieces of " + std::to_string(chunk));
            CatalogLineReader reader(Pieces(c.input, chunk), 10);
            Lines got;
            std::string line;
            while (reader.Next(line))
                got.push_back(line);
            EXPECT_EQ(got, c.lines);
            EXPECT_FALSE(reader.Next(line)); // stays ended
        }
    }
}

TEST(CatalogLineReader, AHugeLineIsCutWithoutReadingItWhole) {
    // 64 MiB without a line end: the reader keeps only the start and stops asking for more.
    static constexpr size_t kTotal = size_t(64) << 20;
    size_t served = 0;
    CatalogLineReader reader(
        [&served](char* buffer, size_t size) {
            const size_t n = std::min(size, kTotal - served);
            std::memset(buffer, 'x', n);
            served += n;
            return n;
        },
        255);
    std::string line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, std::string(255, 'x'));
    EXPECT_FALSE(reader.Next(line));
    EXPECT_LT(served, size_t(1) << 20);
}

TEST(CatalogLineReader, StopsAtTheEndTagWithoutHandingOnThatLine) {
    struct Case {
        const char* input;
        std::vector<std::string> handled;
    } cases[] = {
        {"<A>1</A>\n<B>2</B></CHARACTER_SKILL>\n<C>3</C>\n", {"<A>1</A>"}}, // element and end tag together
        {"<A>1</A>\n  </CHARACTER_SKILL>  \n<C>3</C>\n", {"<A>1</A>"}},
        {"<A>1</A>\n</CHARACTER_SKILLS>\n<C>3</C>\n", {"<A>1</A>"}}, // the text anywhere in the line
        {"<A>1</A>\n</character_skill>\n<C>3</C>\n",                 // letter case counts
         {"<A>1</A>", "</character_skill>", "<C>3</C>"}},
        {"<A>1</A>\n<C>3</C>", {"<A>1</A>", "<C>3</C>"}}, // no end tag at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        CatalogLineReader reader(Pieces(c.input, 1 << 16), 255);
        std::vector<std::string> handled;
        ReadCatalogLines(reader, "</CHARACTER_SKILL",
                         [&](std::string_view line) { handled.emplace_back(line); });
        EXPECT_EQ(handled, c.handled);
    }
}

TEST(CatalogFileReader, WritesItsOpeningLineAlsoForAFileThatCannotBeOpened) {
    ScopedTempDir dir;
    std::vector<std::string> handled;
    auto collect = [&](std::string_view line) { handled.emplace_back(line); };

    testing::internal::CaptureStdout();
    ReadCatalogFile(dir.path() / "Skills" / "missing_Skill.qxf", "</CHARACTER_SKILL", 255, collect);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "opening missing_Skill.qxf\n");
    EXPECT_TRUE(handled.empty());

    std::filesystem::create_directories(dir.path() / "Skills" / "folder_Skill.qxf");
    testing::internal::CaptureStdout();
    ReadCatalogFile(dir.path() / "Skills" / "folder_Skill.qxf", "</CHARACTER_SKILL", 255, collect);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "opening folder_Skill.qxf\n");
    EXPECT_TRUE(handled.empty());

    WriteTextFile(dir.path() / "Skills" / "a_Skill.qxf",
                  "<CHARACTER_SKILL>\n<NAME>x</NAME>\n</CHARACTER_SKILL>\n");
    testing::internal::CaptureStdout();
    ReadCatalogFile(dir.path() / "Skills" / "a_Skill.qxf", "</CHARACTER_SKILL", 255, collect);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "opening a_Skill.qxf\n");
    EXPECT_EQ(handled, (std::vector<std::string>{"<CHARACTER_SKILL>", "<NAME>x</NAME>"}));
}

} // namespace
