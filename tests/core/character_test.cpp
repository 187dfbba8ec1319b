#include <gtest/gtest.h>

#include "app/character.h"
#include "app/program_data.h"
#include "support/reset_globals.h"

namespace {

class CharacterTest : public GlobalsTest {};

TEST_F(CharacterTest, FreshRecordIsEmpty) {
    EXPECT_EQ(current_character.pRace, nullptr);
    EXPECT_EQ(current_character.pClass, nullptr);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(current_character.ABILITY_BASE[i] + current_character.ABILITY_PERC[i], 0);
    EXPECT_EQ(current_character.TextFields().size(), 47u);
    for (std::string* text : current_character.TextFields())
        EXPECT_TRUE(text->empty());
    for (const SiblingText& s : current_character.SIBLING_TEXT)
        EXPECT_TRUE(s.empty());
    EXPECT_EQ(EquipDataItem::First(), nullptr); // "Starting Clothes" only comes with the reset
    EXPECT_EQ(program_data.WizardState, kWizardNone);
    EXPECT_TRUE(program_data.PendingTables.empty());
}

TEST_F(CharacterTest, SiblingTextKeepsAtMost160Characters) {
    const std::string longText(200, 'x');
    current_character.SIBLING_TEXT[9] = longText;
    EXPECT_EQ(current_character.SIBLING_TEXT[9].str(), std::string(160, 'x'));
    current_character.SIBLING_TEXT[0] = "Brother, 3 years older";
    EXPECT_STREQ(current_character.SIBLING_TEXT[0].c_str(), "Brother, 3 years older");
    // Appending stops at the same bound.
    current_character.SIBLING_TEXT[1] = std::string(150, 'y');
    current_character.SIBLING_TEXT[1] += std::string(20, 'z');
    EXPECT_EQ(current_character.SIBLING_TEXT[1].str(), std::string(150, 'y') + std::string(10, 'z'));
    current_character.SIBLING_TEXT[1] += "more";
    EXPECT_EQ(current_character.SIBLING_TEXT[1].str().size(), 160u);
}

TEST_F(CharacterTest, QuirkCountIgnoresRowsOutsideTheTable) {
    current_character.QUIRK_COUNT[0] = 1;
    current_character.QUIRK_COUNT[799] = 2;
    current_character.QUIRK_COUNT[800] = 7;
    current_character.QUIRK_COUNT[-1] = 9;
    EXPECT_EQ(current_character.QUIRK_COUNT[0], 1);
    EXPECT_EQ(current_character.QUIRK_COUNT[799], 2);
    const Character_Class& view = current_character;
    EXPECT_EQ(view.QUIRK_COUNT[800], 0);
    EXPECT_EQ(view.QUIRK_COUNT[-1], 0);
    EXPECT_EQ(view.QUIRK_COUNT[798], 0);
}

} // namespace
