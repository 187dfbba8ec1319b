// The character sheet as a browser shows it: headless Chromium loads a saved sheet and prints its DOM.
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "app/character.h"
#include "catalog/class_catalog.h"
#include "files/character_file_path.h"
#include "files/character_sheet.h"
#include "support/character_fixture.h"
#include "support/scripted_prompter.h"
#include "ui/tree_pushers.h"

namespace fs = std::filesystem;

namespace {

// A file URL for `path`, every byte but letters, digits and "/-._" percent-encoded.
std::string FileUrl(const fs::path& path) {
    static const char* const hex = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : path.string()) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '/' || c == '-' || c == '.' || c == '_')
            url += c;
        else
            url += {'%', hex[byte >> 4], hex[byte & 15]};
    }
    return url;
}

struct BrowserRun {
    bool ran = false;
    std::string why; // when it did not run
    std::string dom;
};

// Loads `url` in headless Chromium with a fresh profile in the working folder and returns the DOM it
// printed. Never waits more than a minute.
BrowserRun DumpDom(const std::string& url) {
    BrowserRun run;
    if (std::system("command -v chromium >/dev/null 2>&1") != 0) {
        run.why = "chromium is not installed (scripts/install-deps chromium)";
        return run;
    }
    const fs::path profile = fs::absolute("chromium-profile");
    const std::string command =
        "timeout -k 5 60 chromium --headless --no-sandbox --disable-gpu --no-first-run "
        "--disable-background-networking --disable-component-update --disable-sync "
        "--user-data-dir='" +
        profile.string() + "' --dump-dom '" + url + "' >dom.html 2>chromium.err";
    const int status = std::system(command.c_str());
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.dom = ReadFileBytes("dom.html");
    if (code == 124 || code == 137)
        run.why = "chromium did not finish within 60 seconds";
    else if (code != 0)
        run.why =
            "chromium could not start (exit " + std::to_string(code) + "): " + ReadFileBytes("chromium.err");
    else if (run.dom.empty())
        run.why = "chromium printed no page: " + ReadFileBytes("chromium.err");
    else
        run.ran = true;
    return run;
}

using CharacterSheetBrowserTest = CharacterFileTest;

TEST_F(CharacterSheetBrowserTest, AFullSheetShowsEverySectionAndTheNameOnlyAsText) {
    BuildTwoClassCharacter();
    current_character.pClass->MAGE = 1;
    current_character.pClass->CLERIC = 1;
    current_character.BOOK_CLASS_FLAG = {true, true, true, false};
    current_character.CHARACTER_NAME = "<b>&\"";
    messagetotreeStep8();
    ScopedPrompter prompts;
    ASSERT_TRUE(CreateHTMLSheet(current_character.CHARACTER_NAME));
    const fs::path sheet =
        fs::absolute("CharacterHTML") / CharacterFileName(current_character.CHARACTER_NAME, ".html");
    ASSERT_TRUE(fs::exists(sheet));

    const BrowserRun run = DumpDom(FileUrl(sheet));
    if (!run.ran)
        GTEST_SKIP() << run.why;
    for (const char* heading :
         {"Character Information", "Abilities", "Hit Points", "Experience Points", "Saving Throws",
          "Movement and Encumbrance", "Racial Abilities", "Spells Known", "Magic-User Background",
          "Priest's Almanac", "Cleric Background", "Warlord's Almanac", "Fighter Background",
          "Thief Abilities", "Quirks and Flaws", "Skills, Talents and Proficiencies", "Inventory",
          "Family Information"})
        EXPECT_NE(run.dom.find(std::string(">") + heading + "<"), std::string::npos) << heading;
    // The DOM prints text with "<", ">" and "&" escaped: an element made from the name would show as tags.
    EXPECT_NE(run.dom.find("<title>Gorewright Character Generator 5.1 &lt;b&gt;&amp;\"</title>"),
              std::string::npos);
    EXPECT_NE(run.dom.find(">Character: &lt;b&gt;&amp;\"</td>"), std::string::npos);
    EXPECT_EQ(run.dom.find("<b>&amp;\""), std::string::npos);
    EXPECT_NE(run.dom.find("Coins &amp; Money"), std::string::npos);
}

} // namespace
