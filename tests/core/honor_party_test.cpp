#include <climits>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "files/saved_characters.h"
#include "gm/honor_party.h"
#include "gm/honor_table.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/saved_character_files.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

namespace fs = std::filesystem;

namespace {

const char* const kLog = "Honor_77.log";

class HonorPartyTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        WriteTextFileEmpty();
    }
    static void WriteTextFileEmpty() { std::ofstream(kLog).flush(); }

    // Fills slots 0 to n-1 with "PC0", "PC1", ..., honor 10 + slot, of alignment `alignment`.
    static void FillParty(size_t n, const std::string& alignment = "Lawful-good") {
        for (size_t slot = 0; slot < n; ++slot) {
            PartyMember& m = pcs[slot];
            m = PartyMember();
            m.name = "PC" + std::to_string(slot);
            m.className = "Fighter";
            m.level = "3";
            m.race = "Elf";
            m.sex = "Male";
            m.alignment = alignment;
            m.honor = static_cast<int32_t>(10 + slot);
        }
    }
    static std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const PartyMember& m : pcs)
            names.push_back(m.name);
        return names;
    }
    static std::string Reward(size_t row) { return HonorData[row].text; }

    ScopedTempDir dir_;
};

std::vector<std::string> Expected(std::vector<std::string> filled) {
    filled.resize(kPartySlots);
    return filled;
}

TEST_F(HonorPartyTest, OnlyFilledSlotsInsideTheTwentyAreMembers) {
    FillParty(3);
    EXPECT_EQ(FindPartyMember(0), &pcs[0]);
    EXPECT_EQ(FindPartyMember(2), &pcs[2]);
    for (long slot : {-1L, 3L, 19L, 20L, LONG_MAX, LONG_MIN})
        EXPECT_EQ(FindPartyMember(slot), nullptr) << slot;
    EXPECT_EQ(FirstFreeSlot(), 3u);
    FillParty(20);
    EXPECT_EQ(FindPartyMember(19), &pcs[19]);
    EXPECT_EQ(FirstFreeSlot(), std::nullopt);
}

TEST_F(HonorPartyTest, RowsListTheMembersInSlotOrderWithTheirNumbers) {
    EXPECT_TRUE(PartyRows().empty());
    FillParty(2, "Chaotic-evil");
    pcs[1].temporalHonor = -7;
    pcs[1].honor = INT32_MIN;
    EXPECT_EQ(PartyRows(), (std::vector<PartyRow>{
                               {"PC0", "Fighter", "3", "Elf", "Male", "10", "Chaotic-evil", "0"},
                               {"PC1", "Fighter", "3", "Elf", "Male", "-2147483648", "Chaotic-evil", "-7"},
                           }));
    EXPECT_EQ(std::vector<std::string>(kPartyColumnNames.begin(), kPartyColumnNames.end()),
              (std::vector<std::string>{"Name", "Class", "Level", "Race", "Sex", "Honor", "Alignment",
                                        "Temporal Honor"}));
}

TEST_F(HonorPartyTest, RemovingMovesLaterMembersDownAndFreesTheLastFilledSlot) {
    const struct {
        size_t filled;
        long slot;
        std::vector<std::string> after; // the filled slots afterwards
    } cases[] = {
        {20,
         19,
         {"PC0", "PC1", "PC2", "PC3", "PC4", "PC5", "PC6", "PC7", "PC8", "PC9", "PC10", "PC11", "PC12",
          "PC13", "PC14", "PC15", "PC16", "PC17", "PC18"}},
        {20,
         0,
         {"PC1", "PC2", "PC3", "PC4", "PC5", "PC6", "PC7", "PC8", "PC9", "PC10", "PC11", "PC12", "PC13",
          "PC14", "PC15", "PC16", "PC17", "PC18", "PC19"}},
        {4, 1, {"PC0", "PC2", "PC3"}},
        {4, 3, {"PC0", "PC1", "PC2"}},
        {1, 0, {}},
    };
    for (const auto& c : cases) {
        pcs.fill(PartyMember());
        FillParty(c.filled);
        pcs[c.filled - 1].temporalHonor = 5;
        EXPECT_TRUE(RemovePartyMember(c.slot)) << c.filled << "/" << c.slot;
        EXPECT_EQ(Names(), Expected(c.after)) << c.filled << "/" << c.slot;
        EXPECT_EQ(PartyRows().size(), c.after.size());
        const PartyMember& freed = pcs[c.after.size()];
        EXPECT_EQ(freed.honor, 0);
        EXPECT_EQ(freed.temporalHonor, 0);
        EXPECT_EQ(freed.alignment, "");
    }
    // Members keep their own values as they move down.
    EXPECT_EQ(pcs[0].honor, 0);
    FillParty(3);
    pcs[2].temporalHonor = 9;
    RemovePartyMember(1);
    EXPECT_EQ(pcs[1].name, "PC2");
    EXPECT_EQ(pcs[1].honor, 12);
    EXPECT_EQ(pcs[1].temporalHonor, 9);

    for (long slot : {-1L, 2L, 20L}) {
        EXPECT_FALSE(RemovePartyMember(slot)) << slot;
        EXPECT_EQ(Names(), Expected({"PC0", "PC2"}));
    }
    EXPECT_TRUE(LogLines(kLog).empty()) << "removing writes no log line";
}

TEST_F(HonorPartyTest, AnAwardAddsTheAlignmentsPointsToTemporalHonorAndLogsIt) {
    FillParty(20);
    pcs[3].alignment = "Chaotic-evil";
    pcs[4].alignment = "lawful-good"; // not one of the nine as written
    pcs[5].alignment = "Neutral";
    const struct {
        long slot;
        size_t row;
        int32_t temporal;
        const char* line;
    } cases[] = {
        {19, 10, -1, "PC19 has been awarded: Dirty Fighting for -1 points of Temporal Honor"},
        {3, 10, 3, "PC3 has been awarded: Dirty Fighting for 3 points of Temporal Honor"},
        {0, 28, -5, "PC0 has been awarded: Surrendering for -5 points of Temporal Honor"},
        {4, 116, 0, "PC4 has been awarded: Completing a quest"},
        {5, 29, 0, "PC5 has been awarded: Surviving a critical hit for 0 points of Temporal Honor"},
        {0, 116, 5, "PC0 has been awarded: Completing a quest for 10 points of Temporal Honor"},
    };
    std::vector<std::string> lines;
    for (const auto& c : cases) {
        EXPECT_TRUE(AwardPartyMember(c.slot, Reward(c.row), kLog)) << c.line;
        EXPECT_EQ(pcs[static_cast<size_t>(c.slot)].temporalHonor, c.temporal) << c.line;
        EXPECT_EQ(pcs[static_cast<size_t>(c.slot)].honor, 10 + c.slot) << "honor never changes: " << c.line;
        lines.push_back(c.line);
    }
    EXPECT_EQ(LogLines(kLog), lines);
}

TEST_F(HonorPartyTest, AnAwardWithoutAMemberOrAnAwardRowDoesNothing) {
    FillParty(2);
    for (long slot : {-1L, 2L, 20L})
        EXPECT_FALSE(AwardPartyMember(slot, Reward(0), kLog)) << slot;
    EXPECT_FALSE(AwardPartyMember(0, "No such award", kLog));
    EXPECT_FALSE(AwardPartyMember(0, "", kLog));
    EXPECT_EQ(pcs[0].temporalHonor, 0);
    EXPECT_TRUE(LogLines(kLog).empty());
}

// Each row acts on its own slot: names that contain one another, or the same character twice, never mix.
TEST_F(HonorPartyTest, MembersWhoseNamesContainOneAnotherEachGetTheirOwn) {
    FillParty(3);
    pcs[0].name = "Bob";
    pcs[1].name = "Bobby";
    pcs[2].name = "Bob";
    AwardPartyMember(1, Reward(116), kLog);
    AwardPartyMember(2, Reward(0), kLog);
    EXPECT_EQ(pcs[0].temporalHonor, 0);
    EXPECT_EQ(pcs[1].temporalHonor, 10);
    EXPECT_EQ(pcs[2].temporalHonor, 1);
    RemovePartyMember(1);
    EXPECT_EQ(Names(), Expected({"Bob", "Bob"}));
    EXPECT_EQ(pcs[1].temporalHonor, 1);
    EXPECT_EQ(LogLines(kLog),
              (std::vector<std::string>{
                  "Bobby has been awarded: Completing a quest for 10 points of Temporal Honor",
                  "Bob has been awarded: Allowing a disarmed opponent to pick up his weapon for 1 "
                  "points of Temporal Honor"}));
}

TEST_F(HonorPartyTest, AnAdjustmentAsksAReasonAndAnAmountAndLogsOneLine) {
    FillParty(20);
    pcs[19].honor = INT32_MAX - 5;
    const struct {
        long slot;
        HonorAdjustment which;
        std::optional<std::string> reason; // none: cancelled
        long amount;
        int32_t honor;
        int32_t temporal;
        const char* line;
    } cases[] = {
        {2, HonorAdjustment::Honor, "Held the bridge", 5, 17, 0,
         "PC2 has had Honor adjusted: Held the bridge for 5 points of Honor"},
        {2, HonorAdjustment::TemporalHonor, "Kept his word", 20, 17, 20,
         "PC2 has had Temporal Honor adjusted: Kept his word for 20 points of Temporal Honor"},
        {0, HonorAdjustment::Honor, std::nullopt, 1, 11, 0,
         "PC0 has had Honor adjusted:  for 1 points of Honor"},
        {0, HonorAdjustment::TemporalHonor, std::nullopt, 3, 11, 3,
         "PC0 has had Temporal Honor adjusted:  for 3 points of Temporal Honor"},
        {19, HonorAdjustment::Honor, "", 20, INT32_MAX, 0,
         "PC19 has had Honor adjusted:  for 20 points of Honor"},
    };
    std::vector<std::string> lines;
    for (const auto& c : cases) {
        ScopedPrompter prompts;
        if (c.reason)
            prompts->ExpectText(*c.reason);
        else
            prompts->ExpectTextCancel();
        prompts->ExpectNumber(c.amount);
        EXPECT_TRUE(AdjustPartyMember(c.slot, c.which, kLog)) << c.line;
        const PartyMember& m = pcs[static_cast<size_t>(c.slot)];
        EXPECT_EQ(m.honor, c.honor) << c.line;
        EXPECT_EQ(m.temporalHonor, c.temporal) << c.line;
        lines.push_back(c.line);

        ASSERT_EQ(prompts->Asked().size(), 2u);
        const auto& reason = prompts->Asked()[0];
        EXPECT_EQ(reason.message, "Reason for Honor Adjustment");
        EXPECT_EQ(reason.caption, "Enter Reason");
        const auto& amount = prompts->Asked()[1];
        EXPECT_EQ(amount.message, "Enter amount of Honor Adjustment");
        EXPECT_EQ(amount.prompt, "Enter number");
        EXPECT_EQ(amount.caption, "Honor Adjustment");
        EXPECT_EQ(amount.value, 1);
        EXPECT_EQ(amount.min, 1);
        EXPECT_EQ(amount.max, 20);
    }
    EXPECT_EQ(LogLines(kLog), lines);
}

TEST_F(HonorPartyTest, ACancelledAmountOrAMissingMemberChangesAndLogsNothing) {
    FillParty(2);
    for (HonorAdjustment which : {HonorAdjustment::Honor, HonorAdjustment::TemporalHonor}) {
        ScopedPrompter prompts;
        prompts->ExpectText("Fled");
        prompts->ExpectNumberCancel();
        EXPECT_FALSE(AdjustPartyMember(1, which, kLog));
    }
    {
        ScopedPrompter prompts; // no question at all without a member
        for (long slot : {-1L, 2L, 20L}) {
            EXPECT_FALSE(AdjustPartyMember(slot, HonorAdjustment::Honor, kLog));
            EXPECT_FALSE(AdjustPartyMember(slot, HonorAdjustment::TemporalHonor, kLog));
        }
        EXPECT_TRUE(prompts->Asked().empty());
    }
    EXPECT_EQ(pcs[1].honor, 11);
    EXPECT_EQ(pcs[1].temporalHonor, 0);
    EXPECT_TRUE(LogLines(kLog).empty());
}

TEST_F(HonorPartyTest, LongNamesAndReasonsAreLoggedWhole) {
    FillParty(1);
    pcs[0].name = std::string(300, 'N');
    const std::string reason(400, 'r');
    ScopedPrompter prompts;
    prompts->ExpectText(reason);
    prompts->ExpectNumber(2);
    AdjustPartyMember(0, HonorAdjustment::Honor, kLog);
    AwardPartyMember(0, Reward(67), kLog);
    EXPECT_EQ(LogLines(kLog),
              (std::vector<std::string>{
                  pcs[0].name + " has had Honor adjusted: " + reason + " for 2 points of Honor",
                  pcs[0].name + " has been awarded: Treason for -10 points of Temporal Honor"}));
}

class AddSavedCharacterTest : public GlobalsTest {
protected:
    static std::optional<PartyAddition> Add(const std::string& file) {
        testing::internal::CaptureStdout(); // the folder scan's trace lines
        std::optional<PartyAddition> added = AddSavedCharacter(file);
        testing::internal::GetCapturedStdout();
        return added;
    }

    ScopedTempDir dir_;
};

TEST_F(AddSavedCharacterTest, TheFilesCharacterGoesIntoTheFirstFreeSlot) {
    WriteSavedCharacter("bobby.xml", {"Bobby", "Chaotic-good", "+23", "Mage", "07", "Human", "Male"});
    WriteSavedCharacter("bob.xml", {"Bob", "Neutral", "  -4x"});
    WriteSavedCharacter("odd.xml", {"Odd", "Neutral", "many"});
    WriteSavedCharacter("huge.xml", {"Huge", "Neutral", "99999999999"});
    const struct {
        const char* file;
        size_t slot;
        PartyRow row;
        int32_t honor;
    } cases[] = {
        {"bob.xml", 0, {"Bob", "Fighter", "3", "Elf", "Female", "  -4x", "Neutral", "0"}, -4},
        {"bobby.xml", 1, {"Bobby", "Mage", "07", "Human", "Male", "+23", "Chaotic-good", "0"}, 23},
        {"odd.xml", 2, {"Odd", "Fighter", "3", "Elf", "Female", "many", "Neutral", "0"}, 0},
        {"huge.xml", 3, {"Huge", "Fighter", "3", "Elf", "Female", "99999999999", "Neutral", "0"}, INT32_MAX},
        {"bob.xml", 4, {"Bob", "Fighter", "3", "Elf", "Female", "  -4x", "Neutral", "0"}, -4},
    };
    for (const auto& c : cases) {
        const std::optional<PartyAddition> added = Add(c.file);
        ASSERT_TRUE(added) << c.file;
        EXPECT_EQ(added->slot, c.slot) << c.file;
        EXPECT_EQ(added->row, c.row) << c.file;
        const PartyMember& m = pcs[c.slot];
        EXPECT_EQ(m.name, c.row[0]);
        EXPECT_EQ(m.className, c.row[1]);
        EXPECT_EQ(m.level, c.row[2]);
        EXPECT_EQ(m.race, c.row[3]);
        EXPECT_EQ(m.sex, c.row[4]);
        EXPECT_EQ(m.alignment, c.row[6]);
        EXPECT_EQ(m.honor, c.honor) << c.file;
        EXPECT_EQ(m.temporalHonor, 0);
    }
    // A slot freed in the middle is filled first.
    RemovePartyMember(1);
    RemovePartyMember(3);
    ASSERT_EQ(FirstFreeSlot(), 3u);
    EXPECT_EQ(Add("bobby.xml")->slot, 3u);
}

TEST_F(AddSavedCharacterTest, AFullPartyOrAGoneFileAddsNobodyAndSaysSo) {
    WriteSavedCharacter("ada.xml", {"Ada"});
    WriteSavedCharacter("nameless.xml", {""});
    for (size_t slot = 0; slot < 19; ++slot)
        pcs[slot].name = "PC" + std::to_string(slot);
    {
        ScopedPrompter prompts;
        prompts->ExpectMessage();
        EXPECT_FALSE(Add("gone.xml"));
        prompts->ExpectMessage();
        EXPECT_FALSE(Add("nameless.xml"));
        ASSERT_EQ(prompts->Asked().size(), 2u);
        EXPECT_EQ(prompts->Asked()[0].message,
                  "The character file \"gone.xml\" could not be found. It may have "
                  "been moved or deleted since the list was filled.");
        EXPECT_EQ(prompts->Asked()[0].caption, "Add Character");
        EXPECT_EQ(pcs[19].name, "");
    }
    ASSERT_TRUE(Add("ada.xml"));
    EXPECT_EQ(pcs[19].name, "Ada");
    {
        ScopedPrompter prompts;
        prompts->ExpectMessage();
        EXPECT_FALSE(Add("ada.xml"));
        ASSERT_EQ(prompts->Asked().size(), 1u);
        EXPECT_EQ(prompts->Asked()[0].message, "The party is full: remove a member before adding another.");
        EXPECT_EQ(prompts->Asked()[0].caption, "Add Character");
    }
    EXPECT_EQ(pcs[18].name, "PC18");
    EXPECT_EQ(pcs[19].name, "Ada");
}

} // namespace
