// The purchase rules of the skills, talents and proficiencies step, on small catalogues built here.
#include <gtest/gtest.h>
#include <memory>
#include <type_traits>

#include "app/character.h"
#include "app/dice.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog/talent_catalog.h"
#include "steps/skill_shop.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"
#include "support/scripted_prompter.h"

namespace {

class SkillShopTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "7.log";
        program_data.WizardState = kWizardSkills;
        program_data.BuildingPoints = 20.0f;
        BooksToUse[kBookCore] = 1;
        current_character.ABILITY_BASE = {10, 11, 12, 15, 12, 9, 8};
    }

    static CharacterSkill& Skill(const std::string& name, int32_t bp = 3, int32_t category = 5,
                                 int32_t courseDie = 6, const std::string& mastery = "INT") {
        auto s = std::make_unique<CharacterSkill>();
        s->NAME = name;
        s->BP = bp;
        s->CATEGORY = category;
        s->COURSE_DIE = courseDie;
        s->NUM_OF_COURSE_DIE = 1;
        s->MASTERY_ABILITIES = mastery;
        CharacterSkill& added = *s;
        CharacterSkill::AddTail(std::move(s));
        return added;
    }
    static CharacterTalent& Talent(const std::string& name, int32_t bp, int32_t max = 1,
                                   bool extend = false) {
        auto t = std::make_unique<CharacterTalent>();
        t->NAME = name;
        t->BP = bp;
        t->MAX = max;
        t->EXTEND = extend;
        CharacterTalent& added = *t;
        CharacterTalent::AddTail(std::move(t));
        return added;
    }
    static CharacterProf& Prof(const std::string& name, int32_t spcost = 2, int32_t type = 0) {
        auto p = std::make_unique<CharacterProf>();
        p->NAME = name;
        p->SPCOST = spcost;
        p->TYPE = type;
        CharacterProf& added = *p;
        CharacterProf::AddTail(std::move(p));
        return added;
    }
    // Every catalogue of these kinds ends with the blank entry.
    static void EndCatalogues() {
        CharacterSkill::AddTail(std::make_unique<CharacterSkill>());
        CharacterTalent::AddTail(std::make_unique<CharacterTalent>());
        CharacterProf::AddTail(std::make_unique<CharacterProf>());
    }
    CharacterClass& GiveClass(int32_t mage = 0, int32_t specialize = 999) {
        auto c = std::make_unique<CharacterClass>();
        c->NAME = "Test Class";
        c->MAGE = mage;
        c->SPECIALIZE = specialize;
        CharacterClass& added = *c;
        CharacterClass::AddTail(std::move(c));
        current_character.pClass = &added;
        return added;
    }

    static const SkillDataItem* OwnedSkill(const std::string& name) {
        for (const SkillDataItem* n = SkillDataItem::First(); n; n = n->pNext.get())
            if (n->name == name)
                return n;
        return nullptr;
    }

    ScopedTempDir dir_;
    ScopedPrompter prompter_;
};

TEST_F(SkillShopTest, ANewSkillStartsFromItsAbilitiesPlusItsRolls) {
    struct Case {
        const char* mastery;
        int32_t courseDie, honorDie, honorBonus;
        std::vector<int32_t> faces;
        int32_t expected;
    } cases[] = {
        {"INT/WIS", 6, 0, 0, {4}, 13 + 4},    // (15 + 12) / 2 truncated
        {"INT/WIS", 6, 0, 5, {4}, 13 + 4},    // no honor die: its bonus is not added either
        {"STR", 6, 4, 1, {2, 3}, 10 + 2 + 4}, // the honor die carries its bonus
        {"STR", 6, 0, 0, {6, 3}, 10 + 6 + 2}, // a highest face penetrates, the next die counts one less
        {"Lore", 6, 0, 0, {5}, 5},            // no ability named: the rolls alone
        {"INT", 0, 4, 0, {1}, 100},           // no course die: learnt whole
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mastery);
        ResetGlobals();
        SetUp();
        Skill("Herb Lore", 3, 5, c.courseDie, c.mastery);
        EndCatalogues();
        current_character.HONOR_DIE = c.honorDie;
        current_character.HONOR_DIE_BONUS = c.honorBonus;
        dice::QueueFaces(c.faces);
        ASSERT_TRUE(BuySkill("Herb Lore"));
        EXPECT_EQ(dice::QueuedFaces(), 0u);
        ASSERT_NE(OwnedSkill("Herb Lore"), nullptr);
        EXPECT_EQ(OwnedSkill("Herb Lore")->value, c.expected);
        EXPECT_EQ(program_data.BuildingPoints, 17.0f);
        EXPECT_EQ(LogLines().back(), "BP=17.0   | Purchasing Skill Herb Lore for 3.0    BP");
    }
}

TEST_F(SkillShopTest, ASkillLearntWholeCannotBeRaised) {
    Skill("Swimming", 2, 5, 0);
    EndCatalogues();
    ASSERT_TRUE(BuySkill("Swimming"));
    EXPECT_FALSE(BuySkill("Swimming"));
    EXPECT_EQ(SkillDataItem::Count(), 1u);
    EXPECT_EQ(OwnedSkill("Swimming")->value, 100);
    EXPECT_EQ(program_data.BuildingPoints, 18.0f);
    EXPECT_EQ(LogLines().size(), 1u);
}

TEST_F(SkillShopTest, TheStepTestsThePoolAndAFinishedCharacterOwesIt) {
    struct Case {
        WizardStep state;
        bool bought;
        float poolAfter;
    } cases[] = {
        {kWizardSkills, false, 0.0f}, {kWizardNone, true, -3.0f}, {kWizardBackgroundRolled, true, -3.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        ResetGlobals();
        SetUp();
        Skill("Herb Lore");
        Talent("Tireless", 5);
        EndCatalogues();
        program_data.WizardState = c.state;
        program_data.BuildingPoints = 0.0f;
        dice::QueueFaces({1});
        EXPECT_EQ(BuySkill("Herb Lore"), c.bought);
        EXPECT_EQ(program_data.BuildingPoints, c.poolAfter);
        EXPECT_EQ(BuyTalent("Tireless"), c.bought);
        EXPECT_EQ(TalentDataItem::Count(), c.bought ? 1u : 0u);
    }
}

TEST_F(SkillShopTest, APrerequisiteMustBeHeldAtFiftyOrMore) {
    for (int32_t held : {49, 50}) {
        SCOPED_TRACE(held);
        ResetGlobals();
        SetUp();
        Skill("Arcane Glyphs");
        CharacterSkill& warding = Skill("Glyph Warding");
        warding.COURSE_PREREQS = {"Arcane Glyphs"};
        warding.nCOURSE_PREREQS = 1;
        EndCatalogues();
        auto glyphs = std::make_unique<SkillDataItem>();
        glyphs->name = "Arcane Glyphs";
        glyphs->value = held;
        current_character.SKILL_SECTION.AddTail(std::move(glyphs));
        dice::QueueFaces({1});
        EXPECT_EQ(BuySkill("Glyph Warding"), held >= 50);
        EXPECT_EQ(OwnedSkill("Glyph Warding") != nullptr, held >= 50);
    }
}

TEST_F(SkillShopTest, APrerequisiteIsMetByAnEntryWithAnIdentifierButNotByALongerName) {
    Skill("Language", 3, 3, 6, "INT").EXTEND = true;
    CharacterSkill& poetry = Skill("Poetry");
    poetry.COURSE_PREREQS = {"Language"};
    poetry.nCOURSE_PREREQS = 1;
    EndCatalogues();
    auto other = std::make_unique<SkillDataItem>();
    other->name = "Language Games"; // contains the name, but is another skill
    other->value = 90;
    current_character.SKILL_SECTION.AddTail(std::move(other));
    EXPECT_FALSE(BuySkill("Poetry"));

    auto elvish = std::make_unique<SkillDataItem>();
    elvish->name = "Language: Elvish";
    elvish->value = 60;
    current_character.SKILL_SECTION.AddTail(std::move(elvish));
    dice::QueueFaces({1});
    EXPECT_TRUE(BuySkill("Poetry"));
}

TEST_F(SkillShopTest, AMageTypeClassPaysHalfForAcademiaAndDoubleForCombatProcedures) {
    CharacterSkill& ledger = Skill("Ledger Keeping", 3, 2);
    CharacterSkill& drill = Skill("Shield Drill", 3, 6);
    CharacterSkill& knots = Skill("Knot Tying", 3, 5);
    EndCatalogues();
    EXPECT_EQ(AdjustCost(&ledger), 3.0f) << "no class yet";
    CharacterClass& cls = GiveClass(0);
    EXPECT_EQ(AdjustCost(&ledger), 3.0f);
    EXPECT_EQ(AdjustCost(&drill), 3.0f);
    cls.MAGE = 1;
    EXPECT_EQ(AdjustCost(&ledger), 1.5f);
    EXPECT_EQ(AdjustCost(&drill), 6.0f);
    EXPECT_EQ(AdjustCost(&knots), 3.0f);
    const ShopListing listing = SkillListing(0);
    ASSERT_EQ(listing.rows.size(), 3u);
    EXPECT_EQ(listing.rows[0][1], "1.5    BP");
    EXPECT_EQ(listing.rows[1][1], "6.0    BP");

    program_data.BuildingPoints = 10.0f;
    dice::QueueFaces({2});
    ASSERT_TRUE(BuySkill("Ledger Keeping"));
    EXPECT_EQ(program_data.BuildingPoints, 8.5f);
    ASSERT_TRUE(RemoveOwned(ShopKind::Skill, "Ledger Keeping"));
    EXPECT_EQ(program_data.BuildingPoints, 10.0f);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"BP=8.5    | Purchasing Skill Ledger Keeping for 1.5    BP",
                                        "BP=10.0   | Removing Skill Ledger Keeping for 1.5    BP"}));
}

TEST_F(SkillShopTest, ASkillRaisedTwiceRefundsOnePriceAndALongerNameIsAnotherSkill) {
    Skill("Long Sword Drill", 2);
    Skill("Sword Drill", 4);
    EndCatalogues();
    dice::QueueFaces({3, 2, 5});
    ASSERT_TRUE(BuySkill("Long Sword Drill"));
    ASSERT_TRUE(BuySkill("Long Sword Drill"));
    ASSERT_TRUE(BuySkill("Sword Drill")); // not a raise of "Long Sword Drill"
    EXPECT_EQ(OwnedSkill("Long Sword Drill")->value, 15 + 3 + 2);
    EXPECT_EQ(OwnedSkill("Sword Drill")->value, 15 + 5);
    EXPECT_EQ(program_data.BuildingPoints, 12.0f);

    ASSERT_TRUE(RemoveOwned(ShopKind::Skill, "Sword Drill"));
    EXPECT_NE(OwnedSkill("Long Sword Drill"), nullptr);
    ASSERT_TRUE(RemoveOwned(ShopKind::Skill, "Long Sword Drill"));
    EXPECT_EQ(SkillDataItem::Count(), 0u);
    EXPECT_EQ(program_data.BuildingPoints, 18.0f);
}

TEST_F(SkillShopTest, RemovingLooksOnlyAtTheRowsOwnKindAndKeepsUnknownEntries) {
    Skill("Tireless", 2);
    Talent("Tireless", 5);
    EndCatalogues();
    dice::QueueFaces({1});
    ASSERT_TRUE(BuySkill("Tireless"));
    ASSERT_TRUE(BuyTalent("Tireless"));
    ASSERT_TRUE(RemoveOwned(ShopKind::Talent, "Tireless"));
    EXPECT_EQ(TalentDataItem::Count(), 0u);
    EXPECT_EQ(SkillDataItem::Count(), 1u);

    // A skill known at 1% under its own name stays; one with an identifier and no catalogue entry
    // (the blank last entry would otherwise be found in every name) is kept too.
    SkillDataItem::First()->value = 1;
    auto ghost = std::make_unique<SkillDataItem>();
    ghost->name = "Ghost Lore: Ashes";
    ghost->value = 40;
    current_character.SKILL_SECTION.AddTail(std::move(ghost));
    const float pool = program_data.BuildingPoints;
    EXPECT_FALSE(RemoveOwned(ShopKind::Skill, "Tireless"));
    EXPECT_FALSE(RemoveOwned(ShopKind::Skill, "Ghost Lore: Ashes"));
    EXPECT_FALSE(RemoveOwned(ShopKind::Proficiency, "Tireless"));
    EXPECT_EQ(SkillDataItem::Count(), 2u);
    EXPECT_EQ(program_data.BuildingPoints, pool);
}

TEST_F(SkillShopTest, AnIdentifiedSkillIsAskedItsIdentifierAndRaisedThroughTheChooser) {
    Skill("Language, Ancient", 3, 3, 4, "INT").EXTEND = true;
    EndCatalogues();
    prompter_->ExpectText("Elvish");
    dice::QueueFaces({2});
    ASSERT_TRUE(BuySkill("Language, Ancient"));
    prompter_->ExpectYesNo(true);
    prompter_->ExpectText(""); // an empty identifier, given with OK
    dice::QueueFaces({1});
    ASSERT_TRUE(BuySkill("Language, Ancient"));
    prompter_->ExpectYesNo(false);
    prompter_->ExpectChoice(0);
    dice::QueueFaces({3});
    ASSERT_TRUE(BuySkill("Language, Ancient"));
    prompter_->ExpectYesNo(false);
    prompter_->ExpectChoice(-1); // cancelled: nothing bought
    EXPECT_FALSE(BuySkill("Language, Ancient"));

    EXPECT_EQ(OwnedSkill("Language, Ancient: Elvish")->value, 15 + 2 + 3);
    EXPECT_EQ(OwnedSkill("Language, Ancient: ")->value, 15 + 1);
    const auto& asked = prompter_->Asked();
    ASSERT_EQ(asked.size(), 7u);
    EXPECT_EQ(asked[0].message, "This Skill Requires a text identifier");
    EXPECT_EQ(asked[0].caption, "Language, Ancient: ");
    EXPECT_EQ(asked[1].message, "Will This be a new Skill (Yes) or are you improving an existing one (No)");
    EXPECT_EQ(asked[1].caption, "Language, Ancient");
    EXPECT_EQ(asked[4].caption, "Please Choose Skill");
    EXPECT_EQ(asked[4].message, "Skills");
    EXPECT_EQ(asked[4].choices,
              (std::vector<std::string>{"Language, Ancient: Elvish", "Language, Ancient: "}));
    EXPECT_EQ(program_data.BuildingPoints, 11.0f);
    EXPECT_EQ(LogLines().back(), "BP=11.0   | Purchasing Skill Language, Ancient: Elvish for 3.0    BP");
}

TEST_F(SkillShopTest, CancellingTheIdentifierQuestionBuysAndSpendsNothing) {
    Skill("Language, Ancient", 3, 3, 4, "INT").EXTEND = true;
    Talent("Weapon Affinity", 6, 1, true);
    EndCatalogues();
    const size_t logged = LogLines().size();
    dice::QueueFaces({2});
    prompter_->ExpectTextCancel();
    EXPECT_FALSE(BuySkill("Language, Ancient"));
    prompter_->ExpectTextCancel();
    EXPECT_FALSE(BuyTalent("Weapon Affinity"));
    // A held identified entry asks new-or-existing first; a new one cancelled there buys nothing either.
    prompter_->ExpectText("Elvish");
    ASSERT_TRUE(BuySkill("Language, Ancient"));
    const float afterOne = program_data.BuildingPoints;
    prompter_->ExpectYesNo(true);
    prompter_->ExpectTextCancel();
    EXPECT_FALSE(BuySkill("Language, Ancient"));

    EXPECT_EQ(SkillDataItem::Count(), 1u);
    EXPECT_EQ(TalentDataItem::First(), nullptr);
    EXPECT_EQ(program_data.BuildingPoints, afterOne);
    EXPECT_EQ(afterOne, 17.0f);
    EXPECT_EQ(LogLines().size(), logged + 1);
    EXPECT_EQ(dice::QueuedFaces(), 0u); // only the one purchase rolled its die
}

TEST_F(SkillShopTest, ATalentIsTakenUpToItsMaxAndStepsDownOnRemove) {
    Talent("Tireless", 5, 2);
    EndCatalogues();
    EXPECT_TRUE(BuyTalent("Tireless"));
    EXPECT_TRUE(BuyTalent("Tireless"));
    EXPECT_FALSE(BuyTalent("Tireless"));
    ASSERT_NE(TalentDataItem::First(), nullptr);
    EXPECT_EQ(TalentDataItem::First()->value, 2);
    EXPECT_EQ(program_data.BuildingPoints, 10.0f);
    EXPECT_TRUE(RemoveOwned(ShopKind::Talent, "Tireless"));
    EXPECT_EQ(TalentDataItem::First()->value, 1);
    EXPECT_TRUE(RemoveOwned(ShopKind::Talent, "Tireless"));
    EXPECT_EQ(TalentDataItem::First(), nullptr);
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"BP=15.0   | Purchasing Talent Tireless for 5 BP",
                                                    "BP=10.0   | Purchasing Talent Tireless for 5 BP",
                                                    "BP=15.0   | Decrementing Talent Tireless for 5 BP",
                                                    "BP=20.0   | Removing Talent Tireless for 5 BP"}));
}

TEST_F(SkillShopTest, AnIdentifiedTalentAsksNewOrExistingAndANewOneIgnoresMax) {
    Talent("Weapon Affinity", 6, 1, true);
    EndCatalogues();
    prompter_->ExpectText("Dagger");
    ASSERT_TRUE(BuyTalent("Weapon Affinity"));
    prompter_->ExpectYesNo(true);
    prompter_->ExpectText("Sling");
    ASSERT_TRUE(BuyTalent("Weapon Affinity")); // a second entry beyond MAX 1
    prompter_->ExpectYesNo(false);
    prompter_->ExpectChoice(1);
    EXPECT_FALSE(BuyTalent("Weapon Affinity")); // the chosen one is at MAX
    prompter_->ExpectYesNo(false);
    prompter_->ExpectChoice(-1);
    EXPECT_FALSE(BuyTalent("Weapon Affinity"));

    std::vector<std::pair<std::string, int32_t>> owned;
    for (const TalentDataItem* n = TalentDataItem::First(); n; n = n->pNext.get())
        owned.emplace_back(n->name, n->value);
    EXPECT_EQ(owned, (std::vector<std::pair<std::string, int32_t>>{{"Weapon Affinity: Dagger", 1},
                                                                   {"Weapon Affinity: Sling", 1}}));
    EXPECT_EQ(program_data.BuildingPoints, 8.0f);
    const auto& asked = prompter_->Asked();
    ASSERT_EQ(asked.size(), 7u);
    EXPECT_EQ(asked[0].message, "This Talent Requires a text identifier");
    EXPECT_EQ(asked[1].message,
              "Will This be a new Talent (Yes) or are you incrementing an existing one (No)");
    EXPECT_EQ(asked[4].caption, "Please Choose Talent");
    EXPECT_EQ(LogLines().back(), "BP=8.0    | Purchasing Talent Weapon Affinity: Sling for 6 BP");

    // Removing by identifier finds the catalogue entry through the name it leads.
    ASSERT_TRUE(RemoveOwned(ShopKind::Talent, "Weapon Affinity: Dagger"));
    EXPECT_EQ(program_data.BuildingPoints, 14.0f);
}

TEST_F(SkillShopTest, AProficiencyCostsABPAndASlotAndIsSpecialisedOnce) {
    Prof("Dagger", 2);
    Prof("Sling", 1);
    GiveClass(0, 1);
    EndCatalogues();
    current_character.LEVEL = 1;
    current_character.PROF_SLOTS = 0;
    EXPECT_FALSE(BuyProficiency("Dagger")) << "no slot, though BP are there";

    current_character.PROF_SLOTS = 4;
    ASSERT_TRUE(BuyProficiency("Dagger"));
    ASSERT_TRUE(BuyProficiency("Sling"));
    EXPECT_EQ(current_character.PROF_SLOTS, 2);
    ASSERT_TRUE(BuyProficiency("Dagger")); // specialised: 2 slots
    EXPECT_EQ(current_character.PROF_SLOTS, 0);
    EXPECT_EQ(current_character.SPECIALIZED, 1);
    current_character.PROF_SLOTS = 5;
    EXPECT_FALSE(BuyProficiency("Sling")) << "one specialisation per character";
    EXPECT_EQ(program_data.BuildingPoints, 17.0f);

    ASSERT_TRUE(RemoveOwned(ShopKind::Proficiency, "Dagger"));
    EXPECT_EQ(current_character.PROF_SLOTS, 7);
    EXPECT_EQ(current_character.SPECIALIZED, 0);
    EXPECT_EQ(ProfDataItem::First()->value, 1);
    ASSERT_TRUE(RemoveOwned(ShopKind::Proficiency, "Sling"));
    EXPECT_EQ(current_character.PROF_SLOTS, 8);
    EXPECT_EQ(program_data.BuildingPoints, 19.0f);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"BP=19.0   | Purchasing Proficieny Dagger for 1 BP",
                                        "BP=18.0   | Purchasing Proficieny Sling for 1 BP",
                                        "BP=17.0   | Specializing Proficieny Dagger for 1 BP",
                                        "BP=18.0   | Removing Specialization from Dagger for 1 BP",
                                        "BP=19.0   | Removing Sling for 1 BP"}));
}

TEST_F(SkillShopTest, SpecialisingIsRefusedWithoutAClassOrBeforeItsLevel) {
    Prof("Dagger", 1);
    EndCatalogues();
    current_character.PROF_SLOTS = 5;
    current_character.LEVEL = 1;
    ASSERT_TRUE(BuyProficiency("Dagger"));
    EXPECT_FALSE(BuyProficiency("Dagger")) << "no class";
    for (int32_t specialize : {999, 2}) {
        GiveClass(0, specialize);
        EXPECT_FALSE(BuyProficiency("Dagger")) << specialize;
    }
    EXPECT_EQ(ProfDataItem::First()->value, 1);
    EXPECT_EQ(current_character.PROF_SLOTS, 4);
}

TEST_F(SkillShopTest, ListingsOfferTheEnabledBooksAndNeverTheBlankEntry) {
    Skill("Knot Tying", 1, 5).NUM_OF_COURSE_DIE = 2;
    Skill("Swimming", 2, 12, 0);
    Skill("Lost Lore", 2, 5).BOOK = 3;  // book not enabled
    Skill("Odd Lore", 2, 5).BOOK = 100; // no such book
    CharacterSkill& pipes = Skill("Pipes", 2, 4);
    pipes.COURSE_PREREQS = {"Knot Tying", "Swimming", "Unread"};
    pipes.nCOURSE_PREREQS = 2;
    Talent("Night Sight", 7);
    Talent("Stone Sense", 6);
    Talent("Tide Breathing", 9).BOOK = -1;
    Prof("Dagger", 1, 0);
    Prof("Brawling", 1, 3);
    Prof("Odd", 1, 7);
    Prof("Spear", 1, 0);
    EndCatalogues();

    const ShopListing all = SkillListing(0);
    EXPECT_EQ(all.columns,
              (std::vector<std::string>{"Skill", "Cost", "Base", "Page", "Course Die", "Prereqs"}));
    ASSERT_EQ(all.rows.size(), 3u);
    EXPECT_EQ(all.rows[0], (std::vector<std::string>{"Knot Tying", "1.0    BP", "INT", "", "2d6", ""}));
    EXPECT_EQ(all.rows[1][4], "N/A");
    EXPECT_EQ(all.rows[2][5], "Knot Tying, Swimming");
    ASSERT_EQ(SkillListing(12).rows.size(), 1u);
    EXPECT_EQ(SkillListing(12).rows[0][0], "Swimming");
    EXPECT_TRUE(SkillListing(7).rows.empty());

    EXPECT_FALSE(TalentListing()) << "no race";
    EXPECT_FALSE(ProficiencyListing()) << "no class";
    CharacterRace race;
    race.TALENT = {"Night Sight (once a day)", "Tide Breathing", "Stone Sense"};
    race.nTALENT = 2; // only the first two count
    current_character.pRace = &race;
    const auto talents = TalentListing();
    ASSERT_TRUE(talents);
    EXPECT_EQ(talents->rows, (std::vector<std::vector<std::string>>{{"Night Sight", "7 BP", ""}}));

    CharacterClass& cls = GiveClass();
    cls.WEAPON = {"Dagger", "Brawling", "Odd"};
    cls.nWEAPON = 3;
    const auto profs = ProficiencyListing();
    ASSERT_TRUE(profs);
    EXPECT_EQ(profs->columns, (std::vector<std::string>{"Weapon Proficiency", "Type"}));
    EXPECT_EQ(profs->rows, (std::vector<std::vector<std::string>>{
                               {"Dagger", "Melee Weapon"}, {"Brawling", "Punching/Wrestling"}, {"Odd", ""}}));
    current_character.pRace = nullptr;
}

TEST_F(SkillShopTest, SkillGroupsAndKindsAreReadFromTheChoosersTexts) {
    EXPECT_EQ(SkillGroupOf("All Skills"), 0);
    EXPECT_EQ(SkillGroupOf("Skills: Academia"), 2);
    EXPECT_EQ(SkillGroupOf("Unique Barbarian"), 12);
    EXPECT_EQ(KindOfText("Proficiencies"), ShopKind::Proficiency);
    EXPECT_EQ(KindOfText("Talents"), ShopKind::Talent);
    EXPECT_FALSE(KindOfText("Spells"));
    EXPECT_FALSE(AddSelection("Spells", "Knot Tying"));
}

TEST_F(SkillShopTest, TheOwnedRowsShowProficienciesThenTalentsThenSkillsLastTakenFirst) {
    auto add = [](auto& list, const char* name, int32_t value) {
        using Node = typename std::remove_reference_t<decltype(list)>;
        auto node = std::make_unique<Node>();
        node->name = name;
        node->value = value;
        list.AddTail(std::move(node));
    };
    add(current_character.SKILL_SECTION, "Knot Tying", 45);
    add(current_character.SKILL_SECTION, "Haggling", 12);
    add(current_character.TALENT_SECTION, "Tireless", 2);
    add(current_character.PROF_SECTION, "Dagger", 2);
    add(current_character.PROF_SECTION, "Sling", 3);
    std::vector<std::vector<std::string>> rows;
    for (const OwnedRow& row : OwnedRows())
        rows.push_back({row.name, row.value, row.type});
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{"Sling", "", "Proficiency"},
                                                           {"Dagger", "Specialized", "Proficiency"},
                                                           {"Tireless", "x 2", "Talent"},
                                                           {"Haggling", "12%", "Skill"},
                                                           {"Knot Tying", "45%", "Skill"}}));
}

TEST_F(SkillShopTest, ATalentsDescriptionIsShownOnlyForATalentThatHasOne) {
    Talent("Night Sight", 7).DESCRIPTION = "Sees in starlight.";
    Talent("Tireless", 5);
    Skill("Night Sight");
    EndCatalogues();
    prompter_->ExpectMessage();
    EXPECT_TRUE(ShowTalentDescription("Talents", "Night Sight"));
    EXPECT_FALSE(ShowTalentDescription("Talents", "Tireless"));
    EXPECT_FALSE(ShowTalentDescription("Skills", "Night Sight"));
    ASSERT_EQ(prompter_->Asked().size(), 1u);
    EXPECT_EQ(prompter_->Asked()[0].message, "Sees in starlight.");
    EXPECT_EQ(prompter_->Asked()[0].caption, "Night Sight");
}

} // namespace
