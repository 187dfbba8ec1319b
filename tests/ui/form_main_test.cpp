#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/weakref.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "shell/form_main.h"
#include "ui/options_dialog.h"
#include "ui/ui_test_support.h"

namespace {

class FormMainTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        main_ = new FormMain(nullptr, "Brindlekit", wxPoint(0, 0), wxSize(824, 543));
        MasterFrame = main_;
    }
    void TearDown() override {
        MasterFrame = nullptr;
        GlobalsTest::TearDown();
    }
    ScopedTempDir dir;
    FormMain* main_ = nullptr;
};

std::string ReadAllBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteOptions(std::initializer_list<std::pair<int, int32_t>> flags) {
    std::string bytes(404, '\0');
    for (auto [index, value] : flags)
        for (int b = 0; b < 4; ++b)
            bytes[static_cast<size_t>(index * 4 + b)] =
                static_cast<char>((uint32_t(value) >> (8 * b)) & 0xff);
    std::ofstream("options.qxb", std::ios::binary) << bytes;
}

class StartUpOptionsTest : public GlobalsTest {
protected:
    ScopedTempDir dir;
};

// An options file that exists but cannot be read whole is said once at start-up, and left as it is.
TEST_F(StartUpOptionsTest, AnOptionsFileThatCannotBeReadWholeIsSaidOnce) {
    const struct {
        const char* what;
        std::function<void()> make;
        const char* said; // null: nothing is said
    } cases[] = {
        {"whole", [] { WriteOptions({{2, 1}}); }, nullptr},
        {"missing", [] {}, nullptr},
        {"a folder",
         [] {
             std::filesystem::create_directory("options.qxb");
             std::ofstream("options.qxb/keep") << "x";
         },
         "could not be read. The default options apply until the options are saved."},
        {"short", [] { std::ofstream("options.qxb", std::ios::binary) << std::string(200, '\x01'); },
         "holds fewer than its 100 flags. The default options apply to the flags it lacks until the "
         "options are saved."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all("options.qxb");
        c.make();
        const bool folder = std::filesystem::is_directory("options.qxb");
        const std::string before = folder ? std::string() : ReadAllBytes("options.qxb");
        ScopedPrompter prompts;
        if (c.said)
            prompts->ExpectMessage();
        auto* main = new FormMain(nullptr, "Brindlekit", wxPoint(0, 0), wxSize(824, 543));
        if (c.said) {
            ASSERT_EQ(prompts->Asked().size(), 1u);
            const std::string path = (std::filesystem::current_path() / "options.qxb").string();
            EXPECT_EQ(prompts->Asked()[0].message, "The options file \"" + path + "\" " + c.said);
            EXPECT_EQ(prompts->Asked()[0].caption, "Options");
            EXPECT_EQ(folder, std::filesystem::is_directory("options.qxb"));
            if (!folder) {
                EXPECT_EQ(ReadAllBytes("options.qxb"), before);
            }
        } else {
            EXPECT_TRUE(prompts->Asked().empty());
        }
        main->Destroy();
        PumpEvents();
    }
}

TEST_F(FormMainTest, MenusCarryTheirLabelsIdsAndHelpTexts) {
    wxMenuBar* bar = main_->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), 3u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&File");
    EXPECT_EQ(bar->GetMenuLabel(1), "&Settings");
    EXPECT_EQ(bar->GetMenuLabel(2), "&GM Helpers");
    struct Item {
        size_t menu, pos;
        int id;
        const char* label;
        const char* help;
    } items[] = {
        {0, 0, 10001, "&Open file", "Open an existing file"},
        {0, 1, 10002, "&Save file", "Save the Current Character"},
        {0, 2, 10010, "&New Character", "Create a new character"},
        {0, 3, 10003, "&About", nullptr},
        {0, 5, 10000, "E&xit", "Close program"},
        {1, 0, 10011, "&Options", "Change program options"},
        {1, 1, 10014, "&Test", "Test Window"},
        {2, 0, 10015, "&Critical Hit Rolling", "Critical Hit Rolling"},
        {2, 1, 10016, "&Honor Tracking", "Honor Tracking"},
    };
    for (const Item& it : items) {
        wxMenuItem* item = bar->GetMenu(it.menu)->FindItemByPosition(it.pos);
        ASSERT_NE(item, nullptr) << it.label;
        EXPECT_EQ(item->GetId(), it.id) << it.label;
        EXPECT_EQ(item->GetItemLabel(), it.label);
        if (it.help)
            EXPECT_EQ(item->GetHelp(), it.help);
        else
            EXPECT_FALSE(item->GetHelp().empty());
    }
    EXPECT_TRUE(bar->GetMenu(0)->FindItemByPosition(4)->IsSeparator());
    ASSERT_NE(main_->GetStatusBar(), nullptr);
    EXPECT_EQ(main_->GetStatusBar()->GetFieldsCount(), 3);
}

TEST_F(FormMainTest, ConstructorReadsTheOptionsFile) {
    main_->Destroy();
    WriteOptions({{3, 1}, {8, 1}});
    BooksToUse.fill(0);
    main_ = new FormMain(nullptr, "Brindlekit", wxPoint(0, 0), wxSize(824, 543));
    EXPECT_EQ(BooksToUse[3], 1);
    EXPECT_EQ(BooksToUse[8], 1);
    EXPECT_EQ(BooksToUse[0], 0); // only the reset forces the core books on
}

TEST_F(FormMainTest, NewCharacterActsOnlyWhenNoStepIsOpen) {
    for (WizardStep state : {kWizardAbilities, kWizardAgeAndMoney, kWizardBackgroundRolled}) {
        program_data.WizardState = state;
        current_character.AGE = 40;
        SelectMenu(main_, ID_MAIN_NEW);
        EXPECT_EQ(program_data.WizardState, state);
        EXPECT_EQ(current_character.AGE, 40) << "no reset at state " << state;
    }
    program_data.WizardState = kWizardNone;
    SelectMenu(main_, ID_MAIN_NEW);
    EXPECT_EQ(program_data.WizardState, kWizardAbilities);
    EXPECT_EQ(current_character.AGE, 0);
    ASSERT_NE(EquipDataItem::First(), nullptr);
    EXPECT_EQ(EquipDataItem::First()->name, "Starting Clothes");
}

TEST_F(FormMainTest, AboutAsksOnceAndChangesNothing) {
    ScopedPrompter prompter;
    prompter->ExpectMessage(wxCANCEL);
    SelectMenu(main_, ID_MAIN_ABOUT);
    ASSERT_EQ(prompter->Asked().size(), 1u);
    EXPECT_EQ(prompter->Asked()[0].caption, "About VOLD");
    EXPECT_EQ(prompter->Asked()[0].message.rfind("Brindlekit\n", 0), 0u);
}

TEST_F(FormMainTest, ExitClosesTheMainWindow) {
    wxWeakRef<wxFrame> ref(main_);
    SelectMenu(main_, ID_MAIN_EXIT);
    PumpEvents();
    EXPECT_FALSE(ref);
}

TEST_F(FormMainTest, OptionsOpensANewWindowEachTimeInSlotTwo) {
    SelectMenu(main_, ID_MAIN_OPTIONS);
    wxFrame* first = VOLDFrames[kSlotOptions].Live();
    SelectMenu(main_, ID_MAIN_OPTIONS);
    wxFrame* second = VOLDFrames[kSlotOptions].Live();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(second->GetTitle(), "VOLD Options");
    EXPECT_EQ(second->GetParent(), main_);
    EXPECT_TRUE(first->IsShown());
}

class OptionsTest : public GlobalsTest {
protected:
    Options* Open() {
        auto* w = new Options(nullptr, "VOLD Options", wxDefaultPosition, wxSize(320, 355));
        w->Show();
        return w;
    }
    ScopedTempDir dir;
};

TEST_F(OptionsTest, BoxesShowOnlyFlagsEqualToOne) {
    for (int i = 1; i <= 12; ++i)
        BooksToUse[i] = 1;
    BooksToUse[5] = 2;
    BooksToUse[7] = -1;
    BooksToUse[13] = 1;
    Options* w = Open();
    const char* labels[] = {
        "Magister's Almanac", "Warlord's Almanac",  "Rogue's Almanac",  "Priest's Almanac",
        "Bestiary Codex",     "Roll your own dice", "Ember Citadel",    "Enforce Social Class Restrictions",
        "Web Erratta",        "Tavern Gazette 64",  "Frontier Outpost", "Hall of Titans",
        "Voidrunner",         "Sprite Folk Almanac"};
    for (size_t i = 1; i <= 14; ++i) {
        wxCheckBox* box = w->Box(i);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetId(), 10074 + static_cast<int>(i));
        EXPECT_EQ(box->GetLabel(), labels[i - 1]);
        const bool ticked = i <= 12 && i != 5 && i != 7;
        EXPECT_EQ(box->GetValue(), ticked) << "box " << i;
    }
    EXPECT_EQ(w->Box(0), nullptr);
}

TEST_F(OptionsTest, AcceptStoresBoxesOneToTwelveSavesAndCloses) {
    BooksToUse[0] = 0;
    BooksToUse[5] = 2;
    BooksToUse[13] = 5;
    BooksToUse[14] = 0;
    BooksToUse[60] = 9;
    Options* w = Open();
    wxWeakRef<wxFrame> ref(w);
    Click(w, ID_OPTIONS_BOX1 + 1);  // box 2 on
    Click(w, ID_OPTIONS_BOX1 + 11); // box 12, the last one stored
    Click(w, ID_OPTIONS_BOX1 + 12); // box 13: shown, never stored
    Click(w, ID_OPTIONS_BOX1 + 13); // box 14
    Click(w, ID_OPTIONS_ACCEPT);
    EXPECT_EQ(BooksToUse[2], 1);
    EXPECT_EQ(BooksToUse[12], 1);
    EXPECT_EQ(BooksToUse[5], 0);
    EXPECT_EQ(BooksToUse[0], 0);
    EXPECT_EQ(BooksToUse[13], 5);
    EXPECT_EQ(BooksToUse[14], 0);
    EXPECT_EQ(BooksToUse[60], 9);
    PumpEvents();
    EXPECT_FALSE(ref);

    const auto saved = BooksToUse;
    BooksToUse.fill(0);
    LoadOptions();
    EXPECT_EQ(BooksToUse, saved);
}

TEST_F(OptionsTest, AcceptWithAFailedSaveSaysSoAndKeepsTheTicksForTheRun) {
    // A folder in the file's place cannot be replaced by a file, whoever runs the test.
    std::filesystem::create_directory("options.qxb");
    std::ofstream("options.qxb/keep") << "x";
    ScopedPrompter prompts;
    prompts->ExpectMessage();
    Options* w = Open();
    wxWeakRef<wxFrame> ref(w);
    Click(w, ID_OPTIONS_BOX1 + 2); // box 3
    Click(w, ID_OPTIONS_ACCEPT);
    ASSERT_EQ(prompts->Asked().size(), 1u);
    EXPECT_NE(prompts->Asked()[0].message.find("options.qxb"), std::string::npos)
        << prompts->Asked()[0].message;
    EXPECT_EQ(BooksToUse[3], 1);
    PumpEvents();
    EXPECT_FALSE(ref);
    EXPECT_TRUE(std::filesystem::is_directory("options.qxb"));
}

TEST_F(OptionsTest, ClosingWithoutAcceptStoresNothing) {
    BooksToUse[1] = 1;
    Options* w = Open();
    Click(w, ID_OPTIONS_BOX1); // untick box 1
    w->Close(true);
    PumpEvents();
    EXPECT_EQ(BooksToUse[1], 1);
    EXPECT_FALSE(std::ifstream("options.qxb").good());
}

} // namespace
