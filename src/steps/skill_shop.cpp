#include "steps/skill_shop.h"

#include <algorithm>
#include <memory>
#include <wx/defs.h>

#include "app/character.h"
#include "app/dice.h"
#include "app/numbers.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "app/text_encoding.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog/talent_catalog.h"

const std::array<const char*, 3> kShopKindNames = {"Skills", "Talents", "Proficiencies"};

const std::array<const char*, 13> kSkillGroupNames = {
    "All Skills",
    "Skills: Arcane",
    "Skills: Academia",
    "Skills: Languages/Communication",
    "Skills: Musical Instrument",
    "Tasks: Mundane",
    "Tasks: Combat Procedures",
    "Tasks: Artisan and Performing Arts",
    "Tasks: Sophisticated",
    "Skills: Social Interaction",
    "Skills: Tools",
    "Skills: Suites",
    "Unique Barbarian",
};

namespace {

// The abbreviations a skill's MASTERY_ABILITIES names, in the order of ABILITY_BASE.
const std::array<const char*, 7> kMasteryAbbreviations = {"STR", "DEX", "CON", "INT", "WIS", "CHA", "COM"};

const std::array<const char*, 4> kProfTypeNames = {"Melee Weapon", "Missile Weapon", "Non-Weapon",
                                                   "Punching/Wrestling"};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

std::string Price(float price) {
    return FormatFixed(price, 1, -6);
}

// The first `count` texts of `list` (a count from a catalogue may exceed what was read).
std::vector<std::string> FirstTexts(const std::vector<std::string>& list, int32_t count) {
    const size_t n = std::min(list.size(), static_cast<size_t>(std::max<int32_t>(count, 0)));
    return std::vector<std::string>(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(n));
}

bool AnyContains(const std::vector<std::string>& texts, const std::string& name) {
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return Contains(t, name); });
}

// The catalogue entries a listing walks: every entry but the last, the blank one every catalogue of
// these kinds ends with.
template <class Entry, class Visit> void ForEachListed(Visit visit) {
    for (Entry* e = Entry::First(); e && e->pNext; e = e->pNext.get())
        visit(*e);
}

// The catalogue entry named exactly `name`; an entry name never stands for a longer or shorter one.
template <class Entry> Entry* ExactEntry(const std::string& name) {
    if (name.empty())
        return nullptr;
    for (Entry* e = Entry::First(); e; e = e->pNext.get())
        if (e->NAME == name)
            return e;
    return nullptr;
}

// The catalogue entry of an owned name: the entry of that exact name (`byName` true), or for a
// "Name: identifier" entry the catalogue entry whose name leads it, else the first whose name it
// contains. An empty catalogue name is contained in every text and never counts.
template <class Entry> Entry* EntryOfOwned(const std::string& owned, bool& byName) {
    byName = false;
    if (Entry* e = ExactEntry<Entry>(owned)) {
        byName = true;
        return e;
    }
    if (!Contains(owned, ":"))
        return nullptr;
    for (Entry* e = Entry::First(); e; e = e->pNext.get())
        if (!e->NAME.empty() && StartsWith(owned, e->NAME + ":"))
            return e;
    for (Entry* e = Entry::First(); e; e = e->pNext.get())
        if (!e->NAME.empty() && Contains(owned, e->NAME))
            return e;
    return nullptr;
}

template <class Node> Node* ExactOwned(const std::string& name) {
    for (Node* n = Node::First(); n; n = n->pNext.get())
        if (n->name == name)
            return n;
    return nullptr;
}

// The owned entry that stands for the catalogue name `name`: the one of exactly that name, or when
// the entry takes identifiers, the first "Name: identifier" one.
template <class Node> Node* OwnedFor(const std::string& name, bool identifiers) {
    if (Node* n = ExactOwned<Node>(name))
        return n;
    if (!identifiers)
        return nullptr;
    for (Node* n = Node::First(); n; n = n->pNext.get())
        if (StartsWith(n->name, name + ":"))
            return n;
    return nullptr;
}

// Asks which of the owned entries with identifiers of `name` is meant. Nothing when none is listed
// or the chooser is cancelled.
template <class Node> Node* ChooseOwned(const std::string& name, const char* message, const char* caption) {
    std::vector<wxString> choices;
    std::vector<Node*> nodes;
    for (Node* n = Node::First(); n; n = n->pNext.get())
        if (Contains(n->name, name + ":")) {
            choices.push_back(ToWxShown(n->name));
            nodes.push_back(n);
        }
    if (choices.empty())
        return nullptr;
    const int chosen = Prompts().Choice(message, caption, choices);
    if (chosen < 0 || static_cast<size_t>(chosen) >= nodes.size())
        return nullptr;
    return nodes[static_cast<size_t>(chosen)];
}

// The name of a new entry that takes an identifier: "Name: " and what the player types, possibly
// nothing. Nothing at all when the question is cancelled: the purchase is then called off.
std::optional<std::string> NameWithIdentifier(const std::string& name, const char* question) {
    const std::string caption = name + ": ";
    const std::optional<wxString> answer = Prompts().Text(question, ToWx(caption), wxString());
    if (!answer)
        return std::nullopt;
    return caption + FromWx(*answer);
}

// The name a new entry is held under; nothing when its identifier question was cancelled.
template <class Entry> std::optional<std::string> NewEntryName(const Entry& entry, const char* question) {
    if (!entry.EXTEND)
        return entry.NAME;
    return NameWithIdentifier(entry.NAME, question);
}

// Whether the pool holds `price` while the creation is running; editing a finished character does
// not test the pool.
bool CanPay(float price) {
    return program_data.WizardState <= kWizardNone || price <= program_data.BuildingPoints;
}

// The course and honor rolls of one purchase or raise.
int64_t SkillRolls(const CharacterSkill& skill) {
    const int64_t course = DiceRollPen(skill.COURSE_DIE, skill.NUM_OF_COURSE_DIE);
    const int64_t honor = DiceRollPenM(current_character.HONOR_DIE, 1, current_character.HONOR_DIE_BONUS);
    return course + honor;
}

// The average of the abilities the skill's MASTERY_ABILITIES names; 0 when it names none.
int32_t MasteryAverage(const CharacterSkill& skill) {
    int64_t sum = 0;
    int64_t count = 0;
    for (size_t i = 0; i < kMasteryAbbreviations.size(); ++i)
        if (Contains(skill.MASTERY_ABILITIES, kMasteryAbbreviations[i])) {
            sum += current_character.ABILITY_BASE[i];
            ++count;
        }
    return count == 0 ? 0 : static_cast<int32_t>(sum / count);
}

bool PrerequisitesMet(const CharacterSkill& skill) {
    for (const std::string& prereq : FirstTexts(skill.COURSE_PREREQS, skill.nCOURSE_PREREQS)) {
        const SkillDataItem* held = OwnedFor<SkillDataItem>(prereq, true);
        if (!held || held->value < 50)
            return false;
    }
    return true;
}

// False, with nothing bought or spent, when the identifier question is cancelled.
bool NewSkill(const CharacterSkill& skill, float price) {
    std::optional<std::string> entryName = NewEntryName(skill, "This Skill Requires a text identifier");
    if (!entryName)
        return false;
    program_data.BuildingPoints -= price;
    auto node = std::make_unique<SkillDataItem>();
    node->name = std::move(*entryName);
    const int64_t rolls = SkillRolls(skill);
    node->value = skill.COURSE_DIE == 0 ? 100 : SaturatingAdd(MasteryAverage(skill), rolls);
    const std::string name = node->name;
    current_character.SKILL_SECTION.AddTail(std::move(node));
    LogStepLine(Format("Purchasing Skill %s for %s BP", name.c_str(), Price(price).c_str()));
    return true;
}

bool RaiseSkill(const CharacterSkill& skill, SkillDataItem& owned, float price) {
    // A skill learnt whole (no course die) is held at 100 and cannot be raised.
    if (skill.COURSE_DIE == 0)
        return false;
    program_data.BuildingPoints -= price;
    owned.value = SaturatingAdd(owned.value, SkillRolls(skill));
    LogStepLine(Format("Purchasing Skill %s for %s BP", owned.name.c_str(), Price(price).c_str()));
    return true;
}

// False, with nothing bought or spent, when the identifier question is cancelled.
bool NewTalent(const CharacterTalent& talent) {
    std::optional<std::string> entryName = NewEntryName(talent, "This Talent Requires a text identifier");
    if (!entryName)
        return false;
    program_data.BuildingPoints -= static_cast<float>(talent.BP);
    auto node = std::make_unique<TalentDataItem>();
    node->name = std::move(*entryName);
    node->value = 1;
    const std::string name = node->name;
    current_character.TALENT_SECTION.AddTail(std::move(node));
    LogStepLine(Format("Purchasing Talent %s for %i BP", name.c_str(), talent.BP));
    return true;
}

bool TakeTalentAgain(const CharacterTalent& talent, TalentDataItem& owned) {
    if (owned.value >= talent.MAX)
        return false;
    program_data.BuildingPoints -= static_cast<float>(talent.BP);
    owned.value = SaturatingAdd(owned.value, 1);
    LogStepLine(Format("Purchasing Talent %s for %i BP", owned.name.c_str(), talent.BP));
    return true;
}

} // namespace

std::optional<ShopKind> KindOfText(const std::string& kindText) {
    if (Contains(kindText, "Skills"))
        return ShopKind::Skill;
    if (Contains(kindText, "Talents"))
        return ShopKind::Talent;
    if (Contains(kindText, "Proficiencies"))
        return ShopKind::Proficiency;
    return std::nullopt;
}

int SkillGroupOf(const std::string& filterText) {
    int group = 0;
    for (size_t i = 1; i < kSkillGroupNames.size(); ++i)
        if (Contains(filterText, kSkillGroupNames[i]))
            group = static_cast<int>(i);
    return group;
}

float AdjustCost(const CharacterSkill* skill) {
    if (!skill)
        return 0.0f;
    float price = static_cast<float>(skill->BP);
    const CharacterClass* cls = current_character.pClass;
    if (cls && cls->MAGE == 1) {
        if (skill->CATEGORY == 2)
            price *= 0.5f;
        else if (skill->CATEGORY == 6)
            price *= 2.0f;
    }
    return price;
}

ShopListing SkillListing(int group) {
    ShopListing listing;
    listing.columns = {"Skill", "Cost", "Base", "Page", "Course Die", "Prereqs"};
    ForEachListed<CharacterSkill>([&](const CharacterSkill& s) {
        if (!BookEnabled(s.BOOK) || (group != 0 && s.CATEGORY != group))
            return;
        std::string prereqs;
        for (const std::string& p : FirstTexts(s.COURSE_PREREQS, s.nCOURSE_PREREQS))
            prereqs += (prereqs.empty() ? "" : ", ") + p;
        const std::string die =
            s.COURSE_DIE == 0 ? std::string("N/A") : Format("%id%i", s.NUM_OF_COURSE_DIE, s.COURSE_DIE);
        listing.rows.push_back(
            {s.NAME, Price(AdjustCost(&s)) + " BP", s.MASTERY_ABILITIES, s.PAGE, die, prereqs});
    });
    return listing;
}

std::optional<ShopListing> TalentListing() {
    const CharacterRace* race = current_character.pRace;
    if (!race)
        return std::nullopt;
    ShopListing listing;
    listing.columns = {"Talent", "Cost", "Page"};
    const std::vector<std::string> allowed = FirstTexts(race->TALENT, race->nTALENT);
    ForEachListed<CharacterTalent>([&](const CharacterTalent& t) {
        if (BookEnabled(t.BOOK) && AnyContains(allowed, t.NAME))
            listing.rows.push_back({t.NAME, Format("%i BP", t.BP), t.PAGE});
    });
    return listing;
}

std::optional<ShopListing> ProficiencyListing() {
    const CharacterClass* cls = current_character.pClass;
    if (!cls)
        return std::nullopt;
    ShopListing listing;
    listing.columns = {"Weapon Proficiency", "Type"};
    const std::vector<std::string> allowed = FirstTexts(cls->WEAPON, cls->nWEAPON);
    ForEachListed<CharacterProf>([&](const CharacterProf& p) {
        if (!BookEnabled(p.BOOK) || !AnyContains(allowed, p.NAME))
            return;
        const bool known = p.TYPE >= 0 && p.TYPE < static_cast<int32_t>(kProfTypeNames.size());
        listing.rows.push_back({p.NAME, known ? kProfTypeNames[static_cast<size_t>(p.TYPE)] : ""});
    });
    return listing;
}

std::vector<OwnedRow> OwnedRows() {
    // Each group is shown with the entry taken last at its top, proficiencies above talents above skills.
    std::vector<OwnedRow> skills, talents, profs;
    for (const SkillDataItem* n = SkillDataItem::First(); n; n = n->pNext.get())
        skills.push_back({ShopKind::Skill, n->name, Format("%i%%", n->value), "Skill"});
    for (const TalentDataItem* n = TalentDataItem::First(); n; n = n->pNext.get())
        talents.push_back({ShopKind::Talent, n->name, Format("x %i", n->value), "Talent"});
    for (const ProfDataItem* n = ProfDataItem::First(); n; n = n->pNext.get()) {
        const char* rating = n->value == 1 ? "Basic" : n->value == 2 ? "Specialized" : "";
        profs.push_back({ShopKind::Proficiency, n->name, rating, "Proficiency"});
    }
    std::vector<OwnedRow> rows;
    for (auto* group : {&profs, &talents, &skills})
        rows.insert(rows.end(), group->rbegin(), group->rend());
    return rows;
}

bool BuySkill(const std::string& rowText) {
    const CharacterSkill* skill = ExactEntry<CharacterSkill>(rowText);
    if (!skill)
        return false;
    const float price = AdjustCost(skill);
    if (!CanPay(price) || !PrerequisitesMet(*skill))
        return false;
    SkillDataItem* owned = OwnedFor<SkillDataItem>(skill->NAME, skill->EXTEND);
    if (!owned)
        return NewSkill(*skill, price);
    if (!skill->EXTEND)
        return RaiseSkill(*skill, *owned, price);
    if (Prompts().YesNo("Will This be a new Skill (Yes) or are you improving an existing one (No)",
                        ToWx(skill->NAME)))
        return NewSkill(*skill, price);
    SkillDataItem* chosen = ChooseOwned<SkillDataItem>(skill->NAME, "Skills", "Please Choose Skill");
    return chosen && RaiseSkill(*skill, *chosen, price);
}

bool BuyTalent(const std::string& rowText) {
    const CharacterTalent* talent = ExactEntry<CharacterTalent>(rowText);
    if (!talent || !CanPay(static_cast<float>(talent->BP)))
        return false;
    TalentDataItem* owned = OwnedFor<TalentDataItem>(talent->NAME, talent->EXTEND);
    if (!owned)
        return NewTalent(*talent);
    if (!Contains(owned->name, ":"))
        return TakeTalentAgain(*talent, *owned);
    // A talent held with identifiers may be taken again for a new identifier, whatever its MAX.
    if (Prompts().YesNo("Will This be a new Talent (Yes) or are you incrementing an existing one (No)",
                        ToWx(talent->NAME)))
        return NewTalent(*talent);
    TalentDataItem* chosen = ChooseOwned<TalentDataItem>(talent->NAME, "Talents", "Please Choose Talent");
    return chosen && TakeTalentAgain(*talent, *chosen);
}

bool BuyProficiency(const std::string& rowText) {
    const CharacterProf* prof = ExactEntry<CharacterProf>(rowText);
    Character_Class& pc = current_character;
    if (!prof || pc.PROF_SLOTS <= 0 || !CanPay(1.0f))
        return false;
    ProfDataItem* owned = ExactOwned<ProfDataItem>(prof->NAME);
    if (!owned) {
        program_data.BuildingPoints -= 1.0f;
        auto node = std::make_unique<ProfDataItem>();
        node->name = prof->NAME;
        node->value = 1;
        pc.PROF_SECTION.AddTail(std::move(node));
        pc.PROF_SLOTS = SaturatingAdd(pc.PROF_SLOTS, -1);
        LogStepLine(Format("Purchasing Proficieny %s for 1 BP", prof->NAME.c_str()));
        return true;
    }
    // One specialisation per character, from the class's level on; a character without a class has none.
    const CharacterClass* cls = pc.pClass;
    if (pc.PROF_SLOTS < prof->SPCOST || pc.SPECIALIZED != 0 || owned->value != 1 || !cls ||
        cls->SPECIALIZE == 999 || pc.LEVEL < cls->SPECIALIZE)
        return false;
    program_data.BuildingPoints -= 1.0f;
    owned->value = 2;
    pc.SPECIALIZED = 1;
    pc.PROF_SLOTS = SaturatingAdd(pc.PROF_SLOTS, -int64_t{prof->SPCOST});
    LogStepLine(Format("Specializing Proficieny %s for 1 BP", prof->NAME.c_str()));
    return true;
}

bool AddSelection(const std::string& kindText, const std::string& rowText) {
    const std::optional<ShopKind> kind = KindOfText(kindText);
    if (rowText.empty() || !kind)
        return false;
    switch (*kind) {
    case ShopKind::Skill:
        return BuySkill(rowText);
    case ShopKind::Talent:
        return BuyTalent(rowText);
    case ShopKind::Proficiency:
        return BuyProficiency(rowText);
    }
    return false;
}

bool RemoveOwned(ShopKind kind, const std::string& name) {
    Character_Class& pc = current_character;
    bool byName = false;
    switch (kind) {
    case ShopKind::Skill: {
        SkillDataItem* owned = ExactOwned<SkillDataItem>(name);
        const CharacterSkill* skill = owned ? EntryOfOwned<CharacterSkill>(name, byName) : nullptr;
        // A skill known under its catalogue name at 1% or less is kept.
        if (!skill || (byName && owned->value <= 1))
            return false;
        const float price = AdjustCost(skill);
        program_data.BuildingPoints += price;
        LogStepLine(Format("Removing Skill %s for %s BP", name.c_str(), Price(price).c_str()));
        pc.SKILL_SECTION.Remove(owned);
        return true;
    }
    case ShopKind::Talent: {
        TalentDataItem* owned = ExactOwned<TalentDataItem>(name);
        const CharacterTalent* talent = owned ? EntryOfOwned<CharacterTalent>(name, byName) : nullptr;
        if (!talent)
            return false;
        program_data.BuildingPoints += static_cast<float>(talent->BP);
        if (owned->value <= 1) {
            LogStepLine(Format("Removing Talent %s for %i BP", name.c_str(), talent->BP));
            pc.TALENT_SECTION.Remove(owned);
        } else {
            owned->value -= 1;
            LogStepLine(Format("Decrementing Talent %s for %i BP", name.c_str(), talent->BP));
        }
        return true;
    }
    case ShopKind::Proficiency: {
        ProfDataItem* owned = ExactOwned<ProfDataItem>(name);
        const CharacterProf* prof = owned ? EntryOfOwned<CharacterProf>(name, byName) : nullptr;
        if (!prof)
            return false;
        program_data.BuildingPoints += 1.0f;
        if (owned->value > 1) {
            pc.SPECIALIZED = 0;
            pc.PROF_SLOTS = SaturatingAdd(pc.PROF_SLOTS, prof->SPCOST);
            owned->value -= 1;
            LogStepLine(Format("Removing Specialization from %s for %i BP", name.c_str(), 1));
        } else {
            pc.PROF_SLOTS = SaturatingAdd(pc.PROF_SLOTS, 1);
            LogStepLine(Format("Removing %s for %i BP", name.c_str(), 1));
            pc.PROF_SECTION.Remove(owned);
        }
        return true;
    }
    }
    return false;
}

bool ShowTalentDescription(const std::string& kindText, const std::string& rowText) {
    if (!Contains(kindText, "Talents"))
        return false;
    const CharacterTalent* talent = ExactEntry<CharacterTalent>(rowText);
    if (!talent || talent->DESCRIPTION.empty())
        return false;
    Prompts().Message(ToWx(talent->DESCRIPTION), ToWx(talent->NAME), wxOK | wxICON_INFORMATION);
    return true;
}
