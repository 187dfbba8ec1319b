// The shop of the skills, talents and proficiencies step: what is offered, what it costs, buying,
// raising, specialising and refunding, on the character record and the BP pool.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

class CharacterSkill;

// The three kinds of the kind chooser, as it lists them.
enum class ShopKind { Skill, Talent, Proficiency };
extern const std::array<const char*, 3> kShopKindNames; // "Skills", "Talents", "Proficiencies"

// The kind a kind-chooser text names ("Skills" is tested first, then "Talents", then "Proficiencies").
std::optional<ShopKind> KindOfText(const std::string& kindText);

// The skill groups of the filter: entry 0 "All Skills", entry n lists the skills of CATEGORY n.
extern const std::array<const char*, 13> kSkillGroupNames;
// The group a filter text names: the last group name it contains; 0 when it contains none.
int SkillGroupOf(const std::string& filterText);

// A skill's price in BP: its BP, halved for a mage-type class on an Academia skill (CATEGORY 2) and
// doubled on a Combat Procedures one (CATEGORY 6). The same price is paid per raise and refunded.
float AdjustCost(const CharacterSkill* skill);

// What a catalogue listing shows: its column titles and one row of cell texts per entry offered, the
// entry's NAME first.
struct ShopListing {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

// The skills of `group` (0: all) whose book is enabled, in catalogue order.
ShopListing SkillListing(int group);
// The talents the race may take from the enabled books; nothing without a race.
std::optional<ShopListing> TalentListing();
// The proficiencies the class may take from the enabled books; nothing without a class.
std::optional<ShopListing> ProficiencyListing();

// One row of what the character has taken.
struct OwnedRow {
    ShopKind kind;
    std::string name;  // the owned entry's name
    std::string value; // "45%", "x 2", "Basic" or "Specialized"
    std::string type;  // "Skill", "Talent" or "Proficiency"
};
// The owned rows from the top: proficiencies, talents, skills, each group the last taken first.
std::vector<OwnedRow> OwnedRows();

// Buys the catalogue entry named `rowText` of the kind the chooser text names: a new skill, talent or
// proficiency, a raise, a talent taken again or a specialisation, asking identifiers and choices
// through the prompter and logging the purchase. Refusals are silent. True when something was bought.
bool AddSelection(const std::string& kindText, const std::string& rowText);
bool BuySkill(const std::string& rowText);
bool BuyTalent(const std::string& rowText);
bool BuyProficiency(const std::string& rowText);

// Refunds the owned entry `name` of `kind`: a skill whole (one purchase's price), a talent one step,
// a proficiency its specialisation first. True when something was given back.
bool RemoveOwned(ShopKind kind, const std::string& name);

// Shows the description of the talent named `rowText` when the chooser is on talents and the
// description is not empty. True when it was shown.
bool ShowTalentDescription(const std::string& kindText, const std::string& rowText);
