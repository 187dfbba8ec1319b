#include <clocale>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "app/dice.h"
#include "app/dice_log.h"
#include "app/numbers.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "support/tree_outline.h"
#include "ui/tree_model.h"

namespace {

// The file's bytes as they are on disk, line ends included.
std::string RawFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#ifdef _WIN32
const std::string kLineEnd = "\r\n";
#else
const std::string kLineEnd = "\n";
#endif

// A log window that records what it is asked to do, and when.
class RecordingView : public DiceLogView {
public:
    void Open(const std::string& file, bool fullWidth) override {
        events.push_back(std::string(fullWidth ? "open wide " : "open ") + file);
        if (!open) {
            open = true;
            shown = ReadLogFile(file);
        }
    }
    void Append(const std::string& text) override {
        events.push_back("append " + text);
        shown += text;
    }
    bool open = false;
    std::string shown;
    std::vector<std::string> events;
};

class DiceLogTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        auto view = std::make_unique<RecordingView>();
        view_ = view.get();
        SetDiceLogView(std::move(view));
        auto host = std::make_unique<HeadlessTreeHost>();
        tree_ = host.get();
        SetTreeWindowHost(std::move(host));
    }
    ScopedTempDir dir_;
    RecordingView* view_ = nullptr;    // owned by the log registry
    HeadlessTreeHost* tree_ = nullptr; // owned by the tree registry
};

TEST(FormatLogLineTest, WritesTheBPFieldSixWideWithADotInAnyLocale) {
    struct Case {
        float bp;
        const char* line;
    };
    const Case cases[] = {
        {0.0f, "BP=0.0    | x"},  {12.5f, "BP=12.5   | x"},       {1234.5f, "BP=1234.5 | x"},
        {-1.0f, "BP=-1.0   | x"}, {123456.0f, "BP=123456.0 | x"}, {0.25f, "BP=0.2    | x"},
        {2.75f, "BP=2.8    | x"},
    };
    // Every other real number the program prints goes through the same formatter.
    struct Fixed {
        double value;
        int precision, width;
        const char* text;
    };
    const Fixed fixed[] = {
        {17.5, 2, -1, "17.50"}, {-99.0, 2, -1, "-99.00"},    {0.0, 2, 0, "0.00"},
        {3.0, 0, -3, "3  "},    {12.5, 0, -3, "12 "},        {1234.0, 0, -3, "1234"},
        {2.5, 1, 6, "   2.5"},  {-0.25, 1, -6, "-0.2  "},    {1e10, 2, 0, "10000000000.00"},
        {0.125, 3, 0, "0.125"}, {2.0 / 3.0, 4, 0, "0.6667"},
    };
    const auto check = [&](const char* locale) {
        for (const Case& c : cases)
            EXPECT_EQ(FormatLogLine(c.bp, "x"), c.line) << "bp " << c.bp << " under " << locale;
        for (const Fixed& f : fixed)
            EXPECT_EQ(FormatFixed(f.value, f.precision, f.width), f.text)
                << f.value << " precision " << f.precision << " width " << f.width << " under " << locale;
    };
    check("C");
    // In the C locale printf's own "%*.*f" is the reference for the field rules.
    for (const Fixed& f : fixed)
        EXPECT_EQ(FormatFixed(f.value, f.precision, f.width), Format("%*.*f", f.width, f.precision, f.value));

    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed; the comma-locale half is not run";
    ASSERT_EQ(Format("%.1f", 12.5), "12,5") << "the locale should use a decimal comma";
    check("de_DE");
    std::setlocale(LC_ALL, previous.c_str());
    std::setlocale(LC_NUMERIC, "C");
}

TEST_F(DiceLogTest, CreateFilenameNamesTheFileFromTwelveD12AndEmptiesIt) {
    const std::vector<int32_t> faces = {12, 1, 5, 7, 3, 9, 11, 2, 4, 6, 8, 10};
    dice::QueueFaces(faces);
    std::string name;
    Create_Filename(name);
    EXPECT_EQ(name, "78.log");
    EXPECT_EQ(dice::QueuedFaces(), 0u);
    ASSERT_TRUE(std::filesystem::exists(name));

    std::ofstream(name) << "old line \n";
    dice::QueueFaces(faces); // rolled again although the name is kept
    Create_Filename(name);
    EXPECT_EQ(name, "78.log");
    EXPECT_EQ(dice::QueuedFaces(), 0u);
    EXPECT_EQ(RawFile(name), "");
}

TEST_F(DiceLogTest, CreateFilenameRangeAndShortNames) {
    dice::SetSeedWord(12345);
    for (int i = 0; i < 200; ++i) {
        std::string name = i % 2 ? "" : "x"; // fewer than 2 characters: a new name each time
        Create_Filename(name);
        const int32_t roll = ParseLeadingInt(name);
        EXPECT_GE(roll, 12);
        EXPECT_LE(roll, 144);
        EXPECT_EQ(name, Format("%i.log", roll));
        std::filesystem::remove(name); // a file left behind would move the next name upward
    }
}

TEST_F(DiceLogTest, CreateFilenameKeepsEarlierLogsAndTakesTheNextFreeNumber) {
    const std::vector<int32_t> faces(12, 6); // 12d12 showing 72
    struct Case {
        std::vector<std::string> existing;
        const char* chosen;
    } cases[] = {
        {{}, "72.log"},
        {{"72.log"}, "73.log"},
        {{"72.log", "73.log", "74.log"}, "75.log"},
        {{"71.log", "73.log"}, "72.log"}, // only numbers upward of the roll are looked at
        {{"72.log", "74.log"}, "73.log"},
    };
    for (const Case& c : cases) {
        for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
            std::filesystem::remove(entry.path());
        for (const std::string& file : c.existing)
            std::ofstream(file) << "earlier character: " << file << " \n";
        dice::QueueFaces(faces);
        std::string name;
        Create_Filename(name);
        EXPECT_EQ(name, c.chosen);
        EXPECT_EQ(dice::QueuedFaces(), 0u) << "the same dice are rolled";
        EXPECT_EQ(RawFile(name), "");
        for (const std::string& file : c.existing)
            EXPECT_EQ(RawFile(file), "earlier character: " + file + " \n") << "an earlier log was emptied";

        // Later in the run the chosen name stays, and the file is emptied for the next character.
        std::ofstream(name) << "this run \n";
        dice::QueueFaces(faces);
        Create_Filename(name);
        EXPECT_EQ(name, c.chosen);
        EXPECT_EQ(RawFile(name), "");
    }
}

TEST_F(DiceLogTest, CreateFilenameReportsAFileThatCannotBeMade) {
    ScopedPrompter prompts;
    prompts->ExpectMessage();
    std::string name = "no-such-folder/7.log";
    Create_Filename(name);
    EXPECT_EQ(name, "no-such-folder/7.log");
    ASSERT_EQ(prompts->Asked().size(), 1u);
    EXPECT_EQ(prompts->Asked()[0].message, "Problem creating log file");
    EXPECT_EQ(prompts->Asked()[0].caption, "Create_Filename");
}

TEST_F(DiceLogTest, LinesEndWithABlankBeforeThePlatformLineEnd) {
    std::string text = "All variables have been cleared";
    Format_Entry(0.0f, text, "1.log");
    EXPECT_EQ(text, "BP=0.0    | All variables have been cleared\n");
    EXPECT_EQ(RawFile("1.log"), "BP=0.0    | All variables have been cleared " + kLineEnd);

    std::string plain = "Honor award";
    Format_Entry(plain, "1.log");
    EXPECT_EQ(plain, "Honor award\n");
    EXPECT_EQ(RawFile("1.log"),
              "BP=0.0    | All variables have been cleared " + kLineEnd + "Honor award " + kLineEnd);
}

TEST_F(DiceLogTest, LongLinesAreWrittenWhole) {
    const std::string long_text(5000, 'q');
    std::string text = long_text;
    Format_Entry(3.5f, text, "1.log");
    EXPECT_EQ(text, "BP=3.5    | " + long_text + "\n");
    EXPECT_EQ(RawFile("1.log"), "BP=3.5    | " + long_text + " " + kLineEnd);
    EXPECT_EQ(view_->shown, text);
}

TEST_F(DiceLogTest, OpensTheWindowBeforeTheFileGetsTheLineAndTheTreeAfter) {
    std::ofstream("5.log") << "earlier \n";
    std::string text = "Rolling";
    Format_Entry(1.0f, text, "5.log");
    const std::vector<std::string> expected = {"open 5.log", "append BP=1.0    | Rolling\n"};
    EXPECT_EQ(view_->events, expected);
    EXPECT_EQ(view_->shown, "earlier \nBP=1.0    | Rolling\n") << "the new line shows once, after the file's";
    EXPECT_EQ(tree_->Openings(), 1);
    EXPECT_NE(CurrentTree(), nullptr);
}

TEST_F(DiceLogTest, TheTextOnlyFormNeverOpensTheTree) {
    std::string text = "Critical hit";
    Format_Entry(text, "Honor_3.log");
    EXPECT_EQ(tree_->Openings(), 0);
    EXPECT_EQ(CurrentTree(), nullptr);
    ASSERT_FALSE(view_->events.empty());
    EXPECT_EQ(view_->events[0], "open wide Honor_3.log");
}

TEST_F(DiceLogTest, AFileThatCannotBeWrittenIsReportedOncePerLineAndTheLineStillShows) {
    ScopedPrompter prompts;
    prompts->ExpectMessage();
    prompts->ExpectMessage();
    std::string first = "first";
    std::string second = "second";
    Format_Entry(0.0f, first, ""); // no log file chosen yet: before the first new character
    Format_Entry(second, "");
    ASSERT_EQ(prompts->Asked().size(), 2u);
    for (const ScriptedPrompter::Question& q : prompts->Asked()) {
        EXPECT_EQ(q.message, "Problem creating entry in log file");
        EXPECT_EQ(q.caption, "Log_Entry");
    }
    EXPECT_EQ(first, "BP=0.0    | first\n");
    EXPECT_EQ(view_->shown, "BP=0.0    | first\nsecond\n");
}

TEST_F(DiceLogTest, WithoutAWindowTheLogGoesToTheFileOnly) {
    SetDiceLogView(nullptr);
    std::string text = "quiet";
    Format_Entry(2.0f, text, "2.log");
    EXPECT_EQ(text, "BP=2.0    | quiet\n");
    EXPECT_EQ(RawFile("2.log"), "BP=2.0    | quiet " + kLineEnd);
}

} // namespace
