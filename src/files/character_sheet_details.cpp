// The character sheet from the class-dependent boxes to the end of the page.
#include <array>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/character.h"
#include "catalog/equipment_catalog.h"
#include "files/character_derived_values.h"
#include "files/sheet_lines.h"

namespace {

// The number of equipment groups the inventory always shows, whatever the catalogue names.
constexpr size_t kEquipmentGroups = 21;

struct BackgroundRow {
    const char* label;
    const std::string* value;
};

// A background block inside a sourcebook box: its title, a spacer, one row per value.
void WriteBackground(SheetLines& s, const char* title, const std::vector<BackgroundRow>& rows) {
    s.Line("<TR><TD COLSPAN=10><CENTER>", title, "</CENTER></TD></TR><TR><P></TR>");
    s.Line("<TR><TD COLSPAN=10></TD></TR><TR><P></TR>");
    for (const BackgroundRow& r : rows)
        s.Line("<TR><TD COLSPAN=10>", r.label, *r.value, "</TD></TR>");
    s.Line("<TR></TR>");
}

void WriteMagicUserBackground(SheetLines& s) {
    const Character_Class& pc = current_character;
    WriteBackground(s, "Magic-User Background",
                    {{"Location of School: ", &pc.SCHOOL_LOCATION},
                     {"Type of School: ", &pc.SCHOOL_TYPE},
                     {"Quality of Master, Nurture: ", &pc.MASTER_QUALITY_NURTURE},
                     {"Quality of Master, Education: ", &pc.MASTER_QUALITY_EDUCATION},
                     {"Graduating Class Size: ", &pc.CLASS_SIZE},
                     {"Classroom Equipment: ", &pc.CLASS_EQUIPMENT},
                     {"Graduating Rank: ", &pc.CLASS_RANK},
                     {"Final Outcome: ", &pc.FINAL_OUTCOME}});
}

void WriteClericBackground(SheetLines& s) {
    const Character_Class& pc = current_character;
    WriteBackground(s, "Cleric Background",
                    {{"The Call: ", &pc.PA_THE_CALL},
                     {"Type of Ecclesiastical Training: ", &pc.PA_SCHOOL_TYPE},
                     {"Competency of Reverend Superior: ", &pc.PA_REVEREND_SUPERIOR_COMPETENCY},
                     {"Personality of Reverend Superior: ", &pc.PA_REVEREND_SUPERIOR_PERSONALITY},
                     {"Religious Accoutrements: ", &pc.PA_ACCOUTREMENTS},
                     {"Location of Residency: ", &pc.PA_RESIDENCY_LOCATION},
                     {"Results of Residency: ", &pc.PA_RESIDENCY_RESULTS},
                     {"Quality of Education Final Results: ", &pc.PA_FINAL_RESULTS}});
}

void WriteFighterBackground(SheetLines& s) {
    const Character_Class& pc = current_character;
    // Shorter event lists than the rows give empty rows, so the block always has its shape.
    const std::vector<std::string> accidents = EventLines(pc.ACCIDENT_EVENT, 2);
    const std::vector<std::string> war = EventLines(pc.WAR_EVENT, 3);
    const std::vector<std::string> tour = EventLines(pc.NONCOMBAT_EVENT, 4);
    const char* const tourLabel = "Notable Events During Non-Combat Tour of Duty: ";
    WriteBackground(s, "Fighter Background",
                    {{"Type of Training Camp: ", &pc.CAMP_TYPE},
                     {"Quality of Basic Training: ", &pc.CAMP_QUALITY},
                     {"Results of Basic Training: ", &pc.CAMP_RESULTS},
                     {"Training Accident: ", &accidents[0]},
                     {"Training Accident: ", &accidents[1]},
                     {"Specialty Assignment: ", &pc.SPECIALTY_ASSIGNMENT},
                     {"Quality of Advanced Individual Training: ", &pc.AIT_QUALITY},
                     {"State of Hostilities: ", &pc.STATE_OF_HOSTILITIES},
                     {"War: ", &war[0]},
                     {"War: ", &war[1]},
                     {"War: ", &war[2]},
                     {"Local Attitude to Occupying Force: ", &pc.OCCUPYING_FORCE_ATTITUDE},
                     {"Notable Events During Occupation: ", &pc.OCCUPATION_EVENT},
                     {"Notable Events to Quell Guerilla Movement: ", &pc.GUERILLA_EVENT},
                     {tourLabel, &tour[0]},
                     {tourLabel, &tour[1]},
                     {tourLabel, &tour[2]},
                     {tourLabel, &tour[3]}});
}

// A sourcebook box: its title line, the background when the book's flag is set, and nothing else.
void WriteBookBox(SheetLines& s, const char* title, bool withBackground, void (*background)(SheetLines&)) {
    s.BoxOpen();
    s.Line("<TABLE WIDTH=100% ALIGN=CENTER><TR><TD COLSPAN=10><BIG><B><CENTER>", title,
           "</CENTER></BIG></B><BR>");
    if (withBackground)
        background(s);
    s.Line("</TR>");
    s.Line("</TABLE>");
    s.BoxClose();
}

void WriteThiefAbilities(SheetLines& s) {
    static const char* const skills[] = {"Pick Pockets", "Open Locks",    "Find Traps",
                                         "Remove Traps", "Move Silently", "Hide in Shadows",
                                         "Detect Noise", "Climb Walls",   "Read Languages"};
    const Character_Class& pc = current_character;
    s.BoxOpen();
    s.Line("<TABLE  VALIGN=MIDDLE WIDTH=100% ALIGN=CENTER>");
    s.Line("<TR>");
    s.Line("<TD COLSPAN=10><BIG><CENTER>Thief Abilities</TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD><B>SKILL</TD>");
    for (const char* skill : skills)
        s.Line("<TD ALIGN=CENTER>", skill, "</TD>");
    s.Line("</TR>");
    // Armor changes nothing yet, so the no-armor row repeats the base values.
    for (const char* rowHead : {"<TD><B>BASE</TD>", "<TD><SMALL>No Armor</TD>"}) {
        s.Line("<TR>");
        s.Line(Markup(rowHead));
        for (const int32_t value : pc.THIEF_SKILLS)
            s.Line("<TD ALIGN=CENTER>", value, "%</TD>");
        s.Line("</TR>");
    }
    s.Line("</TABLE>");
    s.BoxClose();
}

void WriteQuirks(SheetLines& s) {
    if (!QuirkDataItem::First())
        return;
    s.ListOpen("Quirks and Flaws");
    const char* open = "<UL><LI>"; // the first item's line also opens the list
    for (const QuirkDataItem* q = QuirkDataItem::First(); q; q = q->pNext.get()) {
        if (q->value > 1)
            s.Line(Markup(open), q->name, "x", q->value);
        else
            s.Line(Markup(open), q->name);
        open = "<LI>";
    }
    s.Line("</UL>");
    s.ListClose();
}

const char* ProficiencyLevel(int32_t value) {
    switch (value) {
    case 1:
        return ": Basic";
    case 2:
        return ": Specialized";
    case 3:
        return ": Mastery";
    case 4:
        return ": Grand Mastery";
    default:
        return "";
    }
}

std::string TalentText(const TalentDataItem& t) {
    if (t.name.find("Bonus") != std::string::npos)
        return t.name + " x" + std::to_string(t.value);
    if (t.name.find("Lucky") != std::string::npos)
        return t.name + " d" + std::to_string(t.value);
    return t.name;
}

// One sub-list of the skills box, written only when its list holds something. An item's text is
// escaped whole.
template <class Node, class ItemText> void WriteSubList(SheetLines& s, const char* title, ItemText itemText) {
    if (!Node::First())
        return;
    s.Line("<UL><LI><BIG><B>", title, "</BIG></B><UL>");
    for (const Node* n = Node::First(); n; n = n->pNext.get())
        s.Line("<LI>", itemText(*n));
    s.Line("</UL></UL>");
}

void WriteSkillsTalentsProficiencies(SheetLines& s) {
    if (!ProfDataItem::First() && !TalentDataItem::First() && !SkillDataItem::First())
        return;
    s.ListOpen("Skills, Talents and Proficiencies");
    WriteSubList<ProfDataItem>(s, "Weapon Proficiencies",
                               [](const ProfDataItem& p) { return p.name + ProficiencyLevel(p.value); });
    WriteSubList<TalentDataItem>(s, "Talents", TalentText);
    WriteSubList<SkillDataItem>(
        s, "Skills", [](const SkillDataItem& k) { return k.name + " " + std::to_string(k.value) + "%"; });
    s.ListClose();
}

void WriteEquipmentGroups(SheetLines& s) {
    if (!EquipDataItem::First())
        return;
    const CharacterEquip* categories = CharacterEquip::Find("Categories");
    // A missing or short category list leaves the group unnamed; its items are still listed.
    static const std::string unnamed;
    const auto groupName = [categories](size_t k) -> const std::string& {
        return categories && k < categories->CATEGORY.size() ? categories->CATEGORY[k] : unnamed;
    };
    // Each owned item's catalogue entry is looked up once (once per name), and the item goes to the
    // group the entry names, keeping the list's order within the group.
    std::array<std::vector<const EquipDataItem*>, kEquipmentGroups> groups;
    std::unordered_map<std::string_view, const CharacterEquip*> entries;
    for (const EquipDataItem* item = EquipDataItem::First(); item; item = item->pNext.get()) {
        if (item->value < 1)
            continue;
        const auto [at, added] = entries.try_emplace(item->name, nullptr);
        if (added)
            at->second = CharacterEquip::Find(item->name);
        const CharacterEquip* entry = at->second;
        if (entry && entry->TABLEID >= 1 && static_cast<size_t>(entry->TABLEID) <= kEquipmentGroups)
            groups[static_cast<size_t>(entry->TABLEID) - 1].push_back(item);
    }
    for (size_t k = 0; k < kEquipmentGroups; ++k) {
        s.Line("<UL>", groupName(k));
        for (const EquipDataItem* item : groups[k]) {
            if (item->value == 1)
                s.Line(item->name);
            else
                s.Line(item->name, " x", item->value);
        }
        s.Line("</UL>");
    }
}

void WriteInventory(SheetLines& s) {
    const Character_Class& pc = current_character;
    s.ListOpen("Inventory");
    s.Line("<UL><B>Coins & Money</B>");
    const struct {
        int32_t count;
        const char* unit;
    } coins[] = {{pc.GOLDCOINS, " gold pieces"},
                 {pc.SILVERCOINS, " silver pieces"},
                 {pc.COPPERCOINS, " copper pieces"}};
    for (const auto& c : coins)
        if (c.count > 0)
            s.Line("<LI>", c.count, c.unit);
    const struct {
        const char* label;
        const std::string& value;
    } inherited[] = {
        {"Inherited Weapon: ", pc.INHERITED_WEAPON},
        {"Inherited Armor: ", pc.INHERITED_ARMOR},
        {"Inherited Shield/Helmet: ", pc.INHERITED_SHIELDHELMET},
        {"Inherited Mount: ", pc.INHERITED_MOUNT},
        {"Inherited Deed: ", pc.INHERITED_DEED},
    };
    for (const auto& i : inherited)
        if (!i.value.empty())
            s.Line(i.label, i.value);
    if (pc.HEREDITARY_DEBT != 0)
        s.Line("<LI>Hereditary Debt: ", pc.HEREDITARY_DEBT);
    s.Line("</UL>");
    WriteEquipmentGroups(s);
    s.ListClose();
}

void WriteFamily(SheetLines& s) {
    const Character_Class& pc = current_character;
    s.ListOpen("Family Information");
    s.Line("<LI>Father: ", pc.FATHER_STATUS, ", ", pc.FATHER_QUALITY);
    s.Line("<LI>Mother: ", pc.MOTHER_STATUS, ", ", pc.MOTHER_QUALITY);
    s.Line("<LI>Step Parent: ", pc.STEPPARENT);
    s.Line("<LI>Birth Order: ", pc.BIRTH_ORDER);
    for (size_t i = 0; i < 9; ++i)
        s.Line("<LI>SIBLING ", static_cast<int32_t>(i + 1), ": ", pc.SIBLING_TEXT[i].str());
    s.Line("</TD>");
    s.Line("</TR>");
    s.Line("</TABLE>");
    s.Line("</TD>");
    s.Line("</TR>");
    s.Line("</TABLE>");
}

} // namespace

void WriteSheetDetails(SheetLines& s) {
    const ClassBlocks blocks = CharacterClassBlocks();
    if (blocks.magicUser)
        WriteBookBox(s, "Spells Known", blocks.magicUserBackground, WriteMagicUserBackground);
    if (blocks.cleric)
        WriteBookBox(s, "Priest's Almanac", blocks.clericBackground, WriteClericBackground);
    if (blocks.fighter)
        WriteBookBox(s, "Warlord's Almanac", blocks.fighterBackground, WriteFighterBackground);
    if (blocks.thief)
        WriteThiefAbilities(s);
    WriteQuirks(s);
    WriteSkillsTalentsProficiencies(s);
    WriteInventory(s);
    WriteFamily(s);
    s.Line("<P>");
    // The notices are kept escaped, as the character file writes them too.
    s.Line(Markup(kProgramCreditsNotice));
    s.Line("<BR>");
    s.Line(Markup(kGameRightsNotice));
    s.Line("</BODY>");
    s.Line("</HTML>");
}
