#include "ui/tree_pushers.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <vector>

#include "app/character.h"
#include "app/numbers.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "ui/ability_scores.h"
#include "ui/derived_stats.h"
#include "ui/tree_model.h"

namespace {

// The label/value pairs of one push.
class Pairs {
public:
    void Add(const std::string& label, const std::string& value) {
        labels_.push_back(label);
        values_.push_back(value);
    }
    int Count() const { return static_cast<int>(labels_.size()); }
    void PushAs(const std::string& branch) const { UpdateTreeBranch(branch, labels_, values_, Count()); }

private:
    std::vector<std::string> labels_;
    std::vector<std::string> values_;
};

// The placeholder value of a label that a later push turns into a sub-branch.
const char* const kPlaceholder = "t";

std::string Int(int32_t value) {
    return Format("%i", value);
}

// The shape shared by the list pushers: one pair per node; an empty list pushes nothing, so a
// branch already shown keeps its earlier content.
template <class Node, class ValueText> void PushList(const char* branch, ValueText valueText) {
    Pairs pairs;
    for (const Node* node = Node::First(); node; node = node->pNext.get())
        pairs.Add(node->name, valueText(*node));
    if (pairs.Count() > 0)
        pairs.PushAs(branch);
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// A class the race may take, as its level-limit entry writes it, with the catalogue class it matched.
struct AllowedClass {
    std::string name;
    std::string limit;
    const CharacterClass* entry;
};

// Every pair of a level-limit entry and an enabled catalogue class of that name (letter case aside),
// in entry order and then catalogue order; entries without "=" are skipped.
std::vector<AllowedClass> AllowedClasses(const CharacterRace& race) {
    std::vector<AllowedClass> allowed;
    for (const std::string& item : race.LEVELLIMIT) {
        const size_t eq = item.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string name = item.substr(0, eq);
        for (const CharacterClass* cls = CharacterClass::First(); cls; cls = cls->pNext.get())
            if (EqualsIgnoringCase(cls->NAME, name) && BookEnabled(cls->BOOK))
                allowed.push_back({name, item.substr(eq + 1), cls});
    }
    return allowed;
}

struct AbilityBounds {
    const char* ability;
    float CharacterClass::*min;
    float CharacterClass::*max;
};

const AbilityBounds kAbilityBounds[] = {
    {"STR", &CharacterClass::MINSTR, &CharacterClass::MAXSTR},
    {"DEX", &CharacterClass::MINDEX, &CharacterClass::MAXDEX},
    {"CON", &CharacterClass::MINCON, &CharacterClass::MAXCON},
    {"INT", &CharacterClass::MININT, &CharacterClass::MAXINT},
    {"WIS", &CharacterClass::MINWIS, &CharacterClass::MAXWIS},
    {"CHA", &CharacterClass::MINCHA, &CharacterClass::MAXCHA},
    {"COM", &CharacterClass::MINCOM, &CharacterClass::MAXCOM},
};

// -99 and 99 are the catalogue's way of writing "no bound".
Pairs ClassLimits(const AllowedClass& allowed) {
    Pairs pairs;
    pairs.Add("Level Limit", LevelLimitText(allowed.limit));
    for (const AbilityBounds& b : kAbilityBounds) {
        const float min = allowed.entry->*b.min;
        const float max = allowed.entry->*b.max;
        if (min != -99.0f)
            pairs.Add(std::string("minimum ") + b.ability, FormatFixed(static_cast<double>(min), 2, -1));
        if (max != 99.0f)
            pairs.Add(std::string("maximum ") + b.ability, FormatFixed(static_cast<double>(max), 2, -1));
    }
    return pairs;
}

void PushMovement(const CharacterRace& race) {
    LogStepLine("entering movement");
    const int32_t m = GetMovement(race.MOVE);
    Pairs pairs;
    pairs.Add("Unencumbered", Int(m));
    pairs.Add("Light", Int(static_cast<int32_t>(static_cast<float>(m) * 0.75f)));
    pairs.Add("Moderate", Int(m / 2));
    pairs.Add("Heavy Laden", Int(m / 4));
    pairs.Add("Severe", Int(1));
    pairs.PushAs("Movement");
}

// The texts of `list` that are not empty, at most `limit` of them, as labels alone.
Pairs TextEvents(const std::vector<std::string>& list, size_t limit) {
    Pairs pairs;
    for (size_t i = 0; i < list.size() && i < limit; ++i)
        if (!list[i].empty())
            pairs.Add(list[i], "");
    return pairs;
}

void PushMageBackground(const Character_Class& pc) {
    Pairs pairs;
    pairs.Add("Location of Mage School", pc.SCHOOL_LOCATION);
    pairs.Add("Type of Mage School", pc.SCHOOL_TYPE);
    pairs.Add("Quality of Master: Nurture", pc.MASTER_QUALITY_NURTURE);
    pairs.Add("Quality of Master: Education", pc.MASTER_QUALITY_EDUCATION);
    pairs.Add("Class Size", pc.CLASS_SIZE);
    pairs.Add("Classroom Equipment", pc.CLASS_EQUIPMENT);
    pairs.Add("Graduating Class Rank", pc.CLASS_RANK);
    pairs.Add("Final Outcome", pc.FINAL_OUTCOME);
    pairs.PushAs("MA Background");
}

void PushFighterBackground(const Character_Class& pc) {
    const char* const kWar = "War";
    const char* const kNonCombat = "Notable Events During Non Combat Tour of Duty";
    const char* const kHostilities = "State of Hostilities";
    // A push lands on the first item of its name anywhere in the tree, and the state of hostilities
    // may well read "War". So that value and the accident texts, which stand before the label "War",
    // go in only after the war and tour events have found their own labels.
    Pairs pairs;
    pairs.Add("Type of Training Camp", pc.CAMP_TYPE);
    pairs.Add("Quality of Basic Training", pc.CAMP_QUALITY);
    pairs.Add("Results of Basic Training", pc.CAMP_RESULTS);
    pairs.Add("Training Accidents", kPlaceholder);
    pairs.Add("Specialty Assignment", pc.SPECIALTY_ASSIGNMENT);
    pairs.Add("Quality of Advanced Individual Training", pc.AIT_QUALITY);
    pairs.Add(kHostilities, "");
    pairs.Add(kWar, kPlaceholder);
    pairs.Add("Local Attitude to Occupying Force", pc.OCCUPYING_FORCE_ATTITUDE);
    pairs.Add("Notable Events During Occupation", pc.OCCUPATION_EVENT);
    pairs.Add("Notable Events to Quell Guerilla Movement", pc.GUERILLA_EVENT);
    pairs.Add(kNonCombat, kPlaceholder);
    pairs.PushAs("WA Background");

    // Each event list hangs under its label; an empty one removes the label.
    const size_t all = std::numeric_limits<size_t>::max();
    TextEvents(pc.WAR_EVENT, all).PushAs(kWar);
    TextEvents(pc.NONCOMBAT_EVENT, all).PushAs(kNonCombat);
    TextEvents(pc.ACCIDENT_EVENT, 3).PushAs("Training Accidents");

    if (!pc.STATE_OF_HOSTILITIES.empty()) {
        Pairs state;
        state.Add(pc.STATE_OF_HOSTILITIES, "");
        state.PushAs(kHostilities);
    }
}

// The labels of the cleric background are those of the character sheet.
void PushPriestBackground(const Character_Class& pc) {
    Pairs pairs;
    pairs.Add("The Call", pc.PA_THE_CALL);
    pairs.Add("Type of Ecclesiastical Training", pc.PA_SCHOOL_TYPE);
    pairs.Add("Competency of Reverend Superior", pc.PA_REVEREND_SUPERIOR_COMPETENCY);
    pairs.Add("Personality of Reverend Superior", pc.PA_REVEREND_SUPERIOR_PERSONALITY);
    pairs.Add("Religious Accoutrements", pc.PA_ACCOUTREMENTS);
    pairs.Add("Location of Residency", pc.PA_RESIDENCY_LOCATION);
    pairs.Add("Results of Residency", pc.PA_RESIDENCY_RESULTS);
    pairs.Add("Quality of Education Final Results", pc.PA_FINAL_RESULTS);
    pairs.PushAs("PA Background");
}

// The record keeps no rogue background texts; the branch says which sourcebook binds the class.
void PushRogueBackground() {
    Pairs pairs;
    pairs.Add("Sourcebook", "Rogue's Almanac");
    pairs.PushAs("RA Background");
}

} // namespace

std::string LevelLimitText(const std::string& limit) {
    switch (ParseLeadingInt(limit)) {
    case 99:
        return "Unlimitted";
    case 1:
        return "Allowed";
    default:
        return limit;
    }
}

void messagePPtotree() {
    const Character_Class& pc = current_character;
    Pairs pairs;
    pairs.Add("Age", Format("%i years", pc.AGE));
    pairs.Add("Height", Format("%i inches", pc.CHARACTER_HEIGHT));
    pairs.Add("Weight", Format("%i lbs", pc.CHARACTER_WEIGHT));
    pairs.Add("Siblings", Int(pc.SIBLINGS));
    pairs.Add("Social_Class", pc.SOCIAL_CLASS);
    pairs.Add("Legitamacy_of_Birth", pc.LEGITAMACY_OF_BIRTH);
    pairs.Add("Handeness", pc.HANDEDNESS);
    pairs.Add("Birth_Circumstance", pc.CIRCUMSTANCE_OF_BIRTH);
    pairs.Add("Mother", pc.MOTHER_STATUS);
    pairs.Add("Father", pc.FATHER_STATUS);
    pairs.Add("Mother Quality", pc.MOTHER_QUALITY);
    pairs.Add("Father Quality", pc.FATHER_QUALITY);
    pairs.Add("Step_Parent", pc.STEPPARENT);
    pairs.Add("Heritage", pc.FAMILY_HERITAGE);
    pairs.Add("Birth_Order", pc.BIRTH_ORDER);
    for (int i = 0; i < 9; ++i)
        pairs.Add(Format("Sibling %i", i + 1), pc.SIBLING_TEXT[static_cast<size_t>(i)].str());
    pairs.PushAs("Prior and Particulars");
}

void messagetotree() {
    AbilityScores abilities;
    abilities.SendAbilitiestoTree();
    const CharacterRace* race = current_character.pRace;
    if (!race)
        return;

    Pairs racial;
    racial.Add("Race", race->NAME);
    racial.Add("Sex", race->SEX);
    racial.Add("Movement", kPlaceholder);
    racial.Add("Classes Available", kPlaceholder);
    racial.PushAs("Racial Data");

    const std::vector<AllowedClass> allowed = AllowedClasses(*race);
    Pairs classes;
    for (const AllowedClass& a : allowed)
        classes.Add(a.name, kPlaceholder);
    if (classes.Count() > 0)
        classes.PushAs("Classes Available");
    for (const AllowedClass& a : allowed)
        ClassLimits(a).PushAs(a.name);

    PushMovement(*race);
}

void messagetotreeStep8() {
    Character_Class& pc = current_character;
    UpdateTreeBranch("Classes Available", {}, {}, 0);

    const bool hasSpells = SpellDataItem::First() != nullptr;
    Pairs classData;
    for (const ClassDataItem* item = ClassDataItem::First(); item; item = item->pNext.get())
        classData.Add(item->CLASS_NAME, kPlaceholder);
    classData.Add("Hit Points", Int(pc.HIT_POINTS));
    if (hasSpells)
        classData.Add("Spells Known", kPlaceholder);
    const char* const kBackgrounds[] = {"MA Background", "WA Background", "PA Background", "RA Background"};
    for (size_t flag = 0; flag < pc.BOOK_CLASS_FLAG.size(); ++flag)
        if (pc.BOOK_CLASS_FLAG[flag])
            classData.Add(kBackgrounds[flag], kPlaceholder);
    classData.PushAs("Class Data");

    if (hasSpells)
        PushList<SpellDataItem>("Spells Known", [](const SpellDataItem& n) { return Int(n.value); });
    if (pc.BOOK_CLASS_FLAG[0])
        PushMageBackground(pc);
    if (pc.BOOK_CLASS_FLAG[1])
        PushFighterBackground(pc);
    if (pc.BOOK_CLASS_FLAG[2])
        PushPriestBackground(pc);
    if (pc.BOOK_CLASS_FLAG[3])
        PushRogueBackground();

    for (const ClassDataItem* item = ClassDataItem::First(); item; item = item->pNext.get()) {
        Pairs pairs;
        pairs.Add("Level", Int(item->CLASS_LEVEL));
        pairs.PushAs(item->CLASS_NAME);
        // A class item not linked to its catalogue class counts as not a thief.
        if (!item->pClass || item->pClass->THIEF != 1)
            continue;
        pc.THIEF_SKILLS = ThiefSkillTotals(*item);
        for (size_t s = 0; s < kThiefSkillTables.size(); ++s)
            pairs.Add(kThiefSkillTables[s].name, Int(pc.THIEF_SKILLS[s]));
        pairs.PushAs(item->CLASS_NAME);
    }
}

void sendskillstotree() {
    PushList<SkillDataItem>("Skills", [](const SkillDataItem& n) { return Int(n.value); });
}

void sendequiptotree() {
    PushList<EquipDataItem>("Equipment", [](const EquipDataItem& n) { return Int(n.value); });
}

void sendtalentstotree() {
    PushList<TalentDataItem>(
        "Talents", [](const TalentDataItem& n) { return n.value > 1 ? Int(n.value) : std::string(); });
}

void sendprofstotree() {
    PushList<ProfDataItem>("Proficiencies", [](const ProfDataItem& n) -> std::string {
        switch (n.value) {
        case 1:
            return "Basic";
        case 2:
            return "Specialized";
        case 3:
            return "Mastery";
        case 4:
            return "Grand Mastery";
        default:
            return Int(n.value);
        }
    });
}

void sendquirkflawtotree() {
    PushList<QuirkDataItem>("Quirks and Flaws", [](const QuirkDataItem&) { return std::string(); });
}
