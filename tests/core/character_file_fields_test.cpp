#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

#include "files/character_file_fields.h"
#include "files/saved_characters.h"

namespace {

std::string& Name(Character_Class& c) {
    return c.CHARACTER_NAME;
}
std::string& Sex(Character_Class& c) {
    return c.SEX;
}
std::vector<std::string>& War(Character_Class& c) {
    return c.WAR_EVENT;
}
void Skill(Character_Class&, const std::string&, int32_t) {}

CharacterFileField Text(const char* tag, int readOrder) {
    CharacterFileField f;
    f.tag = tag;
    f.readOrder = readOrder;
    f.text = Name;
    return f;
}

// The message of the logic_error `check` throws, or "" when it throws none.
std::string Fault(const std::function<void()>& check) {
    try {
        check();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "";
}

TEST(CharacterFileFields, EveryTableThatNamesElementsBuilds) {
    EXPECT_EQ(Fault([] { CharacterFileFields(); }), "");
    EXPECT_EQ(Fault([] { VOLDFileClass::Keys(); }), "");
    EXPECT_EQ(FileFieldNamed("CHARACTER_WEIGHT").key, "<CHARACTER_WEIGHT");
    // A name the table lacks fails where it is looked up, not as a missing field on reading.
    EXPECT_EQ(Fault([] { FileFieldNamed("CHARACTER_NAM"); }), "character file table: no element CHARACTER_NAM");
    // Every element with a place is read, each at its own turn.
    size_t withPlace = 0;
    for (const CharacterFileField& f : CharacterFileFields())
        withPlace += f.readOrder >= 0;
    EXPECT_EQ(FieldsInReadOrder().size(), withPlace);
    for (size_t i = 1; i < FieldsInReadOrder().size(); ++i)
        EXPECT_LT(FieldsInReadOrder()[i - 1]->readOrder, FieldsInReadOrder()[i]->readOrder);
}

TEST(CharacterFileFields, ATableWithAFaultFailsWhenItIsChecked) {
    struct Case {
        const char* what;
        std::function<void(std::vector<CharacterFileField>&)> spoil;
        std::string fault; // "" for a table that passes
    } cases[] = {
        {"a sound table", [](auto&) {}, ""},
        {"a read element without a place",
         [](auto& t) { t[1].text = nullptr; }, "character file table: SEX is read but has no place"},
        {"a field that is never read",
         [](auto& t) { t[1].readOrder = -1; }, "character file table: SEX has a place but is never read"},
        {"a field with two places",
         [](auto& t) { t[2].text = Name; }, "character file table: WAR_EVENT has more than one place"},
        {"a name given twice",
         [](auto& t) { t[2].tag = "SEX"; }, "character file table: SEX is named twice"},
        {"a read order given twice",
         [](auto& t) { t[2].readOrder = 1; }, "character file table: WAR_EVENT has the read order of SEX"},
        {"a key that an earlier one begins",
         [](auto& t) { t[0].tag = "SEX_OF_MOTHER"; },
         "character file table: SEX_OF_MOTHER is read after SEX, which would take its lines"},
        {"a list item outside the Items section",
         [](auto& t) { t[3].section = FileSection::Family; },
         "character file table: SKILLNAME begins an item or a class record outside the Items section"},
        {"a plain field in the Items section",
         [](auto& t) { t[0].section = FileSection::Items; },
         "character file table: CHARACTER_NAME is in the Items section but begins no item or class record"},
        {"events without lines",
         [](auto& t) { t[2].eventLines = 0; }, "character file table: WAR_EVENT has events but no lines to "
                                               "write them on"},
        {"a sourcebook flag the record lacks",
         [](auto& t) { t[0].book = 4; }, "character file table: CHARACTER_NAME sets a sourcebook flag the "
                                         "record does not have"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Read in the order SEX, CHARACTER_NAME, SKILLNAME, WAR_EVENT.
        std::vector<CharacterFileField> table = {Text("CHARACTER_NAME", 5), Text("SEX", 1), {}, {}};
        table[1].text = Sex;
        table[2].tag = "WAR_EVENT";
        table[2].readOrder = 9;
        table[2].events = War;
        table[2].eventLines = 3;
        table[3].section = FileSection::Items;
        table[3].tag = "SKILLNAME";
        table[3].readOrder = 7;
        table[3].item = Skill;
        c.spoil(table);
        EXPECT_EQ(Fault([&] { CheckFileFields(table); }), c.fault);
    }
}

} // namespace
