#include "support/character_fixture.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/character.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "files/character_file_check.h"
#include "files/character_xml_reader.h"

namespace {

void AddRace(const char* name, const char* sex, int32_t move, std::vector<std::string> bonus,
             std::vector<std::string> talents, std::vector<std::string> downsides) {
    auto race = std::make_unique<CharacterRace>();
    race->NAME = name;
    race->SEX = sex;
    race->MOVE = move;
    race->RTEXT = std::move(bonus);
    race->RTALENTS = std::move(talents);
    race->RDOWNSIDE = std::move(downsides);
    race->nRTEXT = static_cast<int32_t>(race->RTEXT.size());
    race->nRTALENTS = static_cast<int32_t>(race->RTALENTS.size());
    race->nRDOWNSIDE = static_cast<int32_t>(race->RDOWNSIDE.size());
    CharacterRace::AddTail(std::move(race));
}

void AddClass(const char* name, int32_t mage, int32_t fighter, int32_t cleric, int32_t thief,
              int32_t saveAs) {
    auto cls = std::make_unique<CharacterClass>();
    cls->NAME = name;
    cls->MAGE = mage;
    cls->FIGHTER = fighter;
    cls->CLERIC = cleric;
    cls->THIEF = thief;
    cls->SAVEAS = saveAs;
    CharacterClass::AddTail(std::move(cls));
}

} // namespace

void AddFixtureCatalogues() {
    AddRace("Elf", "Female", 12, {"+1 Dexterity", "Infravision 60 ft."}, {"Keen Sight"}, {"-1 Constitution"});
    AddRace("Elf", "Male", 12, {"+1 Dexterity"}, {}, {});
    AddRace("Half-Elf", "Female", 12, {}, {"Charm & Wit"}, {});
    AddClass("Fighter", 0, 1, 0, 0, 2);
    AddClass("Thief", 0, 0, 0, 1, 3);
    AddClass("Fighter/Thief", 0, 1, 0, 1, 2);
    AddClass("Mage", 1, 0, 0, 0, 1);
    AddClass("Cleric", 0, 0, 1, 0, 4);
}

CharacterRace* FixtureRace(const std::string& name, const std::string& sex) {
    for (CharacterRace* r = CharacterRace::First(); r; r = r->pNext.get())
        if (r->NAME == name && r->SEX == sex)
            return r;
    return nullptr;
}

CharacterClass* FixtureClass(const std::string& name) {
    for (CharacterClass* c = CharacterClass::First(); c; c = c->pNext.get())
        if (c->NAME == name)
            return c;
    return nullptr;
}

void BuildTwoClassCharacter() {
    program_data.ProgramVersion = "5.1";
    Character_Class& pc = current_character;
    pc.CHARACTER_NAME = "Ada Brightwater";
    pc.RACE = "Elf";
    pc.SEX = "Female";
    pc.pRace = FixtureRace("Elf", "Female");
    pc.pClass = FixtureClass("Fighter/Thief");
    pc.CLASS_LONG_NAME = "Fighter/Thief";
    pc.LEVEL = 1;
    pc.ALIGNMENT = "Chaotic Good";
    pc.SOCIAL_CLASS = "Middle Middle Class";
    pc.SOCIAL_ID = 6;
    pc.CHARACTER_HEIGHT = 64;
    pc.CHARACTER_WEIGHT = 118;
    pc.HANDEDNESS = "Left";
    pc.AGE = 112;
    pc.ABILITY_BASE = {17, 15, 14, 12, 10, 13, 16};
    pc.ABILITY_PERC = {45, 10, 0, 99, 50, 1, 30};
    pc.HONOR_BASE = 23;
    pc.HIT_POINTS = 27;
    pc.BOOK_CLASS_FLAG[1] = true;
    pc.CAMP_TYPE = "Standard Camp";
    pc.CAMP_QUALITY = "Good";
    pc.CAMP_RESULTS = "Passed";
    pc.ACCIDENT_EVENT = {"Twisted ankle"};
    pc.SPECIALTY_ASSIGNMENT = "Scout";
    pc.AIT_QUALITY = "Excellent";
    pc.STATE_OF_HOSTILITIES = "Skirmishes";
    pc.WAR_EVENT = {"Ambushed", "Held the bridge"};
    pc.OCCUPYING_FORCE_ATTITUDE = "Harsh";
    pc.OCCUPATION_EVENT = "";
    pc.GUERILLA_EVENT = "Caught a spy";
    pc.NONCOMBAT_EVENT = {"Guard duty"};
    pc.GOLDCOINS = 40;
    pc.SILVERCOINS = 0;
    pc.COPPERCOINS = 7;
    pc.INHERITED_WEAPON = "Long Sword";
    pc.INHERITED_DEED = "Deed to a mill";
    pc.FAMILY_HERITAGE = "Old river family";
    pc.FATHER_STATUS = "Living";
    pc.FATHER_QUALITY = "Kind";
    pc.MOTHER_STATUS = "Deceased";
    pc.MOTHER_QUALITY = "Stern";
    pc.STEPPARENT = "";
    pc.LEGITAMACY_OF_BIRTH = "Legitimate";
    pc.CIRCUMSTANCE_OF_BIRTH = "Born at sea";
    pc.BIRTH_ORDER = "Second born";
    pc.SIBLINGS = 2;
    pc.SIBLING_TEXT[0] = std::string("Older brother, a miller");
    pc.SIBLING_TEXT[1] = std::string("Younger sister");

    const char* const names[] = {"Fighter", "Thief"};
    for (int k = 0; k < 2; ++k) {
        auto record = std::make_unique<ClassDataItem>();
        record->CLASS_NAME = names[k];
        record->pClass = FixtureClass(names[k]);
        record->CLASS_LEVEL = 1;
        record->CLASS_EXP = k == 0 ? 1250.5f : 0.0f;
        for (size_t i = 0; i < 2; ++i) {
            record->CLASS_HITPOINTS[i] = static_cast<int32_t>(8 + i + 2 * k);
            record->CLASS_STR_GROW[i] = static_cast<int32_t>(i);
            record->CLASS_PICK_POCKETS[i] = k == 1 ? static_cast<int32_t>(15 + i * 5) : 0;
            record->CLASS_READ_LANGUAGES[i] = k == 1 ? -5 : 0;
        }
        ClassDataItem().AddTail(std::move(record));
    }
    AddListItem<EquipDataItem>("Starting Clothes", 1);
    AddListItem<EquipDataItem>("Rope, 50 ft.", 2);
    AddListItem<SpellDataItem>("Light", 3);
    AddListItem<QuirkDataItem>("Greedy", 1);
    AddListItem<ProfDataItem>("Long Sword", 2);
    AddListItem<ProfDataItem>("Dagger", 1);
    AddListItem<TalentDataItem>("Keen Sight", 1);
    AddListItem<SkillDataItem>("Climbing", 45);
    AddListItem<SkillDataItem>("Swimming", 30);
}

void CharacterFileTest::SetUp() {
    GlobalsTest::SetUp();
    AddFixtureCatalogues();
    program_data.ProgramVersion = "5.1";
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> LinesBetween(const std::string& text, const std::string& open,
                                      const std::string& close) {
    std::vector<std::string> out;
    bool inside = false;
    for (const std::string& line : SplitLines(text)) {
        if (!inside) {
            inside = line == open;
            continue;
        }
        if (line == close)
            return out;
        out.push_back(line);
    }
    return {};
}

void ReadCharacterBytes(const std::string& bytes) {
    size_t pos = 0;
    CatalogLineReader lines(
        [&](char* buffer, size_t room) {
            const size_t n = std::min(room, bytes.size() - pos);
            std::memcpy(buffer, bytes.data() + pos, n);
            pos += n;
            return n;
        },
        kCharacterFileLineLimit);
    XMLRead().ReadXMLSheet(lines);
}
