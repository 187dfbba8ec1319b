#include "files/character_xml_reader.h"

#include <algorithm>
#include <array>
#include <filesystem>
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

void StoreField(const CharacterFileField& f, const std::string& value) {
    Character_Class& pc = current_character;
    if (f.text)
        f.text(pc) += value;
    else if (f.number)
        f.number(pc) = ParseLeadingInt(value);
    else if (f.sibling)
        f.sibling(pc) = value;
    else if (f.events)
        f.events(pc).push_back(value);
    if (f.book >= 0)
        pc.BOOK_CLASS_FLAG[static_cast<size_t>(f.book)] = true;
}

void ReadListItem(const CharacterFileField& f, const std::string& name, CatalogLineReader& lines) {
    // The item's number is on the next line, whatever that line's tag.
    std::string line;
    if (!lines.Next(line))
        return;
    std::string_view tag, value;
    if (!SplitCatalogLine(line, tag, value))
        return;
    f.item(current_character, name, ParseLeadingInt(xmlDecode(value)));
}

void ReadClassBlock(const CharacterFileField& f, const std::string& name, CatalogLineReader& lines) {
    ClassDataItem& record = f.classRecord(current_character, name);
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

// The keys of the table's elements, in read order.
const KeyIndex& ReaderKeys() {
    static const KeyIndex index = [] {
        std::vector<std::string> keys;
        for (const CharacterFileField* f : FieldsInReadOrder())
            keys.push_back(f->key);
        return KeyIndex(std::move(keys));
    }();
    return index;
}

void Assign(const CharacterFileField& f, std::string_view value, CatalogLineReader& lines) {
    const std::string decoded = xmlDecode(value);
    if (f.item)
        ReadListItem(f, decoded, lines);
    else if (f.classRecord)
        ReadClassBlock(f, decoded, lines);
    else
        StoreField(f, decoded);
}

} // namespace

void XMLRead::xmlConvert(std::string_view line, CatalogLineReader& lines) {
    std::string_view tag, value;
    if (SplitCatalogLine(line, tag, value))
        xmlAssign(value, tag, lines);
}

void XMLRead::xmlAssign(std::string_view value, std::string_view tag, CatalogLineReader& lines) {
    ReaderKeys().Match(tag, [&](size_t i) {
        Assign(*FieldsInReadOrder()[i], value, lines);
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
