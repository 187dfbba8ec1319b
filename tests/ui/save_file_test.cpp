#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/cx_application.h"
#include "app/dice.h"
#include "app/program_data.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "ui/form_main.h"
#include "ui/ui_test_support.h"

namespace fs = std::filesystem;

namespace {

class SaveFileTest : public GlobalsTest {
protected:
    ScopedTempDir dir_;
};

TEST_F(SaveFileTest, SavingAnUnnamedNewCharacterSaysWhyAndWritesNothing) {
    FormMain* main = RunStartUp();
    dice::QueueFaces(std::vector<int32_t>(12, 3)); // the dice-log name
    SelectMenu(main, ID_MAIN_NEW);
    ASSERT_EQ(program_data.WizardState, 3);

    ScopedPrompter prompts;
    prompts->ExpectMessage();
    SelectMenu(main, ID_MAIN_SAVE);
    ASSERT_EQ(prompts->Asked().size(), 1u);
    EXPECT_EQ(prompts->Asked()[0].message, "The character needs a name before it can be saved.");
    EXPECT_FALSE(fs::exists("CharacterXML"));
    EXPECT_EQ(program_data.WizardState, 3);
}

TEST_F(SaveFileTest, ANamedCharacterWithoutRaceOrClassIsSavedSilently) {
    FormMain* main = RunStartUp();
    current_character.CHARACTER_NAME = "Wren/Ash";
    ASSERT_EQ(current_character.pRace, nullptr);
    ASSERT_EQ(current_character.pClass, nullptr);

    ScopedPrompter prompts; // no question expected
    SelectMenu(main, ID_MAIN_SAVE);
    const fs::path file = fs::path("CharacterXML") / "Wren_Ash.xml";
    ASSERT_TRUE(fs::exists(file));
    std::ifstream in(file, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(text.find("<CHARACTER_NAME>Wren/Ash</CHARACTER_NAME>\n"), std::string::npos);
    EXPECT_NE(text.find("<VERSION>5.1</VERSION>\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 24), "</GOREWRIGHT_CHARACTER>\n");
}

} // namespace
