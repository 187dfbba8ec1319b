#include <gtest/gtest.h>

#include "catalog/skill_catalog.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class SkillCatalogTest : public GlobalsTest {};

CharacterSkill Skill(std::initializer_list<const char*> lines) {
    CharacterSkill skill;
    for (const char* line : lines)
        CharacterSkill::xmlConvert(line, skill);
    return skill;
}

CharacterSpell Spell(std::initializer_list<const char*> lines) {
    CharacterSpell spell;
    for (const char* line : lines)
        CharacterSpell::xmlConvert(line, spell);
    return spell;
}

TEST_F(SkillCatalogTest, SkillLinesFollowTheirConversions) {
    {
        const CharacterSkill s =
            Skill({"<COURSE_PREREQS>Knot Tying</COURSE_PREREQS>", "<COURSE_PREREQS>Haggling</COURSE_PREREQS>",
                   "<SKILL_SUITE_SUBS>Rowing</SKILL_SUITE_SUBS>"});
        EXPECT_EQ(s.COURSE_PREREQS, (std::vector<std::string>{"Knot Tying", "Haggling"}));
        EXPECT_EQ(s.nCOURSE_PREREQS, 2);
        EXPECT_EQ(s.SKILL_SUITE_SUBS, (std::vector<std::string>{"Rowing"}));
        EXPECT_EQ(s.nSKILL_SUITE_SUBS, 1);
    }
    struct NumberCase {
        std::initializer_list<const char*> lines;
        int32_t CharacterSkill::*field;
        int32_t value;
    } numbers[] = {
        {{"<EP_ADJ>5</EP_ADJ>", "<COURSE_COST>300</COURSE_COST>"}, &CharacterSkill::EP_ADJ, 300},
        {{"<COURSE_COST>300</COURSE_COST>", "<EP_ADJ>5</EP_ADJ>"}, &CharacterSkill::EP_ADJ, 5},
        {{"<COURSE_DIE>6</COURSE_DIE>"}, &CharacterSkill::COURSE_DIE, 6},
        {{"<NUM_OF_COURSE_DIE>2</NUM_OF_COURSE_DIE>"}, &CharacterSkill::NUM_OF_COURSE_DIE, 2},
        {{"<NUM_OF_COURSE_DIE>2</NUM_OF_COURSE_DIE>"}, &CharacterSkill::COURSE_DIE, 0},
        {{"<CATEGORY>11</CATEGORY>"}, &CharacterSkill::CATEGORY, 11},
        {{"<NAME>x</NAME>"}, &CharacterSkill::CATEGORY, 0}, // no CATEGORY line
        {{"<NAME>x</NAME>"}, &CharacterSkill::BP, 0},       // no BP line
        {{"<BP>3</BP>", "<BP>4</BP>"}, &CharacterSkill::BP, 4},
    };
    for (const NumberCase& c : numbers) {
        const CharacterSkill s = Skill(c.lines);
        EXPECT_EQ(s.*c.field, c.value) << *c.lines.begin();
    }
    for (const char* extend : {"<EXTEND>1</EXTEND>", "<EXTEND>0</EXTEND>", "<EXTEND></EXTEND>"})
        EXPECT_TRUE(Skill({extend}).EXTEND) << extend;
    EXPECT_FALSE(Skill({"<NAME>x</NAME>"}).EXTEND);

    const CharacterSkill s = Skill({"<PAGE>p. 1</PAGE>", "<PAGE>p. 2</PAGE>", "<NAME>Rope</NAME>",
                                    "<NAME>work</NAME>", "<MASTERY_ABILITIES>STR</MASTERY_ABILITIES>",
                                    "<MASTERY_ABILITIES>DEX/INT</MASTERY_ABILITIES>"});
    EXPECT_EQ(s.PAGE, "p. 2");
    EXPECT_EQ(s.NAME, "Ropework");
    EXPECT_EQ(s.MASTERY_ABILITIES, "DEX/INT");
}

TEST_F(SkillCatalogTest, SpellTextsAppendOrReplaceByField) {
    const CharacterSpell s =
        Spell({"<RANGE>10 </RANGE>", "<RANGE>feet</RANGE>", "<SAVING_THROW>None</SAVING_THROW>",
               "<SAVING_THROW>Half</SAVING_THROW>", "<AREA_OF_EFFECT>One</AREA_OF_EFFECT>",
               "<AREA_OF_EFFECT>Two</AREA_OF_EFFECT>", "<TYPE>Ar</TYPE>", "<TYPE>cane</TYPE>",
               "<CASTING_TIME>1</CASTING_TIME>", "<CASTING_TIME> round</CASTING_TIME>", "<LEVEL>2</LEVEL>",
               "<LEVEL>3</LEVEL>", "<CATEGORY>Fire</CATEGORY>", "<SPECIALIZATION>Heat</SPECIALIZATION>"});
    EXPECT_EQ(s.RANGE, "10 feet");
    EXPECT_EQ(s.SAVING_THROW, "Half");
    EXPECT_EQ(s.AREA_OF_EFFECT, "Two");
    EXPECT_EQ(s.TYPE, "Arcane");
    EXPECT_EQ(s.CASTING_TIME, "1 round");
    EXPECT_EQ(s.LEVEL, 3);
    EXPECT_EQ(s.CATEGORY, "Fire");
    EXPECT_EQ(s.SPECIALIZATION, "Heat");
}

TEST_F(SkillCatalogTest, FindReturnsTheFirstLoadedMatchAndMayReturnTheBlankEntry) {
    ScopedTempDir dir;
    WriteTextFile(dir.path() / "Skills" / "a_Skill.qxf", "<NAME>Rope Climbing</NAME>\n");
    WriteTextFile(dir.path() / "Skills" / "b_Skill.qxf", "<NAME>Rope Splicing</NAME>\n");
    WriteTextFile(dir.path() / "Skills" / "empty.qxf", "<CHARACTER_SKILL>\n</CHARACTER_SKILL>\n");
    WriteTextFile(dir.path() / "Spells" / "a_Spell.qxf", "<NAME>Light</NAME>\n");
    WriteTextFile(dir.path() / "Spells" / "b_Spell.qxf", "<NAME>Lightning</NAME>\n");
    testing::internal::CaptureStdout();
    CSkill.LoadSkill();
    CSpell.LoadSpell();
    testing::internal::GetCapturedStdout();

    struct Case {
        const char* text;
        const char* found; // null: nothing found
    } cases[] = {
        {"Rope", "Rope Climbing"},
        {"Splicing", "Rope Splicing"},
        {"rope", nullptr},
        {"Swimming", nullptr},
    };
    for (const Case& c : cases) {
        const CharacterSkill* s = CSkill.Find(c.text);
        if (c.found) {
            ASSERT_NE(s, nullptr) << c.text;
            EXPECT_EQ(s->NAME, c.found);
        } else {
            EXPECT_EQ(s, nullptr) << c.text;
        }
    }
    // Every name contains the empty text, so the search stops at the first entry; the blank entry is
    // tested like the rest.
    EXPECT_EQ(CSkill.Find(""), CharacterSkill::First());
    CharacterSkill::Clear();
    CharacterSkill::AddTail(std::make_unique<CharacterSkill>()); // only the blank entry
    EXPECT_EQ(CSkill.Find(""), CharacterSkill::First());

    ASSERT_NE(CSpell.Find("Light"), nullptr);
    EXPECT_EQ(CSpell.Find("Light")->NAME, "Light");
    EXPECT_EQ(CSpell.Find("ning")->NAME, "Lightning");
}

} // namespace
