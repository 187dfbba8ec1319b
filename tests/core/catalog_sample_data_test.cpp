// The shipped sample set must load cleanly and hang together, since every later step builds on it.
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "catalog/catalogues.h"
#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog/talent_catalog.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class SampleDataTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        ScopedTempDir dir;
        std::filesystem::copy(SampleCatalogs(), dir.path(), std::filesystem::copy_options::recursive);
        testing::internal::CaptureStdout();
        LoadCatalogues();
        testing::internal::GetCapturedStdout();
    }
};

template <class Entry> std::vector<const Entry*> All() {
    std::vector<const Entry*> all;
    for (const Entry* p = Entry::First(); p; p = p->pNext.get())
        all.push_back(p);
    return all;
}

template <class Entry> bool HasName(const std::string& name) {
    for (const Entry* p : All<Entry>())
        if (p->NAME == name)
            return true;
    return false;
}

// Names of one kind never contain each other, apart from the pairs a test relies on.
template <class Entry>
void ExpectNoNameInsideAnother(const std::set<std::pair<std::string, std::string>>& allowed) {
    std::set<std::string> names;
    for (const Entry* p : All<Entry>())
        if (!p->NAME.empty())
            names.insert(p->NAME);
    for (const std::string& a : names)
        for (const std::string& b : names)
            if (a != b && b.find(a) != std::string::npos) {
                EXPECT_TRUE(allowed.count({a, b})) << '"' << a << "\" is part of \"" << b << '"';
            }
}

TEST_F(SampleDataTest, LoadsEveryKindWithTheBlankEntriesLast) {
    EXPECT_EQ(CharacterRace::Count(), 10u);
    EXPECT_EQ(CharacterClass::Count(), 6u);
    EXPECT_EQ(CharacterSkill::Count(), 14u);
    EXPECT_EQ(CharacterSpell::Count(), 4u);
    EXPECT_EQ(CharacterTalent::Count(), 10u);
    EXPECT_EQ(CharacterProf::Count(), 13u);
    EXPECT_EQ(CharacterEquip::Count(), 25u);
    EXPECT_EQ(CharacterSkill::Last()->NAME, "");
    EXPECT_EQ(CharacterTalent::Last()->NAME, "");
    EXPECT_EQ(CharacterProf::Last()->NAME, "");
    ExpectNoNameInsideAnother<CharacterRace>({{"Elf", "Sea Elf"}});
    ExpectNoNameInsideAnother<CharacterClass>({{"Fighter", "Fighter/Thief"}, {"Thief", "Fighter/Thief"}});
    ExpectNoNameInsideAnother<CharacterSkill>({});
    ExpectNoNameInsideAnother<CharacterSpell>({});
    ExpectNoNameInsideAnother<CharacterTalent>({});
    ExpectNoNameInsideAnother<CharacterProf>({});
    ExpectNoNameInsideAnother<CharacterEquip>({});
}

TEST_F(SampleDataTest, RacesComeInBothSexesAndLinkToClassesAndTalents) {
    std::vector<std::string> order;
    std::map<std::string, std::set<std::string>> sexes;
    int sourcebookRaces = 0;
    for (const CharacterRace* r : All<CharacterRace>()) {
        if (order.empty() || order.back() != r->NAME)
            order.push_back(r->NAME);
        sexes[r->NAME].insert(r->SEX);
        if (r->BOOK != 0)
            ++sourcebookRaces;
        EXPECT_LE(r->MINSTR, r->MAXSTR);
        EXPECT_GT(r->MOVE, 0);
        EXPECT_GT(r->nLANGUAGES, 0);
        EXPECT_GT(r->AGEDIE, 0);
        EXPECT_GT(r->HEIGHTDIE, 0);
        EXPECT_GT(r->WEIGHTDIE, 0);
        ASSERT_GT(r->nLEVELLIMIT, 0) << r->NAME;
        for (const std::string& limit : r->LEVELLIMIT) {
            const size_t eq = limit.find('=');
            ASSERT_NE(eq, std::string::npos) << limit;
            EXPECT_TRUE(HasName<CharacterClass>(limit.substr(0, eq))) << limit;
            const int level = std::stoi(limit.substr(eq + 1));
            EXPECT_TRUE(level >= 1 && level <= 99) << limit;
        }
        for (const std::string& talent : r->TALENT)
            EXPECT_TRUE(HasName<CharacterTalent>(talent)) << talent;
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Dwarf", "Elf", "Human", "Mossfolk", "Sea Elf"}));
    for (const auto& [name, s] : sexes)
        EXPECT_EQ(s, (std::set<std::string>{"Female", "Male"})) << name;
    EXPECT_EQ(sourcebookRaces, 2); // the two Mossfolk entries
}

TEST_F(SampleDataTest, ClassesCoverEachTypeAndNameTheirProficiencies) {
    std::set<std::string> types;
    for (const CharacterClass* c : All<CharacterClass>()) {
        SCOPED_TRACE(c->NAME);
        if (c->FIGHTER == 1)
            types.insert("fighter");
        if (c->MAGE == 1)
            types.insert("mage");
        if (c->CLERIC == 1)
            types.insert("cleric");
        if (c->THIEF == 1) {
            types.insert("thief");
            EXPECT_FALSE(c->THIEFSKILLS.empty());
            EXPECT_GT(c->THIEFPOINTS[1], 0);
        }
        for (int level = 1; level <= 10; ++level) {
            EXPECT_GT(c->HITDIE[level], 0);
            EXPECT_GT(c->HITDIEROLL[level], 0);
            EXPECT_GT(c->PROFSLOTS[level], 0);
        }
        EXPECT_LT(c->XPTABLE[1], c->XPTABLE[2]);
        EXPECT_EQ(c->HITDIE[0], 0);
        EXPECT_FALSE(c->ALIGNMENT.empty());
        EXPECT_TRUE(c->SAVEAS >= 1 && c->SAVEAS <= 5);
        EXPECT_LE(c->MINDEX, c->MAXDEX);
        EXPECT_GT(c->KICKER, 0);
        ASSERT_GT(c->nWEAPON, 0);
        for (const std::string& weapon : c->WEAPON)
            EXPECT_TRUE(HasName<CharacterProf>(weapon)) << weapon;
    }
    EXPECT_EQ(types, (std::set<std::string>{"cleric", "fighter", "mage", "thief"}));
    EXPECT_TRUE(HasName<CharacterClass>("Fighter/Thief"));
    bool sourcebookClass = false;
    for (const CharacterClass* c : All<CharacterClass>())
        sourcebookClass = sourcebookClass || c->BOOK != 0;
    EXPECT_TRUE(sourcebookClass);
    bool meleeProficiency = false;
    for (const CharacterProf* p : All<CharacterProf>())
        meleeProficiency = meleeProficiency || (p->TYPE == 0 && !p->NAME.empty());
    EXPECT_TRUE(meleeProficiency);
}

TEST_F(SampleDataTest, SkillsSpreadOverCategoriesWithPrerequisitesThatExist) {
    std::set<int> categories;
    bool extendable = false, withPrerequisite = false;
    for (const CharacterSkill* s : All<CharacterSkill>()) {
        if (s->NAME.empty())
            continue;
        categories.insert(s->CATEGORY);
        extendable = extendable || s->EXTEND;
        for (const std::string& prereq : s->COURSE_PREREQS) {
            withPrerequisite = true;
            EXPECT_TRUE(HasName<CharacterSkill>(prereq)) << prereq;
        }
        EXPECT_GT(s->COURSE_DIE, 0) << s->NAME;
        EXPECT_FALSE(s->MASTERY_ABILITIES.empty()) << s->NAME;
    }
    EXPECT_GE(categories.size(), 10u);
    EXPECT_TRUE(extendable);
    EXPECT_TRUE(withPrerequisite);
}

TEST_F(SampleDataTest, EquipmentHasItsCategoryTableAndEveryCoin) {
    const CharacterEquip* table = CEquip.Find("Categories");
    ASSERT_NE(table, nullptr);
    ASSERT_GT(table->nCATEGORY, 0);
    std::set<std::string> coins;
    bool combinable = false;
    for (const CharacterEquip* e : All<CharacterEquip>()) {
        if (e == table)
            continue;
        SCOPED_TRACE(e->NAME);
        EXPECT_TRUE(e->TABLEID >= 1 && e->TABLEID <= table->nCATEGORY);
        coins.insert(e->COIN);
        combinable = combinable || e->COMBINE;
    }
    EXPECT_EQ(coins, (std::set<std::string>{"Copper", "Gold", "Silver"}));
    EXPECT_TRUE(combinable);
    ASSERT_NE(CEquip.Find("Starting Clothes"), nullptr);
    EXPECT_EQ(CEquip.Find("Starting Clothes")->NAME, "Starting Clothes");
}

} // namespace
