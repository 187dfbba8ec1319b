#include "files/character_xml_writer.h"

#include <algorithm>

#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "files/character_derived_values.h"
#include "files/character_file_fields.h"
#include "files/character_file_path.h"
#include "files/xml_text.h"

namespace {

const char* const kProgramAuthor = "The Brindlekit developers";

class XmlLines {
public:
    void Line(const std::string& text) {
        out_ += text;
        out_ += '\n';
    }
    void Open(const std::string& tag) { Line("<" + tag + ">"); }
    void Close(const std::string& tag) { Line("</" + tag + ">"); }
    // A leaf whose value is already escaped.
    void RawLeaf(const std::string& tag, const std::string& value, const std::string& attributes = "") {
        Line("<" + tag + attributes + ">" + value + "</" + tag + ">");
    }
    void Leaf(const std::string& tag, const std::string& value, const std::string& attributes = "") {
        RawLeaf(tag, xmlSafe(value), attributes);
    }
    void Leaf(const std::string& tag, int32_t value) { RawLeaf(tag, xmlSafe(value)); }
    // An element whose opening tag, value and closing tag stand on three lines.
    void Block(const std::string& tag, const std::string& value) {
        Open(tag);
        Line(xmlSafe(value));
        Close(tag);
    }
    std::string& Text() { return out_; }

private:
    std::string out_;
};

void WriteField(XmlLines& xml, const CharacterFileField& f) {
    Character_Class& pc = current_character;
    if (f.number) {
        const int32_t value = f.number(pc);
        if (f.presence != FilePresence::AboveZero || value > 0)
            xml.RawLeaf(f.tag, xmlSafe(value), f.attributes);
    } else if (f.text) {
        const std::string& value = f.raceText && pc.pRace ? f.raceText(*pc.pRace) : f.text(pc);
        if (f.presence != FilePresence::NotEmpty || !value.empty())
            xml.Leaf(f.tag, value, f.attributes);
    } else if (f.sibling) {
        xml.Leaf(f.tag, f.sibling(pc).str(), f.attributes);
    } else if (f.events) {
        for (const std::string& e : EventLines(f.events(pc), f.eventLines))
            xml.Leaf(f.tag, e, f.attributes);
    } else {
        xml.RawLeaf(f.tag, "", f.attributes);
    }
}

void WriteSection(XmlLines& xml, FileSection section) {
    for (const CharacterFileField* f : FieldsOf(section))
        WriteField(xml, *f);
}

void WriteSource(XmlLines& xml) {
    xml.Open("SOURCE");
    xml.Open("GAME");
    xml.Open("NAME");
    xml.Leaf("FULL", "Gorewright");
    xml.Leaf("ABBR", "GW");
    xml.Close("NAME");
    xml.RawLeaf("COPYRIGHT", kGameRightsNotice);
    xml.Close("GAME");
    xml.Open("PROGRAM");
    xml.Open("NAME");
    xml.Leaf("FULL", "Gorewright Character Generator");
    xml.Leaf("ABBR", "VOLD");
    xml.Close("NAME");
    xml.Leaf("VERSION", program_data.ProgramVersion);
    xml.RawLeaf("COPYRIGHT", kProgramCreditsNotice);
    xml.RawLeaf("AUTHOR", kProgramAuthor);
    xml.Close("PROGRAM");
    xml.Close("SOURCE");
}

void WriteAttributes(XmlLines& xml) {
    const Character_Class& pc = current_character;
    const std::vector<const CharacterFileField*> scores = FieldsOf(FileSection::Abilities);
    xml.Open("ATTRIBUTES");
    for (size_t i = 0; i < AbilityRows().size(); ++i) {
        const AbilityRow& block = AbilityRows()[i];
        xml.Open("ABILITY_SCORE");
        xml.Open("NAME");
        xml.Leaf("FULL", block.full);
        xml.Leaf("ABBR", block.abbr);
        xml.Close("NAME");
        WriteField(xml, *scores[2 * i]);
        WriteField(xml, *scores[2 * i + 1]);
        for (size_t k = 0; k < block.inFile; ++k) {
            const AbilityModifier& m = block.modifiers[k];
            xml.Open("MODIFIER");
            xml.Leaf("TYPE", m.label);
            xml.Leaf("VALUE", block.lookUp(m.key, pc.ABILITY_BASE[i], pc.ABILITY_PERC[i]));
            xml.Close("MODIFIER");
        }
        xml.Close("ABILITY_SCORE");
    }
    xml.Open("ABILITY_SCORE");
    xml.Open("NAME");
    xml.Leaf("FULL", "Honor");
    xml.Leaf("ABBR", "HON");
    xml.Close("NAME");
    WriteSection(xml, FileSection::Honor);
    xml.Open("MODIFIER");
    xml.Leaf("VALUE", "Honor Text Goes Here");
    xml.Close("MODIFIER");
    xml.Close("ABILITY_SCORE");
    xml.Close("ATTRIBUTES");
}

void WriteClasses(XmlLines& xml) {
    for (const ClassDataItem* c = ClassDataItem::First(); c; c = c->pNext.get()) {
        xml.Open("CLASS_DATA");
        xml.Leaf("CLASS_NAME", c->CLASS_NAME);
        xml.Leaf("CLASS_LEVEL", c->CLASS_LEVEL);
        xml.RawLeaf("CLASS_EXP", FormatGeneral(c->CLASS_EXP));
        // The tables hold levels 0 to 99; a higher level writes what they hold.
        const int32_t last = std::min<int32_t>(c->CLASS_LEVEL, 99);
        for (int32_t i = 0; i <= last; ++i) {
            const std::string index = std::to_string(i);
            for (const ClassLevelColumn& col : ClassLevelColumns())
                xml.Leaf(col.name + ("_" + index), (c->*col.table)[static_cast<size_t>(i)]);
        }
        xml.Close("CLASS_DATA");
    }
}

void WriteSavingThrows(XmlLines& xml) {
    xml.Open("SAVING_THROWS");
    for (const SavingThrow& t : SavingThrows()) {
        xml.Open("THROW");
        xml.Open("NAME");
        xml.Block("FULL", t.full);
        xml.Block("ABBR", t.abbr);
        xml.Close("NAME");
        xml.Open("VALUE");
        xml.Line(xmlSafe(t.value));
        xml.Close("VALUE");
        xml.Close("THROW");
    }
    xml.Close("SAVING_THROWS");
}

void WriteMovement(XmlLines& xml) {
    const MovementRates m = CharacterMovement();
    struct Category {
        const char* full;
        const char* abbr;
        std::string load;
        std::string rate;
    };
    const Category categories[] = {
        {"Unencumbered", "Unenc", "0 - " + m.allowance, xmlSafe(m.unencumbered)},
        {"Light", "Lgt", m.lightLoad, FormatGeneral(m.light)},
        {"Moderate", "Mod", m.moderateLoad, xmlSafe(m.moderate)},
        {"Heavy", "Hvy", m.heavyLoad, xmlSafe(m.heavy)},
        {"Severe", "Svr", m.severeLoad, "1"},
    };
    xml.Open("MOVEMENT_RATES");
    for (const Category& c : categories) {
        xml.Open("MOVE_CATEGORY");
        xml.Open("NAME");
        xml.Leaf("FULL", c.full);
        xml.Leaf("ABBR", c.abbr);
        xml.Close("NAME");
        xml.Block("ENCUMBRANCE", c.load);
        xml.Open("RATE");
        xml.Line(c.rate);
        xml.Close("RATE");
        xml.Close("MOVE_CATEGORY");
    }
    xml.Close("MOVEMENT_RATES");
}

void WriteRacialAttributes(XmlLines& xml) {
    const RacialTexts racial = CharacterRacialTexts();
    xml.Open("RACIAL_ATTRIBUTES");
    for (const std::string& t : racial.bonuses)
        xml.Block("RACIAL_BONUS", t);
    for (const std::string& t : racial.talents)
        xml.Block("RACIAL_TALENT", t);
    for (const std::string& t : racial.downsides)
        xml.Block("RACIAL_DOWNSIDE", t);
    xml.Close("RACIAL_ATTRIBUTES");
}

void WriteBackgrounds(XmlLines& xml) {
    const ClassBlocks blocks = CharacterClassBlocks();
    if (blocks.magicUserBackground) {
        xml.Line("<BACKGROUND TYPE=\"Magic-User\">");
        WriteSection(xml, FileSection::MagicUser);
        xml.Close("BACKGROUND");
    }
    if (blocks.fighterBackground) {
        xml.Line("<BACKGROUND TYPE=\"Fighter\">");
        xml.Line("<TRAINING TYPE=\"Basic\">");
        WriteSection(xml, FileSection::FighterCamp);
        xml.Close("TRAINING");
        WriteSection(xml, FileSection::FighterSpecialty);
        xml.Line("<TRAINING TYPE=\"Advanced\">");
        WriteSection(xml, FileSection::FighterAdvanced);
        xml.Close("TRAINING");
        WriteSection(xml, FileSection::FighterHostilities);
        WriteSection(xml, FileSection::FighterOccupation);
        xml.Close("BACKGROUND");
    }
    if (blocks.clericBackground) {
        xml.Line("<BACKGROUND TYPE=\"Cleric\">");
        WriteSection(xml, FileSection::Cleric);
        xml.Close("BACKGROUND");
    }
}

template <class Node>
void WriteList(XmlLines& xml, const char* section, const char* nameTag, const char* numberTag) {
    const Node* node = Node::First();
    if (!node)
        return;
    xml.Open(section);
    for (; node; node = node->pNext.get()) {
        xml.Leaf(nameTag, node->name);
        xml.Leaf(numberTag, node->value);
    }
    xml.Close(section);
}

} // namespace

std::string CharacterXMLText() {
    XmlLines xml;
    xml.Line("<?xml version=\"1.0\"?>");
    xml.Open("GOREWRIGHT_CHARACTER");
    WriteSource(xml);
    xml.Open("BIOGRAPHICAL_INFORMATION");
    WriteSection(xml, FileSection::Biography);
    xml.Close("BIOGRAPHICAL_INFORMATION");
    WriteAttributes(xml);
    WriteSection(xml, FileSection::HitPoints);
    WriteClasses(xml);

    WriteSavingThrows(xml);
    WriteMovement(xml);
    WriteRacialAttributes(xml);
    WriteBackgrounds(xml);
    xml.Open("COINS");
    WriteSection(xml, FileSection::Coins);
    xml.Close("COINS");
    xml.Open("INHERITED_ITEMS");
    WriteSection(xml, FileSection::Inherited);
    xml.Close("INHERITED_ITEMS");
    WriteList<EquipDataItem>(xml, "EQUIPMENT_SECTION", "EQUIPNAME", "EQUIPQTY");
    WriteList<SpellDataItem>(xml, "SPELL_SECTION", "SPELLNAME", "SPELLPAGES");
    WriteList<QuirkDataItem>(xml, "QUIRKANDFLAW_SECTION", "QUIRKNAME", "QUIRKRATING");
    WriteList<ProfDataItem>(xml, "PROF_SECTION", "PROFICIENCYNAME", "PROFICIENCYRATING");
    WriteList<TalentDataItem>(xml, "TALENT_SECTION", "TALENTNAME", "TALENTRATING");
    WriteList<SkillDataItem>(xml, "SKILL_SECTION", "SKILLNAME", "SKILLRATING");
    xml.Open("FAMILY_INFORMATION");
    WriteSection(xml, FileSection::Family);
    WriteSection(xml, FileSection::Siblings);
    xml.Close("FAMILY_INFORMATION");
    xml.Close("GOREWRIGHT_CHARACTER");
    return std::move(xml.Text());
}

bool CreateXMLSheet(const std::string& characterName) {
    return SaveCharacterFile("CharacterXML", characterName, ".xml", [](std::string& bytes) {
        bytes = CharacterXMLText();
        return true;
    });
}
