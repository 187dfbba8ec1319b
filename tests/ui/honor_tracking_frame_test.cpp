#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/toplevel.h>
#include <wx/weakref.h>

#include "app/app_globals.h"
#include "app/character.h"
#include "shell/cx_application.h"
#include "app/dice.h"
#include "app/dice_log.h"
#include "app/program_data.h"
#include "files/saved_characters.h"
#include "gm/honor_file_frame.h"
#include "gm/honor_table.h"
#include "gm/honor_tracking_frame.h"
#include "support/catalog_files.h"
#include "support/character_fixture.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/saved_character_files.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"
#include "shell/form_main.h"
#include "ui/ui_test_support.h"

namespace fs = std::filesystem;

namespace {

// Faces for a new tracker: the log name's 12d12 (all `face`), then the twelve dice the log file's
// creation rolls and sets aside.
std::vector<int32_t> LogNameFaces(int32_t face) {
    std::vector<int32_t> faces(12, face);
    faces.insert(faces.end(), 12, 1);
    return faces;
}

class HonorTrackingFrameTest : public GlobalsTest {
protected:
    void TearDown() override {
        CloseAllWindows();
        GlobalsTest::TearDown();
    }

    static HonorTrackingFrame* Open(int32_t face = 5) {
        dice::QueueFaces(LogNameFaces(face));
        auto* w = new HonorTrackingFrame(nullptr, "Honor Tracking", wxDefaultPosition, wxSize(640, 500));
        w->Show(true);
        EXPECT_EQ(dice::QueuedFaces(), 0u);
        return w;
    }

    static wxListCtrl* Party(wxWindow* w) { return Control<wxListCtrl>(w, ID_HONOR_PARTY); }
    static wxComboBox* Filter(wxWindow* w) { return Control<wxComboBox>(w, ID_HONOR_FILTER); }
    static wxComboBox* Reward(wxWindow* w) { return Control<wxComboBox>(w, ID_HONOR_REWARD); }
    static wxString Note(wxWindow* w) { return Control<wxStaticText>(w, ID_HONOR_NOTE)->GetLabel(); }
    static std::vector<std::string> Headings(wxListCtrl* list) {
        std::vector<std::string> headings;
        for (int c = 0; c < list->GetColumnCount(); ++c) {
            wxListItem column;
            column.SetMask(wxLIST_MASK_TEXT);
            list->GetColumn(c, column);
            headings.push_back(column.GetText().ToStdString());
        }
        return headings;
    }
    static long Selected(wxListCtrl* list) {
        return list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    }
    static void Member(size_t slot, const std::string& name, const std::string& alignment, int32_t honor) {
        pcs[slot] = PartyMember();
        pcs[slot].name = name;
        pcs[slot].className = "Thief";
        pcs[slot].level = "2";
        pcs[slot].race = "Human";
        pcs[slot].sex = "Male";
        pcs[slot].alignment = alignment;
        pcs[slot].honor = honor;
    }
    // The pickers open now, oldest first.
    static std::vector<HonorFileFrame*> Pickers() {
        std::vector<HonorFileFrame*> pickers;
        for (wxWindow* w : wxTopLevelWindows)
            if (auto* picker = dynamic_cast<HonorFileFrame*>(w); picker && !Closing(picker))
                pickers.push_back(picker);
        return pickers;
    }
    // Presses "Add PC" and returns the picker it opened.
    static HonorFileFrame* AddPC(HonorTrackingFrame* w) {
        const size_t before = Pickers().size();
        testing::internal::CaptureStdout(); // the folder scan's trace lines
        Click(w, ID_HONOR_ADD_PC);
        testing::internal::GetCapturedStdout();
        std::vector<HonorFileFrame*> pickers = Pickers();
        EXPECT_EQ(pickers.size(), before + 1);
        return pickers.empty() ? nullptr : pickers.back();
    }
    static wxListCtrl* PickerList(HonorFileFrame* picker) {
        return dynamic_cast<wxListCtrl*>(picker->FindWindow(ID_FILE_LIST));
    }
    // Activates the picker's row of the file `file`.
    static void Pick(HonorFileFrame* picker, const std::string& file) {
        const auto& files = picker->RowFiles();
        const long row = std::find(files.begin(), files.end(), file) - files.begin();
        ASSERT_LT(static_cast<size_t>(row), files.size()) << file;
        testing::internal::CaptureStdout();
        SelectListCtrlRow(PickerList(picker), row);
        ActivateListRow(PickerList(picker), row);
        testing::internal::GetCapturedStdout();
        PumpEvents();
    }

    ScopedTempDir dir_;
};

TEST_F(HonorTrackingFrameTest, ANewTrackerShowsAllAwardsTheCaptionsAndOneEmptyPartyRow) {
    Member(0, "Already here", "Neutral", 3); // a member from an earlier tracker is not listed yet
    HonorTrackingFrame* w = Open();
    EXPECT_EQ(w->GetTitle(), "Honor Tracking");
    const struct {
        int id;
        const char* label;
    } buttons[] = {{10017, "Add PC"},
                   {10020, "Remove PC"},
                   {10018, "Apply Honor Award"},
                   {10019, "Adjust Honor"},
                   {10021, "Adjust Temporal Honor"}},
      texts[] = {{10052, "Honor Table Filter"}, {10053, "Honor Reward Selection"}, {10054, "Notes"}};
    for (const auto& b : buttons) {
        EXPECT_EQ(Control<wxButton>(w, b.id)->GetLabel(), b.label);
        EXPECT_EQ(Control<wxButton>(w, b.id)->GetName(), "Button");
    }
    for (const auto& t : texts)
        EXPECT_EQ(Control<wxStaticText>(w, t.id)->GetLabel(), t.label);
    std::set<int> ids;
    for (const wxWindow* child : w->GetChildren())
        EXPECT_TRUE(ids.insert(child->GetId()).second) << "id " << child->GetId() << " used twice";
    EXPECT_EQ(ids.size(), 11u);

    wxComboBox* filter = Filter(w);
    EXPECT_EQ(filter->GetName(), "ComboBox");
    EXPECT_TRUE(filter->HasFlag(wxCB_READONLY));
    ASSERT_EQ(filter->GetCount(), 8u);
    for (unsigned i = 0; i < 8; ++i)
        EXPECT_EQ(filter->GetString(i), kHonorFilterLabels[i]);
    EXPECT_EQ(filter->GetValue(), "Unfiltered - Honor Point Awards");
    wxComboBox* reward = Reward(w);
    EXPECT_TRUE(reward->HasFlag(wxCB_READONLY));
    ASSERT_EQ(reward->GetCount(), 122u);
    for (unsigned i = 0; i < 122; ++i)
        EXPECT_EQ(reward->GetString(i), HonorData[i].text);
    EXPECT_EQ(reward->GetValue(), "Allowing a disarmed opponent to pick up his weapon");

    wxListCtrl* party = Party(w);
    EXPECT_EQ(party->GetName(), "ListView");
    EXPECT_TRUE(party->HasFlag(wxLC_REPORT) && party->HasFlag(wxLC_SINGLE_SEL));
    EXPECT_EQ(Headings(party), (std::vector<std::string>{"Name", "Class", "Level", "Race", "Sex", "Honor",
                                                         "Alignment", "Temporal Honor"}));
    EXPECT_EQ(ListCtrlRows(party), std::vector<std::string>{"|||||||"});

    EXPECT_EQ(w->LogFileName(), "Honor_60.log");
    EXPECT_TRUE(fs::exists("Honor_60.log"));
    EXPECT_EQ(ReadLogFile("Honor_60.log"), "");
}

TEST_F(HonorTrackingFrameTest, TheFilterNarrowsTheRewardsAndTheNoteFollowsTheChosenAward) {
    HonorTrackingFrame* w = Open();
    const struct {
        const char* label;
        unsigned count;
        const char* first;
    } filters[] = {
        {"KA Table 4H: Honor Point Awards - Action/Event: Party Related", 7, "Banished/Ousted by Party"},
        {"Unfiltered - Honor Point Awards", 122, "Allowing a disarmed opponent to pick up his weapon"},
        {"KA Table 4C: Honor Point Awards - Social Encounters", 33, "Accused of a crime (innocent or not)"},
        {"KA Table 4F: Honor Point Awards - NPC and Player Related", 9,
         "Initiating an Honor duel with one of lower honor"},
    };
    for (const auto& f : filters) {
        PickComboItem(Filter(w), f.label);
        EXPECT_EQ(Reward(w)->GetCount(), f.count) << f.label;
        EXPECT_EQ(Reward(w)->GetValue(), f.first) << f.label;
    }
    EXPECT_EQ(Reward(w)->GetString(8), "Repeatedly making bad jokes/lame sound effects, etc");

    PickComboItem(Filter(w), "Unfiltered - Honor Point Awards");
    PickComboItem(Reward(w), "Dirty Fighting");
    EXPECT_EQ(Note(w),
              "Penalties for dirty fighting do not apply if the other guy is 'dirty fighting' first");
    PickComboItem(Reward(w), "Heroic death");
    EXPECT_EQ(Note(w), "Notes");
    PickComboItem(Reward(w), "Raising/Resurrecting a PC/NPC");
    EXPECT_EQ(Note(w), NoteBuffer[13]);

    // A new filter keeps the note of the award chosen before it.
    PickComboItem(Reward(w), "Dirty Fighting");
    PickComboItem(Filter(w), "KA Table 4G: Honor Point Awards - Clan/Group Related");
    EXPECT_EQ(Reward(w)->GetValue(), "Avenging murder of family member");
    EXPECT_EQ(Note(w),
              "Penalties for dirty fighting do not apply if the other guy is 'dirty fighting' first");
    EXPECT_EQ(Reward(w)->GetCount(), 11u);
}

TEST_F(HonorTrackingFrameTest, ANewTrackerNeverEmptiesAnEarlierLog) {
    WriteTextFile("Honor_24.log", "An earlier session \n");
    WriteTextFile("Honor_25.log", "");
    HonorTrackingFrame* first = Open(2); // rolls 24
    EXPECT_EQ(first->LogFileName(), "Honor_26.log");
    HonorTrackingFrame* second = Open(2);
    EXPECT_EQ(second->LogFileName(), "Honor_27.log");
    EXPECT_EQ(Open(12)->LogFileName(), "Honor_144.log");
    EXPECT_EQ(ReadLogFile("Honor_24.log"), "An earlier session \n");

    Member(0, "Ada", "Lawful-good", 10);
    first->RefreshPartyList();
    SelectListCtrlRow(Party(first), 0);
    Click(first, ID_HONOR_AWARD);
    EXPECT_EQ(
        LogLines("Honor_26.log"),
        std::vector<std::string>{"Ada has been awarded: Allowing a disarmed opponent to pick up his weapon "
                                 "for 1 points of Temporal Honor"});
    EXPECT_EQ(ReadLogFile("Honor_27.log"), "");
    EXPECT_EQ(ReadLogFile("Honor_24.log"), "An earlier session \n");
}

TEST_F(HonorTrackingFrameTest, TheEmptyFirstRowOrNoSelectionActsOnNobody) {
    Member(0, "Ada", "Lawful-good", 10);
    HonorTrackingFrame* w = Open();
    ScopedPrompter prompts; // any question would fail the test
    for (bool select : {false, true}) {
        if (select)
            SelectListCtrlRow(Party(w), 0);
        for (int id : {ID_HONOR_REMOVE_PC, ID_HONOR_AWARD, ID_HONOR_ADJUST, ID_HONOR_ADJUST_TEMPORAL})
            Click(w, id);
    }
    EXPECT_EQ(pcs[0].name, "Ada");
    EXPECT_EQ(pcs[0].honor, 10);
    EXPECT_EQ(pcs[0].temporalHonor, 0);
    EXPECT_EQ(ListCtrlRows(Party(w)), std::vector<std::string>{"|||||||"});
    EXPECT_TRUE(LogLines(w->LogFileName()).empty());
}

TEST_F(HonorTrackingFrameTest, EachRowActsOnItsOwnMemberAndTheListIsRebuiltUnselected) {
    Member(0, "Bob", "Lawful-good", 10);
    Member(1, "Bobby", "Chaotic-evil", 20);
    Member(2, "Bob", "Neutral", 30);
    HonorTrackingFrame* w = Open();
    w->RefreshPartyList();
    wxListCtrl* party = Party(w);
    EXPECT_EQ(ListCtrlRows(party), (std::vector<std::string>{"Bob|Thief|2|Human|Male|10|Lawful-good|0",
                                                             "Bobby|Thief|2|Human|Male|20|Chaotic-evil|0",
                                                             "Bob|Thief|2|Human|Male|30|Neutral|0"}));
    PickComboItem(Reward(w), "Dirty Fighting");
    SelectListCtrlRow(party, 1);
    Click(w, ID_HONOR_AWARD);
    EXPECT_EQ(Selected(party), -1);
    SelectListCtrlRow(party, 2);
    Click(w, ID_HONOR_AWARD);
    {
        ScopedPrompter prompts;
        prompts->ExpectText("Lied to the duke");
        prompts->ExpectNumber(4);
        SelectListCtrlRow(party, 2);
        Click(w, ID_HONOR_ADJUST);
        prompts->ExpectTextCancel();
        prompts->ExpectNumber(20);
        SelectListCtrlRow(party, 1);
        Click(w, ID_HONOR_ADJUST_TEMPORAL);
        prompts->ExpectText("Ran");
        prompts->ExpectNumberCancel();
        SelectListCtrlRow(party, 0);
        Click(w, ID_HONOR_ADJUST);
    }
    EXPECT_EQ(ListCtrlRows(party), (std::vector<std::string>{"Bob|Thief|2|Human|Male|10|Lawful-good|0",
                                                             "Bobby|Thief|2|Human|Male|20|Chaotic-evil|23",
                                                             "Bob|Thief|2|Human|Male|34|Neutral|1"}));
    SelectListCtrlRow(party, 1);
    Click(w, ID_HONOR_REMOVE_PC);
    EXPECT_EQ(ListCtrlRows(party), (std::vector<std::string>{"Bob|Thief|2|Human|Male|10|Lawful-good|0",
                                                             "Bob|Thief|2|Human|Male|34|Neutral|1"}));
    EXPECT_EQ(Selected(party), -1);
    SelectListCtrlRow(party, 1);
    Click(w, ID_HONOR_REMOVE_PC);
    SelectListCtrlRow(party, 0);
    Click(w, ID_HONOR_REMOVE_PC);
    EXPECT_EQ(party->GetItemCount(), 0);
    EXPECT_EQ(Headings(party).size(), 8u) << "the headings stay";
    EXPECT_EQ(LogLines(w->LogFileName()),
              (std::vector<std::string>{
                  "Bobby has been awarded: Dirty Fighting for 3 points of Temporal Honor",
                  "Bob has been awarded: Dirty Fighting for 1 points of Temporal Honor",
                  "Bob has had Honor adjusted: Lied to the duke for 4 points of Honor",
                  "Bobby has had Temporal Honor adjusted:  for 20 points of Temporal Honor",
              }));
}

// A row shows a long name cut and an old file's Latin-1 name as UTF-8; either row still acts on its member.
TEST_F(HonorTrackingFrameTest, ARowActsOnItsMemberWhateverFormItsNameIsShownIn) {
    const std::string longName(300, 'L');
    const std::string latin1Name = "Jos\xe9";
    Member(0, longName, "Neutral", 10);
    Member(1, latin1Name, "Neutral", 20);
    HonorTrackingFrame* w = Open();
    w->RefreshPartyList();
    wxListCtrl* party = Party(w);
    EXPECT_EQ(party->GetItemText(0), wxString(254, 'L') + wxString(L"\u2026"));
    EXPECT_EQ(party->GetItemText(1), wxString(L"Jos\u00e9"));
    PickComboItem(Reward(w), "Dirty Fighting");
    for (long row : {0, 1}) {
        SelectListCtrlRow(party, row);
        Click(w, ID_HONOR_AWARD);
    }
    EXPECT_EQ(pcs[0].temporalHonor, 1);
    EXPECT_EQ(pcs[1].temporalHonor, 1);
    EXPECT_EQ(pcs[0].name, longName) << "the member keeps the whole name";
    EXPECT_EQ(LogLines(w->LogFileName()),
              (std::vector<std::string>{
                  longName + " has been awarded: Dirty Fighting for 1 points of Temporal Honor",
                  latin1Name + " has been awarded: Dirty Fighting for 1 points of Temporal Honor"}));
}

TEST_F(HonorTrackingFrameTest, ARowListedBeforeAnotherTrackerChangedThePartyActsOnNobody) {
    HonorTrackingFrame* w = Open(5);
    HonorTrackingFrame* other = Open(6);
    for (int id : {ID_HONOR_REMOVE_PC, ID_HONOR_AWARD, ID_HONOR_ADJUST, ID_HONOR_ADJUST_TEMPORAL}) {
        Member(0, "Ada", "Lawful-good", 1);
        Member(1, "Bob", "Neutral", 2);
        Member(2, "Bobby", "Chaotic-evil", 3);
        w->RefreshPartyList();
        other->RefreshPartyList();
        SelectListCtrlRow(Party(other), 0);
        Click(other, ID_HONOR_REMOVE_PC); // Bob and Bobby move down a slot
        // `w` still lists Ada, Bob, Bobby: its "Bob" row names the slot Bobby holds now.
        ScopedPrompter prompts; // a stale row asks nothing
        SelectListCtrlRow(Party(w), 1);
        Click(w, id);
        EXPECT_EQ(ListCtrlRows(Party(w)),
                  (std::vector<std::string>{"Bob|Thief|2|Human|Male|2|Neutral|0",
                                            "Bobby|Thief|2|Human|Male|3|Chaotic-evil|0"}))
            << "the list shows the party as it is now, id " << id;
        EXPECT_EQ(pcs[2].name, "") << id;
    }
    EXPECT_TRUE(LogLines(w->LogFileName()).empty());
    // Rebuilt, the rows act on their own members again.
    PickComboItem(Reward(w), "Dirty Fighting");
    SelectListCtrlRow(Party(w), 1);
    Click(w, ID_HONOR_AWARD);
    EXPECT_EQ(pcs[1].temporalHonor, 3);
    EXPECT_EQ(
        LogLines(w->LogFileName()),
        std::vector<std::string>{"Bobby has been awarded: Dirty Fighting for 3 points of Temporal Honor"});
}

TEST_F(HonorTrackingFrameTest, ThePickerListsTheSavedCharactersLastFoundFirst) {
    WriteSavedCharacter("a.xml", {"Ada"});
    WriteSavedCharacter("b.xml", {"Bob", "Neutral", "5", "Mage", "4", "Dwarf", "Male"});
    WriteSavedCharacter("c.xml", {"Cyd"});
    WriteSavedCharacter("d.xml", {""});
    HonorTrackingFrame* w = Open();
    HonorFileFrame* picker = AddPC(w);
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->GetTitle(), "Add Character");
    EXPECT_EQ(picker->GetParent(), w);
    wxListCtrl* list = PickerList(picker);
    EXPECT_EQ(list->GetName(), "ListView");
    EXPECT_EQ(Headings(list), (std::vector<std::string>{"Name", "Class", "Level", "Race", "Sex"}));
    EXPECT_EQ(ListCtrlRows(list),
              (std::vector<std::string>{"Cyd|Fighter|3|Elf|Female", "Bob|Mage|4|Dwarf|Male",
                                        "Ada|Fighter|3|Elf|Female"}));
    EXPECT_EQ(picker->RowFiles(), (std::vector<std::string>{"c.xml", "b.xml", "a.xml"}));
    for (const FrameSlot& slot : VOLDFrames)
        EXPECT_FALSE(slot.Holds(picker));
    EXPECT_NE(AddPC(w), picker) << "every press opens another picker";
}

TEST_F(HonorTrackingFrameTest, APickedCharacterGoesAboveTheEmptyRowAndThePickerCloses) {
    WriteSavedCharacter("bobby.xml", {"Bobby", "Lawful-good", "7"});
    WriteSavedCharacter("bob.xml", {"Bob", "Chaotic-evil", "many"});
    HonorTrackingFrame* w = Open();
    HonorFileFrame* picker = AddPC(w);
    wxWeakRef<HonorFileFrame> alive(picker);
    Pick(picker, "bob.xml");
    EXPECT_FALSE(alive);
    EXPECT_EQ(pcs[0].name, "Bob");
    EXPECT_EQ(pcs[0].honor, 0);
    EXPECT_EQ(ListCtrlRows(Party(w)),
              (std::vector<std::string>{"Bob|Fighter|3|Elf|Female|many|Chaotic-evil|0", "|||||||"}));

    Pick(AddPC(w), "bobby.xml");
    EXPECT_EQ(pcs[1].name, "Bobby");
    EXPECT_EQ(ListCtrlRows(Party(w)),
              (std::vector<std::string>{"Bob|Fighter|3|Elf|Female|many|Chaotic-evil|0",
                                        "Bobby|Fighter|3|Elf|Female|7|Lawful-good|0", "|||||||"}));
    // The inserted rows act on their own members; the first refresh writes the honor as a number.
    SelectListCtrlRow(Party(w), 1);
    Click(w, ID_HONOR_AWARD);
    EXPECT_EQ(pcs[1].temporalHonor, 1);
    EXPECT_EQ(pcs[0].temporalHonor, 0);
    EXPECT_EQ(ListCtrlRows(Party(w)),
              (std::vector<std::string>{"Bob|Fighter|3|Elf|Female|0|Chaotic-evil|0",
                                        "Bobby|Fighter|3|Elf|Female|7|Lawful-good|1"}));
}

TEST_F(HonorTrackingFrameTest, TheTwentiethMemberTakesTheLastSlotAndAFullPartyKeepsThePickerOpen) {
    WriteSavedCharacter("ada.xml", {"Ada"});
    for (size_t slot = 0; slot < 19; ++slot)
        Member(slot, "PC" + std::to_string(slot), "Neutral", 1);
    HonorTrackingFrame* w = Open();
    HonorFileFrame* picker = AddPC(w);
    HonorFileFrame* second = AddPC(w);
    Pick(picker, "ada.xml");
    EXPECT_EQ(pcs[19].name, "Ada");
    // The tracker still shows only its empty row: the new row goes after it.
    EXPECT_EQ(ListCtrlRows(Party(w)),
              (std::vector<std::string>{"|||||||", "Ada|Fighter|3|Elf|Female|12|Lawful-good|0"}));
    SelectListCtrlRow(Party(w), 1);
    Click(w, ID_HONOR_AWARD);
    EXPECT_EQ(pcs[19].temporalHonor, 1);
    EXPECT_EQ(Party(w)->GetItemCount(), 20);

    ScopedPrompter prompts;
    prompts->ExpectMessage();
    wxWeakRef<HonorFileFrame> alive(second);
    Pick(second, "ada.xml");
    EXPECT_TRUE(alive);
    ASSERT_EQ(prompts->Asked().size(), 1u);
    EXPECT_EQ(prompts->Asked()[0].message, "The party is full: remove a member before adding another.");
    EXPECT_EQ(Party(w)->GetItemCount(), 20);
    EXPECT_EQ(pcs[18].name, "PC18");
}

TEST_F(HonorTrackingFrameTest, AFileGoneSinceThePickerOpenedIsToldAndAddsNobody) {
    WriteSavedCharacter("ada.xml", {"Ada"});
    HonorTrackingFrame* w = Open();
    HonorFileFrame* picker = AddPC(w);
    fs::remove("CharacterXML/ada.xml");
    ScopedPrompter prompts;
    prompts->ExpectMessage();
    wxWeakRef<HonorFileFrame> alive(picker);
    Pick(picker, "ada.xml");
    EXPECT_TRUE(alive);
    EXPECT_EQ(prompts->Asked().at(0).caption, "Add Character");
    EXPECT_EQ(pcs[0].name, "");
    EXPECT_EQ(ListCtrlRows(Party(w)), std::vector<std::string>{"|||||||"});
}

TEST_F(HonorTrackingFrameTest, ClosingATrackerLeavesTheCreationStateAndTheParty) {
    for (WizardStep state : {kWizardBackground, kWizardNone}) {
        program_data.WizardState = state;
        Member(0, "Ada", "Neutral", 4);
        HonorTrackingFrame* w = Open();
        AddPC(w);
        wxWeakRef<wxFrame> ref(w);
        w->Close(true);
        PumpEvents();
        EXPECT_FALSE(ref);
        EXPECT_TRUE(Pickers().empty()) << "a picker goes with its tracker";
        EXPECT_EQ(program_data.WizardState, state);
        EXPECT_EQ(pcs[0].name, "Ada");
    }
}

} // namespace

TEST_F(HonorTrackingFrameTest, SaveTwoCharactersThenTrackTheirHonorThroughTheMainWindow) {
    FormMain* main = RunStartUp();
    AddFixtureCatalogues();
    BuildTwoClassCharacter();
    current_character.ALIGNMENT = "Lawful-good";
    SelectMenu(main, ID_MAIN_SAVE);
    current_character.CHARACTER_NAME = "Brom";
    current_character.ALIGNMENT = "Chaotic Good"; // as the sample classes write it
    current_character.HONOR_BASE = 31;
    SelectMenu(main, ID_MAIN_SAVE);
    ASSERT_TRUE(fs::exists("CharacterXML/Ada Brightwater.xml"));
    ASSERT_TRUE(fs::exists("CharacterXML/Brom.xml"));

    dice::QueueFaces(LogNameFaces(3));
    SelectMenu(main, ID_MAIN_HONOR);
    HonorTrackingFrame* w = FindTopLevel<HonorTrackingFrame>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->GetParent(), main);
    EXPECT_EQ(w->GetTitle(), "Honor Tracking");
    EXPECT_TRUE(w->IsShown());
    EXPECT_EQ(w->LogFileName(), "Honor_36.log");
    for (const FrameSlot& slot : VOLDFrames)
        EXPECT_FALSE(slot.Holds(w));

    Pick(AddPC(w), "Brom.xml");
    Pick(AddPC(w), "Ada Brightwater.xml");
    wxListCtrl* party = Party(w);
    EXPECT_EQ(ListCtrlRows(party),
              (std::vector<std::string>{"Brom|Fighter/Thief|1|Elf|Female|31|Chaotic Good|0",
                                        "Ada Brightwater|Fighter/Thief|1|Elf|Female|23|"
                                        "Lawful-good|0",
                                        "|||||||"}));

    PickComboItem(Filter(w), "KA Table 4H: Honor Point Awards - Action/Event: Party Related");
    PickComboItem(Reward(w), "Completing a quest");
    for (long row : {1L, 0L}) {
        SelectListCtrlRow(party, row);
        Click(w, ID_HONOR_AWARD);
    }
    {
        ScopedPrompter prompts;
        prompts->ExpectText("Saved the village");
        prompts->ExpectNumber(6);
        prompts->ExpectText("Broke an oath");
        prompts->ExpectNumber(2);
        SelectListCtrlRow(party, 1);
        Click(w, ID_HONOR_ADJUST);
        SelectListCtrlRow(party, 0);
        Click(w, ID_HONOR_ADJUST_TEMPORAL);
    }
    EXPECT_EQ(ListCtrlRows(party),
              (std::vector<std::string>{"Brom|Fighter/Thief|1|Elf|Female|31|Chaotic Good|6",
                                        "Ada Brightwater|Fighter/Thief|1|Elf|Female|29|Lawful-good|10"}));
    SelectListCtrlRow(party, 0);
    Click(w, ID_HONOR_REMOVE_PC);
    EXPECT_EQ(ListCtrlRows(party),
              std::vector<std::string>{"Ada Brightwater|Fighter/Thief|1|Elf|Female|29|Lawful-good|10"});
    EXPECT_EQ(pcs[0].name, "Ada Brightwater");
    EXPECT_EQ(pcs[0].honor, 29);
    EXPECT_EQ(pcs[0].temporalHonor, 10);
    EXPECT_EQ(pcs[1].name, "");

    EXPECT_EQ(LogLines("Honor_36.log"),
              (std::vector<std::string>{
                  "Ada Brightwater has been awarded: Completing a quest for 10 points of Temporal Honor",
                  "Brom has been awarded: Completing a quest for 4 points of Temporal Honor",
                  "Ada Brightwater has had Honor adjusted: Saved the village for 6 points of Honor",
                  "Brom has had Temporal Honor adjusted: Broke an oath for 2 points of Temporal Honor",
              }));
    // Another choice opens another tracker on the same party, with a log of its own.
    dice::QueueFaces(LogNameFaces(3));
    SelectMenu(main, ID_MAIN_HONOR);
    HonorTrackingFrame* second = FindTopLevel<HonorTrackingFrame>();
    ASSERT_NE(second, w);
    EXPECT_EQ(second->LogFileName(), "Honor_37.log");
    EXPECT_EQ(ListCtrlRows(Party(second)), std::vector<std::string>{"|||||||"});
    second->RefreshPartyList();
    EXPECT_EQ(ListCtrlRows(Party(second)), ListCtrlRows(party));
    EXPECT_EQ(LogLines("Honor_36.log").size(), 4u);

    // The saved files are only read.
    testing::internal::CaptureStdout();
    VOLDFileClass::Clear();
    VOLDFileClass::LoadCharacter();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(VOLDFileClass::Find("Ada")->HONOR_BASE, "23");
}
