#include <gtest/gtest.h>

#include "catalog/talent_catalog.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class TalentCatalogTest : public GlobalsTest {};

std::string Element(const std::string& tag, const std::string& value) {
    return "<" + tag + ">" + value + "</" + tag + ">";
}

TEST_F(TalentCatalogTest, TalentLinesFollowTheirConversions) {
    CharacterTalent t;
    EXPECT_EQ(t.MAX, 1); // without a MAX line
    for (const char* line :
         {"<NAME>Keen</NAME>", "<NAME> Eyes</NAME>", "<BP>5</BP>", "<BOOK>2</BOOK>", "<EP_ADJ>9</EP_ADJ>",
          "<PAGE>p. 4</PAGE>", "<PAGE>p. 5</PAGE>", "<MAX>3</MAX>", "<DESCRIPTION>First</DESCRIPTION>",
          "<DESCRIPTION>Second</DESCRIPTION>", "<EXTEND>0</EXTEND>"})
        CharacterTalent::xmlConvert(line, t);
    EXPECT_EQ(t.NAME, "Keen Eyes");
    EXPECT_EQ(t.BP, 5);
    EXPECT_EQ(t.BOOK, 2);
    EXPECT_EQ(t.EP_ADJ, 9);
    EXPECT_EQ(t.PAGE, "p. 5");
    EXPECT_EQ(t.MAX, 3);
    EXPECT_EQ(t.DESCRIPTION, "Second");
    EXPECT_TRUE(t.EXTEND);

    CharacterProf p;
    for (const char* line : {"<NAME>Spear</NAME>", "<BOOK>1</BOOK>", "<TYPE>1</TYPE>", "<SPCOST>2</SPCOST>"})
        CharacterProf::xmlConvert(line, p);
    EXPECT_EQ(p.NAME, "Spear");
    EXPECT_EQ(p.BOOK, 1);
    EXPECT_EQ(p.TYPE, 1);
    EXPECT_EQ(p.SPCOST, 2);
    EXPECT_FALSE(p.EXTEND); // no EXTEND line
    CharacterProf::xmlConvert("<EXTEND></EXTEND>", p);
    EXPECT_TRUE(p.EXTEND);
}

TEST_F(TalentCatalogTest, TalentFilesAreReadInLinesOfUpTo1023Characters) {
    ScopedTempDir dir;
    const std::string longText(900, 'd');
    const std::string tooLong(1100, 'e');
    struct Case {
        const char* file;
        std::string content;
        std::string description;
        int32_t bp; // from a BP line after the description
    } cases[] = {
        {"a_Talent.qxf", Element("DESCRIPTION", longText) + "\n<BP>4</BP>\n", longText, 4},
        // 1,100 characters of value: the closing tag falls past 1023, so the line stores nothing and ends the
        // file.
        {"b_Talent.qxf", Element("DESCRIPTION", tooLong) + "\n<BP>4</BP>\n", "", 0},
        // A complete element at the start of an over-long line is still stored, then the file ends.
        {"c_Talent.qxf", Element("DESCRIPTION", "short") + std::string(1100, ' ') + "\n<BP>4</BP>\n", "short",
         0},
    };
    for (const Case& c : cases)
        WriteTextFile(dir.path() / "Talents" / c.file, c.content);
    testing::internal::CaptureStdout();
    CTalent.LoadTalent();
    testing::internal::GetCapturedStdout();

    const CharacterTalent* t = CharacterTalent::First();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->DESCRIPTION, c.description);
        EXPECT_EQ(t->BP, c.bp);
        t = t->pNext.get();
    }
}

TEST_F(TalentCatalogTest, OtherKindsCutTheirLinesAt255Characters) {
    ScopedTempDir dir;
    const std::string name249(249, 'n'); // "<NAME>" and 249 characters: exactly 255
    WriteTextFile(dir.path() / "Proficiencies" / "a_Prof.qxf",
                  "<NAME>" + name249 + "</NAME>\n<TYPE>3</TYPE>\n");
    WriteTextFile(dir.path() / "Proficiencies" / "b_Prof.qxf",
                  "<TYPE>2</TYPE>" + std::string(300, ' ') + "\n<SPCOST>4</SPCOST>\n");
    testing::internal::CaptureStdout();
    CProfs.LoadProfs();
    testing::internal::GetCapturedStdout();

    const CharacterProf* p = CharacterProf::First();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->NAME, ""); // the closing tag lies past the limit
    EXPECT_EQ(p->TYPE, 0);  // and reading stopped there
    p = p->pNext.get();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->TYPE, 2);
    EXPECT_EQ(p->SPCOST, 0);
}

TEST_F(TalentCatalogTest, FindNeverTestsTheBlankLastEntry) {
    ScopedTempDir dir;
    WriteTextFile(dir.path() / "Talents" / "a_Talent.qxf", "<NAME>Night Sight</NAME>\n");
    WriteTextFile(dir.path() / "Talents" / "empty.qxf", "<NAME>Blank Talent</NAME>\n");
    WriteTextFile(dir.path() / "Proficiencies" / "a_Prof.qxf", "<NAME>Longsword</NAME>\n");
    WriteTextFile(dir.path() / "Proficiencies" / "b_Prof.qxf", "<NAME>Sword Breaker</NAME>\n");
    WriteTextFile(dir.path() / "Proficiencies" / "empty.qxf", "<NAME>Blank Prof</NAME>\n");
    testing::internal::CaptureStdout();
    CTalent.LoadTalent();
    CProfs.LoadProfs();
    testing::internal::GetCapturedStdout();

    struct Case {
        const char* text;
        const char* talent; // expected names, null for none
        const char* prof;
    } cases[] = {
        {"Night", "Night Sight", nullptr}, {"Sight", "Night Sight", nullptr},
        {"sword", nullptr, "Longsword"},   {"Sword", nullptr, "Sword Breaker"},
        {"Blank", nullptr, nullptr},       {"", "Night Sight", "Longsword"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const CharacterTalent* t = CTalent.Find(c.text);
        const CharacterProf* p = CProfs.Find(c.text);
        if (c.talent)
            EXPECT_EQ(t ? t->NAME : "", c.talent);
        else
            EXPECT_EQ(t, nullptr);
        if (c.prof)
            EXPECT_EQ(p ? p->NAME : "", c.prof);
        else
            EXPECT_EQ(p, nullptr);
    }

    CharacterTalent::Clear();
    CharacterTalent::AddTail(std::make_unique<CharacterTalent>()); // only the blank entry
    EXPECT_EQ(CTalent.Find(""), nullptr);
    CharacterTalent::Clear();
    EXPECT_EQ(CTalent.Find(""), nullptr);
}

} // namespace
