#include "files/character_xml_reader.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <iterator>
#include <memory>
#include <vector>

#include "app/character.h"
#include "app/clear_all.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "files/character_file_check.h"
#include "files/character_file_fields.h"
#include "files/xml_text.h"
#include "steps/ability_race_rules.h"
#include "steps/starting_honor.h"
#include "ui/ability_scores.h"
#include "ui/tree_pushers.h"

namespace {

using Handler = void (*)(const std::string& value, CatalogLineReader& lines);

// One key of the dispatch: a plain field of the shared table, or a handler of its own.
struct ReaderKey {
    std::string key; // "<" and the element name
    const CharacterFileField* field;
    Handler handler;
    int book; // the sourcebook flag the element sets, or -1
};

// Finds, in table order, the keys (each beginning with "<") that a tag contains. A tag with a single "<"
// can only contain a key that begins where that "<" stands, so only the keys that agree with the tag on
// the character after the keys' common beginning are compared; any other tag is tested against all.
class KeyIndex {
public:
    explicit KeyIndex(std::vector<std::string> keys) : keys_(std::move(keys)) {
        common_ = keys_.empty() ? std::string() : keys_.front();
        for (const std::string& k : keys_)
            common_.resize(static_cast<size_t>(
                std::mismatch(common_.begin(), common_.end(), k.begin(), k.end()).first - common_.begin()));
        for (size_t i = 0; i < keys_.size(); ++i)
            byNext_[Next(keys_[i])].push_back(i);
    }
    // Calls `found(index)` for each key the tag contains, in table order, until it returns true.
    template <class Found> void Match(std::string_view tag, Found found) const {
        const size_t open = tag.find('<');
        if (open == std::string_view::npos)
            return;
        if (tag.find('<', open + 1) == std::string_view::npos) {
            const std::string_view rest = tag.substr(open);
            if (rest.compare(0, common_.size(), common_) != 0)
                return;
            for (size_t i : byNext_[Next(rest)])
                if (rest.compare(0, keys_[i].size(), keys_[i]) == 0 && found(i))
                    return;
            return;
        }
        const TagMatcher matcher(tag);
        for (size_t i = 0; i < keys_.size(); ++i)
            if (matcher.Contains(keys_[i]) && found(i))
                return;
    }

private:
    unsigned char Next(std::string_view text) const {
        return text.size() > common_.size() ? static_cast<unsigned char>(text[common_.size()]) : 0;
    }
    std::vector<std::string> keys_;
    std::string common_;
    std::array<std::vector<size_t>, 256> byNext_;
};

struct ReaderKeyTable {
    std::vector<ReaderKey> keys;
    KeyIndex index;
};

void StoreField(const CharacterFileField& f, const std::string& value) {
    Character_Class& pc = current_character;
    if (f.text)
        f.text(pc) += value;
    else if (f.number)
        f.number(pc) = ParseLeadingInt(value);
    else if (f.sibling)
        f.sibling(pc) = value;
}

template <class Node> void ReadListItem(const std::string& name, CatalogLineReader& lines) {
    // The item's number is on the next line, whatever that line's tag.
    std::string line;
    if (!lines.Next(line))
        return;
    std::string_view tag, value;
    if (!SplitCatalogLine(line, tag, value))
        return;
    auto node = std::make_unique<Node>();
    node->name = name;
    node->value = ParseLeadingInt(xmlDecode(value));
    Node().AddTail(std::move(node));
}

template <auto List> void AddEvent(const std::string& value, CatalogLineReader&) {
    (current_character.*List).push_back(value);
}

void ReadClassBlock(const std::string& name, CatalogLineReader& lines) {
    auto owned = std::make_unique<ClassDataItem>();
    ClassDataItem& record = *owned;
    record.CLASS_NAME = name;
    ClassDataItem().AddTail(std::move(owned));
    for (CharacterClass* c = CharacterClass::First(); c; c = c->pNext.get())
        if (c->NAME == name)
            record.pClass = c;
    std::string line;
    while (lines.Next(line)) {
        if (line.find("</CLASS_DATA>") == std::string::npos)
            XMLRead::xmlClassConvert(line, record);
        if (line.find("</CLASS_DATA") != std::string::npos)
            return;
    }
}

// The keys in the order they are tried; the first one the tag contains decides.
const ReaderKeyTable& ReaderKeys() {
    static const ReaderKeyTable table = [] {
        // Tags of the shared table, and the keys with their own treatment, in dispatch order.
        const std::vector<std::pair<const char*, Handler>> order = {
            {"CIRCUMSTANCE_OF_BIRTH", nullptr},
            {"LEGITAMACY_OF_BIRTH", nullptr},
            {"FAMILY_HERITAGE", nullptr},
            {"SIBLING1", nullptr},
            {"SIBLING2", nullptr},
            {"SIBLING3", nullptr},
            {"SIBLING4", nullptr},
            {"SIBLING5", nullptr},
            {"SIBLING6", nullptr},
            {"SIBLING7", nullptr},
            {"SIBLING8", nullptr},
            {"SIBLING9", nullptr},
            {"RACE", nullptr},
            {"SEX", nullptr},
            {"STEPPARENT", nullptr},
            {"BIRTH_ORDER", nullptr},
            {"MOTHER_STATUS", nullptr},
            {"MOTHER_QUALITY", nullptr},
            {"FATHER_STATUS", nullptr},
            {"FATHER_QUALITY", nullptr},
            {"CLASS_LONG_NAME", nullptr},
            {"CLASS_NAME", ReadClassBlock},
            {"HANDEDNESS", nullptr},
            {"SOCIAL_CLASS", nullptr},
            {"INHERITED_WEAPON", nullptr},
            {"INHERITED_ARMOR", nullptr},
            {"INHERITED_SHIELDHELMET", nullptr},
            {"INHERITED_MOUNT", nullptr},
            {"INHERITED_DEED", nullptr},
            {"CHARACTER_NAME", nullptr},
            {"ALIGNMENT", nullptr},
            {"STRENGTH_BASE", nullptr},
            {"STRENGTH_PERC", nullptr},
            {"DEXTERITY_BASE", nullptr},
            {"DEXTERITY_PERC", nullptr},
            {"CONSTITUTION_BASE", nullptr},
            {"CONSTITUTION_PERC", nullptr},
            {"INTELLIGENCE_BASE", nullptr},
            {"INTELLIGENCE_PERC", nullptr},
            {"WISDOM_BASE", nullptr},
            {"WISDOM_PERC", nullptr},
            {"CHARISMA_BASE", nullptr},
            {"CHARISMA_PERC", nullptr},
            {"COMELINESS_BASE", nullptr},
            {"COMELINESS_PERC", nullptr},
            {"HONOR_BASE", nullptr},
            {"AGE", nullptr},
            {"HIT_POINTS", nullptr},
            {"CHARACTER_HEIGHT", nullptr},
            {"CHARACTER_WEIGHT", nullptr},
            {"SIBLINGS", nullptr},
            {"LEVEL", nullptr},
            {"SOCIAL_ID", nullptr},
            {"GOLDCOINS", nullptr},
            {"SILVERCOINS", nullptr},
            {"COPPERCOINS", nullptr},
            {"SCHOOL_LOCATION", nullptr},
            {"SCHOOL_TYPE", nullptr},
            {"MASTER_QUALITY_NURTURE", nullptr},
            {"MASTER_QUALITY_EDUCATION", nullptr},
            {"CLASS_SIZE", nullptr},
            {"CLASS_EQUIPMENT", nullptr},
            {"CLASS_RANK", nullptr},
            {"CAMP_TYPE", nullptr},
            {"CAMP_QUALITY", nullptr},
            {"CAMP_RESULTS", nullptr},
            {"ACCIDENT_EVENT", AddEvent<&Character_Class::ACCIDENT_EVENT>},
            {"SPECIALTY_ASSIGNMENT", nullptr},
            {"AIT_QUALITY", nullptr},
            {"STATE_OF_HOSTILITIES", nullptr},
            {"WAR_EVENT", AddEvent<&Character_Class::WAR_EVENT>},
            {"OCCUPYING_FORCE_ATTITUDE", nullptr},
            {"OCCUPATION_EVENT", nullptr},
            {"GUERILLA_EVENT", nullptr},
            {"NONCOMBAT_EVENT", AddEvent<&Character_Class::NONCOMBAT_EVENT>},
            {"PA_THE_CALL", nullptr},
            {"PA_SCHOOL_TYPE", nullptr},
            {"PA_REVEREND_SUPERIOR_COMPETENCY", nullptr},
            {"PA_REVEREND_SUPERIOR_PERSONALITY", nullptr},
            {"PA_ACCOUTREMENTS", nullptr},
            {"PA_RESIDENCY_LOCATION", nullptr},
            {"PA_RESIDENCY_RESULTS", nullptr},
            {"PA_FINAL_RESULTS", nullptr},
            {"SKILLNAME", ReadListItem<SkillDataItem>},
            {"TALENTNAME", ReadListItem<TalentDataItem>},
            {"PROFICIENCYNAME", ReadListItem<ProfDataItem>},
            {"QUIRKNAME", ReadListItem<QuirkDataItem>},
            {"EQUIPNAME", ReadListItem<EquipDataItem>},
            {"SPELLNAME", ReadListItem<SpellDataItem>},
        };
        // The first element of each sourcebook background tells that the book was used.
        const std::string books[] = {"SCHOOL_LOCATION", "CAMP_TYPE", "PA_THE_CALL"};
        std::vector<ReaderKey> keys;
        for (const auto& [tag, handler] : order) {
            const int book =
                static_cast<int>(std::find(std::begin(books), std::end(books), tag) - std::begin(books));
            keys.push_back({std::string("<") + tag, handler ? nullptr : FindFileField(tag), handler,
                            book < 3 ? book : -1});
        }
        std::vector<std::string> names;
        for (const ReaderKey& k : keys)
            names.push_back(k.key);
        return ReaderKeyTable{std::move(keys), KeyIndex(std::move(names))};
    }();
    return table;
}

void Assign(const ReaderKey& k, std::string_view value, CatalogLineReader& lines) {
    const std::string decoded = xmlDecode(value);
    if (k.handler) {
        k.handler(decoded, lines);
        return;
    }
    StoreField(*k.field, decoded);
    if (k.book >= 0)
        current_character.BOOK_CLASS_FLAG[static_cast<size_t>(k.book)] = true;
}

} // namespace

void XMLRead::xmlConvert(std::string_view line, CatalogLineReader& lines) {
    std::string_view tag, value;
    if (SplitCatalogLine(line, tag, value))
        xmlAssign(value, tag, lines);
}

void XMLRead::xmlAssign(std::string_view value, std::string_view tag, CatalogLineReader& lines) {
    const ReaderKeyTable& table = ReaderKeys();
    table.index.Match(tag, [&](size_t i) {
        Assign(table.keys[i], value, lines);
        return true; // the first key found decides
    });
}

void XMLRead::xmlClassConvert(std::string_view line, ClassDataItem& record) {
    std::string_view tag, value;
    if (!SplitCatalogLine(line, tag, value))
        return;
    // The class keys: name, experience and level, then the per-level tables.
    static const KeyIndex index = [] {
        std::vector<std::string> keys = {"<CLASS_NAME", "<CLASS_EXP", "<CLASS_LEVEL"};
        for (const ClassLevelColumn& col : ClassLevelColumns())
            keys.push_back(std::string("<") + col.name);
        return KeyIndex(std::move(keys));
    }();
    const std::vector<ClassLevelColumn>& columns = ClassLevelColumns();
    const std::string decoded = xmlDecode(value);
    // Every key is tried, as a class line may name more than one.
    index.Match(tag, [&](size_t i) {
        if (i == 0) {
            record.CLASS_NAME = decoded;
        } else if (i == 1) {
            record.CLASS_EXP = CatalogReal(decoded);
        } else if (i == 2) {
            record.CLASS_LEVEL = ParseLeadingInt(decoded);
        } else {
            const int level = CatalogLevelIndex(tag);
            if (level >= 0)
                (record.*columns[i - 3].table)[static_cast<size_t>(level)] = ParseLeadingInt(decoded);
        }
        return false;
    });
}

void XMLRead::ReadXMLSheet(CatalogLineReader& lines) {
    // A line holding the root's closing tag is not read; one holding the tag without its ">" is read.
    // Either ends the reading.
    static const std::string_view close = "</GOREWRIGHT_CHARACTER";
    std::string line;
    while (lines.Next(line)) {
        size_t at = line.find(close);
        const bool ends = at != std::string::npos;
        bool whole = false;
        for (; at != std::string::npos && !whole; at = line.find(close, at + 1))
            whole = at + close.size() < line.size() && line[at + close.size()] == '>';
        if (!whole)
            xmlConvert(line, lines);
        if (ends)
            break;
    }
    LinkCharacter();
}

void XMLRead::LinkCharacter() {
    Character_Class& pc = current_character;
    // Exact names: a text that is only part of an entry's name ("Elf" of "Half-Elf") links nothing, and
    // the record keeps the file's texts for the next save.
    if (!pc.RACE.empty()) {
        for (CharacterRace* r = CharacterRace::First(); r; r = r->pNext.get()) {
            if (r->NAME == pc.RACE && r->SEX == pc.SEX) {
                pc.pRace = r;
                StepFive();
            }
        }
    }
    std::string joined;
    for (const ClassDataItem* c = ClassDataItem::First(); c; c = c->pNext.get())
        joined += (c == ClassDataItem::First() ? "" : "/") + c->CLASS_NAME;
    if (!joined.empty())
        for (CharacterClass* c = CharacterClass::First(); c; c = c->pNext.get())
            if (c->NAME == joined)
                pc.pClass = c;
    pc.HONOR_DICE_TEXT = SetHonorDice(pc.LEVEL, pc.HONOR_BASE);
}

bool ReadCharacterFile(const std::string& fileName, size_t* damagedLine) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec) / "CharacterXML";
    if (ec)
        return false;
    // The check reads the file once through before the character in hand is given up for it.
    {
        PlainFileLines check(folder / fileName, kCharacterFileLineLimit);
        if (!check.IsOpen())
            return false;
        if (const size_t damaged = FirstDamagedLine(check.Lines())) {
            if (damagedLine)
                *damagedLine = damaged;
            return false;
        }
    }
    PlainFileLines file(folder / fileName, kCharacterFileLineLimit);
    if (!file.IsOpen())
        return false;
    Clear_All();
    program_data.CharacterFile = fileName;
    current_character.EQUIPMENT_SECTION.Clear();
    XMLRead().ReadXMLSheet(file.Lines());
    return true;
}

bool OpenCharacterFile(const std::string& fileName, size_t* damagedLine) {
    if (!ReadCharacterFile(fileName, damagedLine))
        return false;
    AbilityScores::SendAbilitiestoTree();
    messagetotree();
    messagetotreeStep8();
    messagePPtotree();
    sendquirkflawtotree();
    sendskillstotree();
    sendequiptotree();
    sendtalentstotree();
    sendprofstotree();
    return true;
}
