#include <clocale>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <locale>
#include <memory>

#include "app/character.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "files/character_sheet.h"
#include "support/character_fixture.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "ui/ability_scores.h"
#include "ui/derived_stats.h"
#include "ui/tree_pushers.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

const char* const kBoxOpen = "<TABLE BORDER=1 WIDTH=100%>";

class CharacterSheetTest : public CharacterFileTest {};

// The lines of the section box whose heading holds `heading`: from the box's first line up to the next
// box or the closing "<P>". Empty when no such section is written.
Lines Section(const std::string& text, const std::string& heading) {
    const Lines lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find("<CENTER>" + heading + "<") == std::string::npos &&
            lines[i].find("<CENTER>" + heading + "</") == std::string::npos)
            continue;
        size_t start = i;
        while (start > 0 && lines[start] != kBoxOpen)
            --start;
        size_t end = i + 1;
        while (end < lines.size() && lines[end] != kBoxOpen && lines[end] != "<P>")
            ++end;
        return Lines(lines.begin() + static_cast<long>(start), lines.begin() + static_cast<long>(end));
    }
    return {};
}

Lines Section(const std::string& heading) {
    return Section(CharacterHTMLText(), heading);
}

// The lines between the first line equal to `from` and the next line equal to `to`, both included.
Lines Slice(const Lines& lines, const std::string& from, const std::string& to) {
    auto first = std::find(lines.begin(), lines.end(), from);
    if (first == lines.end())
        return {};
    auto last = std::find(first + 1, lines.end(), to);
    return last == lines.end() ? Lines{} : Lines(first, last + 1);
}

ClassDataItem& AddClassRecord(const std::string& name, float exp) {
    auto record = std::make_unique<ClassDataItem>();
    record->CLASS_NAME = name;
    record->CLASS_EXP = exp;
    ClassDataItem& ref = *record;
    ClassDataItem().AddTail(std::move(record));
    return ref;
}

CharacterEquip& AddEquipEntry(const std::string& name, int32_t tableId,
                              std::vector<std::string> categories = {}) {
    auto entry = std::make_unique<CharacterEquip>();
    entry->NAME = name;
    entry->TABLEID = tableId;
    entry->CATEGORY = std::move(categories);
    entry->nCATEGORY = static_cast<int32_t>(entry->CATEGORY.size());
    CharacterEquip& ref = *entry;
    CharacterEquip::AddTail(std::move(entry));
    return ref;
}

TEST_F(CharacterSheetTest, APageHoldsItsSectionsInOrderBetweenTheHeadAndTheCredits) {
    BuildTwoClassCharacter();
    messagetotreeStep8(); // the thief totals come from the class push, as after the class step
    const std::string text = CharacterHTMLText();
    const Lines lines = SplitLines(text);
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(
        Lines(lines.begin(), lines.begin() + 5),
        (Lines{"<HTML>", " <HEAD>", "  <TITLE>Gorewright Character Generator 5.1 Ada Brightwater</TITLE>",
               " </HEAD>", "<BODY>"}));
    EXPECT_EQ(text.find('\r'), std::string::npos);
    ASSERT_EQ(text.back(), '\n');

    Lines headings;
    for (const std::string& line : lines) {
        const size_t at = line.find("<CENTER>");
        if (at == std::string::npos || line.find("COLSPAN=10><CENTER>") != std::string::npos)
            continue; // background block titles sit inside their box
        const std::string rest = line.substr(at + 8);
        headings.push_back(rest.substr(0, rest.find('<')));
    }
    EXPECT_EQ(headings, (Lines{"Character Information", "Abilities", "Hit Points", "Experience Points",
                               "Saving Throws", "Movement and Encumbrance", "Racial Abilities",
                               "Warlord's Almanac", "Thief Abilities", "Quirks and Flaws",
                               "Skills, Talents and Proficiencies", "Inventory", "Family Information"}));

    const Lines tail(lines.end() - 6, lines.end());
    EXPECT_EQ(tail[0], "<P>");
    EXPECT_EQ(tail[2], "<BR>");
    EXPECT_EQ(Lines(tail.end() - 2, tail.end()), (Lines{"</BODY>", "</HTML>"}));
    // The credits are ours and speak of the program and the game only.
    EXPECT_NE(tail[1].find("Brindlekit"), std::string::npos);
    EXPECT_NE(tail[3].find("Gorewright"), std::string::npos);
    // Family Information ends without a "<BR>".
    EXPECT_EQ(lines[lines.size() - 7], "</TABLE>");

    // Writing changes nothing it reads.
    EXPECT_EQ(CharacterHTMLText(), text);
}

TEST_F(CharacterSheetTest, CharacterInformationKeepsItsDoubledRowAndEscapesTheName) {
    BuildTwoClassCharacter();
    current_character.CHARACTER_NAME = "Ada <b> & \"Q\"";
    current_character.ALIGNMENT = "Chaotic > Good";
    const std::string text = CharacterHTMLText();
    EXPECT_EQ(SplitLines(text)[2],
              "  <TITLE>Gorewright Character Generator 5.1 Ada &lt;b&gt; &amp; &quot;Q&quot;</TITLE>");
    const Lines expected = {
        kBoxOpen,
        "<TR>",
        "<TD>",
        "<TABLE WIDTH=100% VALIGN=MIDDLE ALIGN=CENTER>",
        "<TR>",
        "<TR>",
        "<TD COLSPAN=4><BIG><B><CENTER>Character Information</TD>",
        "</TR>",
        "<TD ALIGN=LEFT>Character: Ada &lt;b&gt; &amp; &quot;Q&quot;</TD>",
        "<TD COLSPAN=3 ALIGN=LEFT>Player: </TD>",
        "</TR>",
        "<TR>",
        "<TD ALIGN=LEFT>Race: Elf</TD>",
        "<TD COLSPAN=2 ALIGN=LEFT>Class: Fighter/Thief</TD>",
        "<TD ALIGN=LEFT>Level: 1</TD>",
        "</TR>",
        "<TR>",
        "<TD ALIGN=LEFT>Homeland: </TD>",
        "<TD COLSPAN=3 ALIGN=LEFT>Alignment: Chaotic &gt; Good</TD>",
        "</TR>",
        "<TR>",
        "<TD ALIGN=LEFT>Liege/Patron: </TD>",
        "<TD COLSPAN=3 ALIGN=LEFT>Patron Gawd:</TD>",
        "</TR>",
        "<TR>",
        "<TD ALIGN=LEFT>Social Class: Middle Middle Class</TD>",
        "<TD COLSPAN=3 ALIGN=LEFT>Family/Clan: </TD>",
        "</TR>",
        "<TR>",
        "<TD ALIGN=LEFT>Height: 64</TD>",
        "<TD COLSPAN=3 ALIGN=LEFT>Weight: 118 lbs.</TD>",
        "</TR>",
        "<TR>",
        "<TD ALIGN=LEFT>Sex: Female</TD>",
        "</TR>",
        "<TR>",
        "<TD ALIGN=LEFT>Birth Date:</TD>",
        "<TD COLSPAN=2 ALIGN=LEFT>Handedness: Left</TD>",
        "<TD ALIGN=LEFT>Age: 112</TD>",
        "</TR>",
        "<TR>",
        "<TD ALIGN=LEFT>Appearance: </TD>",
        "</TR>",
        "</TABLE>",
        "</TD></TR></TABLE><BR>",
    };
    EXPECT_EQ(Section(text, "Character Information"), expected);
}

TEST_F(CharacterSheetTest, AbilityRowsShowScoreFractionAndEachLookUpInItsCell) {
    current_character.ABILITY_BASE = {15, 14, 13, 12, 11, 10, 9};
    current_character.ABILITY_PERC = {42, 0, 5, 0, 0, 0, 77};
    current_character.HONOR_BASE = -4;
    current_character.HONOR_DICE_TEXT = "Average Honor d4";
    const Lines lines = Section("Abilities");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 7),
              (Lines{kBoxOpen, "<TR>", "<TD>", "<TABLE WIDTH=100% VALIGN=MIDDLE ALIGN=CENTER>", "<TR>",
                     "<TD COLSPAN=15><BIG><B><CENTER>Abilities</TD>", "</TR>"}));
    const auto lookUp = [](const char* key) {
        const Character_Class& pc = current_character;
        return std::string(AbilityScores::GetStrength(key, pc.ABILITY_BASE[0], pc.ABILITY_PERC[0]));
    };
    const Lines strength = Slice(lines, "<TD ALIGN=RIGHT><BIG><B>STR</B>:</TD>", "</TR>");
    EXPECT_EQ(strength, (Lines{"<TD ALIGN=RIGHT><BIG><B>STR</B>:</TD>", "<TD ALIGN=LEFT>15/42</TD>",
                               "<TD ALIGN=LEFT></TD>", "<TD ALIGN=LEFT ><SMALL>Hit Prob.</TD>",
                               "<TD ALIGN=LEFT ><SMALL>" + lookUp("to_hit_adj") + "</TD>",
                               "<TD ALIGN=LEFT ><SMALL>Dam Adj.</TD>",
                               "<TD ALIGN=LEFT ><SMALL>" + lookUp("Damage_adj") + "</TD>",
                               "<TD ALIGN=LEFT ><SMALL>WT. All.</TD>",
                               "<TD ALIGN=LEFT ><SMALL>" + lookUp("Weight_Allowance") + "</TD>",
                               "<TD ALIGN=LEFT ><SMALL>Max. Press</TD>",
                               "<TD ALIGN=LEFT ><SMALL>" + lookUp("Max_Press") + "</TD>",
                               "<TD ALIGN=LEFT ><SMALL>Open Doors</TD>",
                               "<TD ALIGN=LEFT ><SMALL>" + lookUp("Open_Doors") + "</TD>",
                               "<TD ALIGN=LEFT ><SMALL>Bend Bars Lift Gates</TD>",
                               "<TD ALIGN=LEFT ><SMALL>" + lookUp("Bend_Bars") + "</TD>", "</TR>"}));
    for (const std::string& line : strength)
        EXPECT_EQ(line.find("error"), std::string::npos) << line;
    // A fraction of 0 is shown as such.
    current_character.ABILITY_PERC[0] = 0;
    EXPECT_EQ(Slice(Section("Abilities"), "<TD ALIGN=RIGHT><BIG><B>STR</B>:</TD>", "</TR>")[1],
              "<TD ALIGN=LEFT>15/0</TD>");

    const Lines dexterity = Slice(lines, "<TD ALIGN=RIGHT><BIG><B>DEX</B>:</TD>", "</TR>");
    ASSERT_EQ(dexterity.size(), 10u);
    EXPECT_EQ(dexterity[1], "<TD ALIGN=LEFT>14/0</TD>");
    EXPECT_EQ(dexterity[3], "<TD COLSPAN=2 ALIGN=LEFT ><SMALL>Defense Adj.</TD>");
    EXPECT_EQ(dexterity[5], "<TD COLSPAN=1 ALIGN=LEFT ><SMALL>Reaction Adj.</TD>");
    EXPECT_EQ(dexterity[6].rfind("<TD COLSPAN=3 ALIGN=LEFT ><SMALL>", 0), 0u);

    const Lines constitution = Slice(lines, "<TD ALIGN=RIGHT><BIG><B>CON</B>:</TD>", "</TR>");
    ASSERT_EQ(constitution.size(), 16u);
    EXPECT_EQ(constitution[4],
              "<TD ALIGN=LEFT ><SMALL>" + AbilityScores::GetConstitution("HP_Adj", 13, 5) + " </TD>");

    const Lines wisdom = Slice(lines, "<TD ALIGN=RIGHT><BIG><B>WIS</B>:</TD>", "</TR>");
    ASSERT_EQ(wisdom.size(), 14u);
    EXPECT_EQ(wisdom[3], "<TD COLSPAN=2 ALIGN=LEFT ><SMALL>Magical Def. Adj.</TD>");
    EXPECT_EQ(wisdom[6].rfind("<TD COLSPAN=2 ALIGN=LEFT ><SMALL>", 0), 0u);

    // Charisma shows all five of its columns on the sheet.
    const Lines charisma = Slice(lines, "<TD ALIGN=RIGHT><BIG><B>CHA</B>:</TD>", "</TR>");
    ASSERT_EQ(charisma.size(), 14u);
    EXPECT_EQ(charisma[11], "<TD ALIGN=LEFT ><SMALL>Hon. Mod.</TD>");
    EXPECT_EQ(charisma[12],
              "<TD ALIGN=LEFT ><SMALL>" + AbilityScores::GetCharisma("Hon_Mod", 10, 0) + "</TD>");

    EXPECT_EQ(Slice(lines, "<TD ALIGN=RIGHT><BIG><B>COM</B>:</TD>", "</TR>"),
              (Lines{"<TD ALIGN=RIGHT><BIG><B>COM</B>:</TD>", "<TD ALIGN=LEFT>9/77</TD>",
                     "<TD COLSPAN=13 ALIGN=LEFT></TD>", "</TR>"}));
    EXPECT_EQ(Slice(lines, "<TD ALIGN=RIGHT><BIG><B>HON</B>:</TD>", "</TR>"),
              (Lines{"<TD ALIGN=RIGHT><BIG><B>HON</B>:</TD>", "<TD ALIGN=LEFT>-4</TD>",
                     "<TD ALIGN=LEFT></TD>", "<TD COLSPAN=2 ALIGN=LEFT><BIG><B>FAME</B>:</TD>",
                     "<TD COLSPAN=10 ALIGN=LEFT>Average Honor d4</TD>", "</TR>"}));
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()), (Lines{"</TABLE>", "</TD></TR></TABLE>", "<BR>"}));
}

TEST_F(CharacterSheetTest, HitPointsAndExperienceAreListSections) {
    current_character.HIT_POINTS = -3;
    const Lines close = {"</TD>", "</TR>", "</TABLE>", "</TD>", "</TR>", "</TABLE>", "<BR>"};
    const Lines boxOpen = {kBoxOpen, "<TR>", "<TD>"};
    Lines hp = boxOpen;
    hp.push_back("<TABLE WIDTH=100% ALIGN=CENTER><TR><TD><BIG><B><CENTER>Hit Points</CENTER></BIG></B><BR>");
    hp.push_back("<LI>Hit Points: -3");
    hp.insert(hp.end(), close.begin(), close.end());
    EXPECT_EQ(Section("Hit Points"), hp);

    Lines none = boxOpen;
    none.push_back(
        "<TABLE WIDTH=100% ALIGN=CENTER><TR><TD><BIG><B><CENTER>Experience Points</CENTER></BIG></B><BR>");
    none.insert(none.end(), close.begin(), close.end());
    EXPECT_EQ(Section("Experience Points"), none);

    AddClassRecord("Fighter", 0.0f);
    AddClassRecord("Mage & Co", 1500.5f);
    AddClassRecord("Thief", 2e6f);
    // Under a comma-decimal locale the numbers keep their dot.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const std::locale previousGlobal;
    const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    if (comma)
        std::locale::global(std::locale("de_DE.UTF-8"));
    const Lines lines = Section("Experience Points");
    std::setlocale(LC_ALL, previous.c_str());
    std::locale::global(previousGlobal);
    ASSERT_EQ(lines.size(), none.size() + 3);
    EXPECT_EQ(Lines(lines.begin() + 4, lines.begin() + 7),
              (Lines{"<LI>Fighter: 0", "<LI>Mage &amp; Co: 1500.5", "<LI>Thief: 2e+06"}));
    if (!comma)
        GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed; only the C locale was checked";
}

TEST_F(CharacterSheetTest, SavingThrowsKeepTheirOpenHeadingAndDoubledRowClose) {
    // Without a class every throw reads 99.
    const Lines expected = {
        kBoxOpen,
        "<TR>",
        "<TD>",
        "<TABLE WIDTH=100% ALIGN=CENTER>",
        "<TR>",
        "<TD COLSPAN=5><BIG><B><CENTER>Saving Throws</TD>",
        "<TR>",
        "<TD ALIGN=LEFT>Paralyzation: 99</TD>",
        "<TD ALIGN=LEFT>Poison: 99</TD>",
        "<TD ALIGN=LEFT>Death Magic: 99</TD>",
        "<TD ALIGN=LEFT>Petrification: 99</TD>",
        "<TD ALIGN=LEFT>Polymorph: 99</TD>",
        "</TR>",
        "<TR>",
        "<TD ALIGN=LEFT>Rod: 99</TD>",
        "<TD ALIGN=LEFT>Staff: 99</TD>",
        "<TD ALIGN=LEFT>Wand: 99</TD>",
        "<TD ALIGN=LEFT>GoreFrenzy: 99</TD>",
        "<TD ALIGN=LEFT>GoreLust: 99</TD>",
        "<TR>",
        "<TD COLSPAN=2 ALIGN=LEFT>Breath Weapon: 99</TD>",
        "<TD COLSPAN=2 ALIGN=LEFT>Apology: 99</TD>",
        "<TD ALIGN=LEFT>Spells: 99</TD>",
        "</TR>",
        "</TR>",
        "</TABLE>",
        "</TD>",
        "</TR>",
        "</TABLE>",
        "<BR>",
    };
    EXPECT_EQ(Section("Saving Throws"), expected);

    // With a class the cells carry the class's throws at the character's level.
    BuildTwoClassCharacter();
    current_character.LEVEL = 5;
    const Lines lines = Section("Saving Throws");
    ASSERT_EQ(lines.size(), expected.size());
    EXPECT_EQ(lines[14], "<TD ALIGN=LEFT>Rod: " + std::to_string(GetSave("Rod", 5)) + "</TD>");
    EXPECT_EQ(lines[22], "<TD ALIGN=LEFT>Spells: " + std::to_string(GetSave("Spells", 5)) + "</TD>");
    EXPECT_NE(lines[22], "<TD ALIGN=LEFT>Spells: 99</TD>");
}

TEST_F(CharacterSheetTest, MovementFollowsTheRaceRateAndLoadsRunFromZero) {
    current_character.ABILITY_BASE[0] = 12;
    current_character.ABILITY_PERC[0] = 0;
    current_character.pRace = FixtureRace("Elf", "Male");
    const struct {
        int32_t move;
        Lines rates;
    } cases[] = {
        {10, {"10", "7.5", "5", "2"}},
        {9, {"9", "6.75", "4", "2"}},
        {-1, {"-1", "-0.75", "0", "0"}},
    };
    for (const auto& c : cases) {
        current_character.pRace->MOVE = c.move;
        const Lines lines = Section("Movement and Encumbrance");
        ASSERT_EQ(lines.size(), 44u) << c.move;
        EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 6),
                  (Lines{"<TABLE VALIGN=MIDDLE ALIGN=CENTER WIDTH=100%>", "<TR>",
                         "<TD COLSPAN=8><BIG><B><CENTER>Movement and Encumbrance</TD></TR>"}));
        EXPECT_EQ(lines[7], "<TD ALIGN=LEFT>Encumbrance:</TD>");
        EXPECT_EQ(lines[8], "<TD ALIGN=CENTER>Unencumbered</TD>");
        EXPECT_EQ(lines[14], "<TD ALIGN=CENTER>Run</TD>");
        EXPECT_EQ(lines[17], "<TD ALIGN=LEFT>Weight (lbs):</TD>");
        EXPECT_EQ(lines[18],
                  "<TD ALIGN=CENTER>0-" + AbilityScores::GetStrength("Weight_Allowance", 12, 0) + "</TD>");
        EXPECT_EQ(lines[22],
                  "<TD ALIGN=CENTER>" + AbilityScores::GetStrength("Severe_Encumbrance", 12, 0) + "</TD>");
        EXPECT_EQ(
            Lines(lines.begin() + 27, lines.begin() + 38),
            (Lines{"<TD ALIGN=LEFT>Movement:</TD>", "<TD ALIGN=CENTER>" + c.rates[0] + "</TD>",
                   "<TD ALIGN=CENTER>" + c.rates[1] + "</TD>", "<TD ALIGN=CENTER>" + c.rates[2] + "</TD>",
                   "<TD ALIGN=CENTER>" + c.rates[3] + "</TD>", "<TD ALIGN=CENTER>1</TD>",
                   "<TD ALIGN=CENTER>x2</TD>", "<TD ALIGN=CENTER>x3</TD>", "</TR>", "<TR>",
                   "<TD COLSPAN=10 ALIGN=LEFT>Currently carrying  </TD>"}))
            << c.move;
    }
    // Without a race the rate starts from 0.
    current_character.pRace = nullptr;
    const Lines lines = Section("Movement and Encumbrance");
    ASSERT_EQ(lines.size(), 44u);
    EXPECT_EQ(lines[28], "<TD ALIGN=CENTER>0</TD>");
    EXPECT_EQ(lines[29], "<TD ALIGN=CENTER>0</TD>");
}

TEST_F(CharacterSheetTest, RacialAbilitiesListTheRaceTextsAndNothingWithoutARace) {
    const auto racial = [](const std::vector<std::string>& bonuses, const std::vector<std::string>& talents,
                           const std::vector<std::string>& downsides) {
        Lines l = {kBoxOpen,
                   "<TR>",
                   "<TD>",
                   "<TABLE VALIGN=MIDDLE WIDTH=100% ALIGN=CENTER>",
                   "<TR>",
                   "<TD><BIG><B><CENTER>Racial Abilities</TD>",
                   "</TR>",
                   "<TR>",
                   "<TD><B>Racial Bonuses</TD>",
                   "<TR>",
                   "<TD>"};
        for (const std::string& t : bonuses)
            l.push_back("<LI>" + t);
        for (const char* line : {"</TD>", "</TR>", "<TD><B>Talents</TD>", "<TR><TD>"})
            l.push_back(line);
        for (const std::string& t : talents)
            l.push_back("<LI>" + t);
        for (const char* line : {"</TD>", "</TR>", "<TD><B>The Downside</TD>", "<TR><TD>"})
            l.push_back(line);
        for (const std::string& t : downsides)
            l.push_back("<LI>" + t);
        for (const char* line : {"</TD>", "</TR>", "</TABLE>", "</TD>", "</TR></TABLE>", "<BR>"})
            l.push_back(line);
        return l;
    };
    EXPECT_EQ(Section("Racial Abilities"), racial({}, {}, {}));

    current_character.pRace = FixtureRace("Elf", "Female");
    EXPECT_EQ(Section("Racial Abilities"),
              racial({"+1 Dexterity", "Infravision 60 ft."}, {"Keen Sight"}, {"-1 Constitution"}));
    // No bonus line: "<TD>" is followed by "</TD>"; texts are escaped.
    current_character.pRace = FixtureRace("Half-Elf", "Female");
    EXPECT_EQ(Section("Racial Abilities"), racial({}, {"Charm &amp; Wit"}, {}));
    // A count beyond the list shows what the list holds.
    current_character.pRace->nRTALENTS = 5;
    current_character.pRace->nRDOWNSIDE = -1;
    EXPECT_EQ(Section("Racial Abilities"), racial({}, {"Charm &amp; Wit"}, {}));
}

TEST_F(CharacterSheetTest, ClassBoxesFollowTheClassTypeFlagsInTheirOrder) {
    auto cls = std::make_unique<CharacterClass>();
    CharacterClass* entry = cls.get();
    CharacterClass::AddTail(std::move(cls));
    const auto boxes = [] {
        Lines titles;
        for (const char* t : {"Spells Known", "Priest's Almanac", "Warlord's Almanac", "Thief Abilities"})
            if (!Section(t).empty())
                titles.push_back(t);
        // The boxes' order on the page.
        const std::string text = CharacterHTMLText();
        for (size_t i = 1; i < titles.size(); ++i)
            EXPECT_LT(text.find(">" + titles[i - 1] + "<"), text.find(">" + titles[i] + "<"));
        return titles;
    };
    const struct {
        int32_t mage, cleric, fighter, thief;
        Lines written;
    } cases[] = {
        {2, 0, 0, 0, {"Spells Known"}},
        {0, 2, 2, 2, {}},
        {-1, -1, -1, -1, {}},
        {0, 1, 1, 0, {"Priest's Almanac", "Warlord's Almanac"}},
        {1, 1, 1, 1, {"Spells Known", "Priest's Almanac", "Warlord's Almanac", "Thief Abilities"}},
    };
    EXPECT_EQ(boxes(), Lines{}); // no class entry: no class box
    current_character.pClass = entry;
    for (const auto& c : cases) {
        entry->MAGE = c.mage;
        entry->CLERIC = c.cleric;
        entry->FIGHTER = c.fighter;
        entry->THIEF = c.thief;
        EXPECT_EQ(boxes(), c.written) << c.mage << c.cleric << c.fighter << c.thief;
    }

    // Without the book flag a box holds its title only.
    entry->MAGE = 2;
    EXPECT_EQ(Section("Spells Known"),
              (Lines{kBoxOpen, "<TR>", "<TD>",
                     "<TABLE WIDTH=100% ALIGN=CENTER><TR><TD COLSPAN=10><BIG><B><CENTER>Spells "
                     "Known</CENTER></BIG></B><BR>",
                     "</TR>", "</TABLE>", "</TD>", "</TR>", "</TABLE>", "<BR>"}));
}

TEST_F(CharacterSheetTest, BackgroundBlocksShowTheirRowsAndShortEventListsGiveEmptyRows) {
    BuildTwoClassCharacter();
    current_character.pClass->MAGE = 1;
    current_character.pClass->CLERIC = 1;
    current_character.BOOK_CLASS_FLAG = {true, true, true, false};
    current_character.SCHOOL_LOCATION = "Tower & Keep";
    current_character.PA_FINAL_RESULTS = "Ordained";

    const Lines magic = Section("Spells Known");
    ASSERT_EQ(magic.size(), 4u + 2 + 8 + 1 + 6);
    EXPECT_EQ(magic[4], "<TR><TD COLSPAN=10><CENTER>Magic-User Background</CENTER></TD></TR><TR><P></TR>");
    EXPECT_EQ(magic[5], "<TR><TD COLSPAN=10></TD></TR><TR><P></TR>");
    EXPECT_EQ(magic[6], "<TR><TD COLSPAN=10>Location of School: Tower &amp; Keep</TD></TR>");
    EXPECT_EQ(magic[13], "<TR><TD COLSPAN=10>Final Outcome: </TD></TR>");
    EXPECT_EQ(magic[14], "<TR></TR>");
    EXPECT_EQ(magic[15], "</TR>");

    const Lines cleric = Section("Priest's Almanac");
    ASSERT_EQ(cleric.size(), 4u + 2 + 8 + 1 + 6);
    EXPECT_EQ(cleric[4], "<TR><TD COLSPAN=10><CENTER>Cleric Background</CENTER></TD></TR><TR><P></TR>");
    EXPECT_EQ(cleric[13], "<TR><TD COLSPAN=10>Quality of Education Final Results: Ordained</TD></TR>");

    // One accident, two wars and one tour event are held: the other rows stay, empty.
    const Lines fighter = Section("Warlord's Almanac");
    ASSERT_EQ(fighter.size(), 4u + 2 + 18 + 1 + 6);
    const Lines rows(fighter.begin() + 6, fighter.begin() + 24);
    EXPECT_EQ(rows[3], "<TR><TD COLSPAN=10>Training Accident: Twisted ankle</TD></TR>");
    EXPECT_EQ(rows[4], "<TR><TD COLSPAN=10>Training Accident: </TD></TR>");
    EXPECT_EQ(rows[9], "<TR><TD COLSPAN=10>War: Held the bridge</TD></TR>");
    EXPECT_EQ(rows[10], "<TR><TD COLSPAN=10>War: </TD></TR>");
    EXPECT_EQ(rows[12], "<TR><TD COLSPAN=10>Notable Events During Occupation: </TD></TR>");
    EXPECT_EQ(rows[14],
              "<TR><TD COLSPAN=10>Notable Events During Non-Combat Tour of Duty: Guard duty</TD></TR>");
    EXPECT_EQ(rows[17], "<TR><TD COLSPAN=10>Notable Events During Non-Combat Tour of Duty: </TD></TR>");

    // Longer lists show only their first entries.
    current_character.WAR_EVENT = {"a", "b", "c", "d"};
    EXPECT_EQ(Section("Warlord's Almanac").size(), fighter.size());
}

TEST_F(CharacterSheetTest, ThiefAbilitiesShowTheStoredTotalsTwice) {
    BuildTwoClassCharacter();
    messagetotreeStep8();
    ASSERT_EQ(current_character.THIEF_SKILLS[0], 35);
    const Lines lines = Section("Thief Abilities");
    ASSERT_EQ(lines.size(), 4u + 3 + 12 + 12 + 12 + 5);
    EXPECT_EQ(lines[3], "<TABLE  VALIGN=MIDDLE WIDTH=100% ALIGN=CENTER>");
    EXPECT_EQ(lines[5], "<TD COLSPAN=10><BIG><CENTER>Thief Abilities</TD>");
    EXPECT_EQ(lines[8], "<TD><B>SKILL</TD>");
    EXPECT_EQ(lines[18], "</TR>");
    EXPECT_EQ(lines[9], "<TD ALIGN=CENTER>Pick Pockets</TD>");
    EXPECT_EQ(lines[17], "<TD ALIGN=CENTER>Read Languages</TD>");
    const Lines base(lines.begin() + 19, lines.begin() + 31);
    const Lines noArmor(lines.begin() + 31, lines.begin() + 43);
    EXPECT_EQ(base[1], "<TD><B>BASE</TD>");
    EXPECT_EQ(base[2], "<TD ALIGN=CENTER>35%</TD>");
    EXPECT_EQ(base[10], "<TD ALIGN=CENTER>-10%</TD>");
    EXPECT_EQ(noArmor[1], "<TD><SMALL>No Armor</TD>");
    EXPECT_EQ(Lines(base.begin() + 2, base.end()), Lines(noArmor.begin() + 2, noArmor.end()));
}

TEST_F(CharacterSheetTest, QuirksSkillsTalentsAndProficienciesAreListedWithTheirCounts) {
    EXPECT_TRUE(Section("Quirks and Flaws").empty());
    EXPECT_TRUE(Section("Skills, Talents and Proficiencies").empty());

    AddListItem<QuirkDataItem>("Greedy", 1);
    AddListItem<QuirkDataItem>("Nightmares <bad>", 2);
    AddListItem<TalentDataItem>("Bonus Lucky Strike", 3);
    AddListItem<TalentDataItem>("Lucky", 6);
    AddListItem<TalentDataItem>("Keen Sight", 2);
    EXPECT_EQ(Section("Quirks and Flaws"),
              (Lines{kBoxOpen, "<TR>", "<TD>",
                     "<TABLE WIDTH=100% ALIGN=CENTER><TR><TD><BIG><B><CENTER>Quirks and "
                     "Flaws</CENTER></BIG></B><BR>",
                     "<UL><LI>Greedy", "<LI>Nightmares &lt;bad&gt;x2", "</UL>", "</TD>", "</TR>", "</TABLE>",
                     "</TD>", "</TR>", "</TABLE>", "<BR>"}));
    // Only talents: the box holds the talent list alone.
    const Lines talents = Section("Skills, Talents and Proficiencies");
    EXPECT_EQ(Lines(talents.begin() + 4, talents.end() - 7),
              (Lines{"<UL><LI><BIG><B>Talents</BIG></B><UL>", "<LI>Bonus Lucky Strike x3", "<LI>Lucky d6",
                     "<LI>Keen Sight", "</UL></UL>"}));

    for (int32_t level = 0; level <= 5; ++level)
        AddListItem<ProfDataItem>("Sword" + std::to_string(level), level);
    AddListItem<SkillDataItem>("Climbing", 45);
    AddListItem<SkillDataItem>("Swimming", -5);
    const Lines all = Section("Skills, Talents and Proficiencies");
    EXPECT_EQ(
        Lines(all.begin() + 4, all.end() - 7),
        (Lines{"<UL><LI><BIG><B>Weapon Proficiencies</BIG></B><UL>", "<LI>Sword0", "<LI>Sword1: Basic",
               "<LI>Sword2: Specialized", "<LI>Sword3: Mastery", "<LI>Sword4: Grand Mastery", "<LI>Sword5",
               "</UL></UL>", "<UL><LI><BIG><B>Talents</BIG></B><UL>", "<LI>Bonus Lucky Strike x3",
               "<LI>Lucky d6", "<LI>Keen Sight", "</UL></UL>", "<UL><LI><BIG><B>Skills</BIG></B><UL>",
               "<LI>Climbing 45%", "<LI>Swimming -5%", "</UL></UL>"}));
}

TEST_F(CharacterSheetTest, InventoryShowsCoinsInheritanceDebtAndTheTwentyOneGroups) {
    Character_Class& pc = current_character;
    const auto head = [] {
        const Lines lines = Section("Inventory");
        return Lines(lines.begin() + 4, std::find(lines.begin(), lines.end(), "</UL>"));
    };
    const struct {
        int32_t gold, silver, copper, debt;
        Lines lines;
    } cases[] = {
        {0, 12, 0, -5, {"<UL><B>Coins & Money</B>", "<LI>12 silver pieces", "<LI>Hereditary Debt: -5"}},
        {0, 0, 0, 0, {"<UL><B>Coins & Money</B>"}},
        {3,
         -1,
         7,
         9,
         {"<UL><B>Coins & Money</B>", "<LI>3 gold pieces", "<LI>7 copper pieces", "<LI>Hereditary Debt: 9"}},
    };
    for (const auto& c : cases) {
        pc.GOLDCOINS = c.gold;
        pc.SILVERCOINS = c.silver;
        pc.COPPERCOINS = c.copper;
        pc.HEREDITARY_DEBT = c.debt;
        EXPECT_EQ(head(), c.lines) << c.gold << "/" << c.silver << "/" << c.copper << "/" << c.debt;
    }
    pc.INHERITED_WEAPON = "Axe & Haft";
    pc.INHERITED_MOUNT = "Pony";
    EXPECT_EQ(head(),
              (Lines{"<UL><B>Coins & Money</B>", "<LI>3 gold pieces", "<LI>7 copper pieces",
                     "Inherited Weapon: Axe &amp; Haft", "Inherited Mount: Pony", "<LI>Hereditary Debt: 9"}));

    // No owned item: no group header at all.
    EquipDataItem().Clear();
    Lines lines = Section("Inventory");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "</UL>"), 1);
    EXPECT_EQ(lines.size(), 4u + 6 + 1 + 7);
}

TEST_F(CharacterSheetTest, EquipmentGroupsAlwaysNumberTwentyOneAndKeepEveryOwnedItem) {
    const auto groups = [] {
        const Lines lines = Section("Inventory");
        const auto first = std::find(lines.begin(), lines.end(), "</UL>") + 1;
        return Lines(first, lines.end() - 7);
    };
    // The sample catalogue names six groups; an item of group 9 keeps its place under an empty name.
    AddEquipEntry("Rope, 50 ft.", 2);
    AddEquipEntry("Long Sword", 1);
    AddEquipEntry("Categories", 0, {"Weapons", "Gear & Tools", "Armor", "Food", "Mounts", "Magic"});
    AddEquipEntry("Lantern", 9);
    AddEquipEntry("Odd Thing", 30);
    EquipDataItem().Clear();
    AddListItem<EquipDataItem>("Rope, 50 ft.", 2);
    AddListItem<EquipDataItem>("Lantern", 1);
    AddListItem<EquipDataItem>("Long Sword", 0);         // owned no more
    AddListItem<EquipDataItem>("Odd Thing", 1);          // a group past the 21
    AddListItem<EquipDataItem>("Rope, 50 ft. (wet)", 1); // in no catalogue name
    AddListItem<EquipDataItem>("Sword", 1);              // contained in "Long Sword": placed by it
    Lines expected;
    const char* const names[] = {"Weapons", "Gear &amp; Tools", "Armor", "Food", "Mounts", "Magic"};
    for (size_t k = 0; k < 21; ++k) {
        expected.push_back("<UL>" + std::string(k < 6 ? names[k] : ""));
        if (k == 0)
            expected.push_back("Sword");
        if (k == 1)
            expected.push_back("Rope, 50 ft. x2");
        if (k == 8)
            expected.push_back("Lantern");
        expected.push_back("</UL>");
    }
    EXPECT_EQ(groups(), expected);

    // Without a "Categories" entry every group is unnamed and still lists its items.
    CharacterEquip::Clear();
    AddEquipEntry("Lantern", 21);
    const Lines unnamed = groups();
    ASSERT_EQ(unnamed.size(), 21u * 2 + 1);
    EXPECT_EQ(unnamed[0], "<UL>");
    EXPECT_EQ(Lines(unnamed.end() - 3, unnamed.end()), (Lines{"<UL>", "Lantern", "</UL>"}));
}

// An owned name that several catalogue names contain is placed by the first of them in catalogue order,
// even when a later entry bears exactly that name; the same name owned twice is placed alike both times.
TEST_F(CharacterSheetTest, AnAmbiguousItemNameGoesToTheGroupOfTheFirstCatalogueEntryHoldingIt) {
    AddEquipEntry("Sword Belt", 2);
    AddEquipEntry("Short Sword", 3);
    AddEquipEntry("Sword", 1);
    AddEquipEntry("Belt", 4);
    EquipDataItem().Clear();
    AddListItem<EquipDataItem>("Sword", 1);
    AddListItem<EquipDataItem>("Belt", 1);
    AddListItem<EquipDataItem>("Sword", 3);
    AddListItem<EquipDataItem>("Short", 1);
    const Lines lines = Section("Inventory");
    const auto group = [&lines](size_t k) {
        auto open = std::find(lines.begin(), lines.end(), "</UL>") + 1;
        for (size_t i = 0; i < k; ++i)
            open = std::find(open, lines.end(), "</UL>") + 1;
        return Lines(open + 1, std::find(open, lines.end(), "</UL>"));
    };
    EXPECT_EQ(group(0), Lines{});
    EXPECT_EQ(group(1), (Lines{"Sword", "Belt", "Sword x3"}));
    EXPECT_EQ(group(2), Lines{"Short"});
    EXPECT_EQ(group(3), Lines{});
}

TEST_F(CharacterSheetTest, FamilyInformationAlwaysListsNineSiblings) {
    Character_Class& pc = current_character;
    pc.FATHER_STATUS = "Living";
    pc.FATHER_QUALITY = "Kind";
    pc.MOTHER_STATUS = "Deceased";
    pc.STEPPARENT = "Uncle \"Bo\"";
    pc.BIRTH_ORDER = "Third";
    pc.SIBLINGS = 3;
    pc.SIBLING_TEXT[0] = std::string("Brother");
    pc.SIBLING_TEXT[2] = std::string("Sister <twin>");
    pc.SIBLING_TEXT[9] = std::string("never shown");
    Lines expected = {kBoxOpen,
                      "<TR>",
                      "<TD>",
                      "<TABLE WIDTH=100% ALIGN=CENTER><TR><TD><BIG><B><CENTER>Family "
                      "Information</CENTER></BIG></B><BR>",
                      "<LI>Father: Living, Kind",
                      "<LI>Mother: Deceased, ",
                      "<LI>Step Parent: Uncle &quot;Bo&quot;",
                      "<LI>Birth Order: Third",
                      "<LI>SIBLING 1: Brother",
                      "<LI>SIBLING 2: ",
                      "<LI>SIBLING 3: Sister &lt;twin&gt;"};
    for (int i = 4; i <= 9; ++i)
        expected.push_back("<LI>SIBLING " + std::to_string(i) + ": ");
    for (const char* line : {"</TD>", "</TR>", "</TABLE>", "</TD>", "</TR>", "</TABLE>"})
        expected.push_back(line);
    EXPECT_EQ(Section("Family Information"), expected);
}

TEST_F(CharacterSheetTest, TextsOutsideAsciiBecomeNumericReferences) {
    const struct {
        std::string typed;
        const char* written;
    } cases[] = {
        {"Zo\xc3\xab", "Zo&#235;"},                  // UTF-8
        {"Zo\xeb", "Zo&#235;"},                      // Latin-1, not valid UTF-8
        {"\xf0\x9f\x90\x89 Wyrm", "&#128009; Wyrm"}, // beyond the 16-bit range
        {"a\tb\nc", "a&#9;b&#10;c"},                 // control characters keep the line whole
        {"<i>&'\"", "&lt;i&gt;&amp;'&quot;"},
    };
    for (const auto& c : cases) {
        current_character.BIRTH_ORDER = c.typed;
        const Lines lines = Section("Family Information");
        ASSERT_GT(lines.size(), 7u);
        EXPECT_EQ(lines[7], std::string("<LI>Birth Order: ") + c.written);
    }
}

TEST_F(CharacterSheetTest, SavingWritesTheSheetIntoItsFolderAndReplacesTheOldOne) {
    BuildTwoClassCharacter();
    current_character.CHARACTER_NAME = "Ada/<Q>";
    ScopedPrompter prompts; // a successful save asks nothing
    ASSERT_TRUE(CreateHTMLSheet(current_character.CHARACTER_NAME));
    const fs::path file = fs::path("CharacterHTML") / "Ada_<Q>.html";
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(ReadFileBytes(file), CharacterHTMLText());

    current_character.HIT_POINTS = 99;
    ASSERT_TRUE(CreateHTMLSheet(current_character.CHARACTER_NAME));
    const std::string second = ReadFileBytes(file);
    EXPECT_EQ(second, CharacterHTMLText());
    EXPECT_EQ(second.find("<HTML>", 1), std::string::npos); // the whole page again, not an addition
    EXPECT_EQ(std::distance(fs::directory_iterator("CharacterHTML"), fs::directory_iterator()), 1);
}

TEST_F(CharacterSheetTest, AFailedSaveIsReported) {
    current_character.CHARACTER_NAME = "Ada";
    std::ofstream("CharacterHTML") << "a file where the folder should be";
    ScopedPrompter prompts;
    prompts->ExpectMessage();
    EXPECT_FALSE(CreateHTMLSheet("Ada"));
    ASSERT_EQ(prompts->Asked().size(), 1u);
    EXPECT_NE(prompts->Asked()[0].message.find("Ada.html"), std::string::npos);

    prompts->ExpectMessage();
    EXPECT_FALSE(CreateHTMLSheet(""));
    EXPECT_EQ(prompts->Asked().back().message, "The character needs a name before it can be saved.");
}

} // namespace
