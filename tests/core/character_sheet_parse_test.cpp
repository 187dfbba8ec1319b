// The character sheet read by a real HTML parser: texts with markup characters and letters past ASCII
// change neither the page's element tree nor what the parser says about it, and read back as typed.
#include <gtest/gtest.h>
#include <libxml/HTMLparser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <memory>

#include "app/character.h"
#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "files/character_sheet.h"
#include "support/character_fixture.h"
#include "ui/tree_pushers.h"

namespace {

struct ParsedSheet {
    std::string tree;                  // element names, nested: "html(head(title),body(...))"
    std::vector<std::string> texts;    // every text node's content
    std::vector<std::string> messages; // the parser's messages, without their positions
};

void CollectMessage(void* sink, xmlErrorPtr error) {
    if (error && error->message)
        static_cast<std::vector<std::string>*>(sink)->push_back(error->message);
}

void Walk(xmlNode* node, ParsedSheet& out) {
    for (; node; node = node->next) {
        if (node->type == XML_TEXT_NODE) {
            out.texts.push_back(reinterpret_cast<const char*>(node->content));
        } else if (node->type == XML_ELEMENT_NODE) {
            out.tree += reinterpret_cast<const char*>(node->name);
            out.tree += '(';
            Walk(node->children, out);
            out.tree += "),";
        }
    }
}

ParsedSheet Parse(const std::string& html) {
    ParsedSheet out;
    xmlSetStructuredErrorFunc(&out.messages, CollectMessage);
    const std::unique_ptr<xmlDoc, void (*)(xmlDocPtr)> doc(
        htmlReadMemory(html.data(), static_cast<int>(html.size()), "sheet.html", nullptr, HTML_PARSE_NONET),
        xmlFreeDoc);
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    if (doc)
        Walk(xmlDocGetRootElement(doc.get()), out);
    return out;
}

// Gives every text the sheet can show a value of its own ending in `mark`, and returns them all.
std::vector<std::string> MarkEveryText(const std::string& mark) {
    std::vector<std::string> typed;
    const auto set = [&typed, &mark](std::string& text) {
        text = "t" + std::to_string(typed.size()) + " " + mark;
        typed.push_back(text);
    };
    Character_Class& pc = current_character;
    for (std::string* text : pc.TextFields())
        set(*text);
    for (std::vector<std::string>* list : pc.TextLists()) {
        list->resize(4);
        for (std::string& text : *list)
            set(text);
    }
    for (size_t i = 0; i < 9; ++i) {
        std::string sibling;
        set(sibling);
        pc.SIBLING_TEXT[i] = sibling;
    }
    for (std::string* text : {&pc.pRace->NAME, &pc.pRace->SEX, &pc.pRace->RTEXT[0], &pc.pRace->RTEXT[1],
                              &pc.pRace->RTALENTS[0], &pc.pRace->RDOWNSIDE[0]})
        set(*text);
    for (ClassDataItem* c = ClassDataItem::First(); c; c = c->pNext.get())
        set(c->CLASS_NAME);
    for (QuirkDataItem* n = QuirkDataItem::First(); n; n = n->pNext.get())
        set(n->name);
    for (SkillDataItem* n = SkillDataItem::First(); n; n = n->pNext.get())
        set(n->name);
    for (TalentDataItem* n = TalentDataItem::First(); n; n = n->pNext.get())
        set(n->name);
    for (ProfDataItem* n = ProfDataItem::First(); n; n = n->pNext.get())
        set(n->name);
    // Each owned item is found in the catalogue under the same name.
    CharacterEquip::Clear();
    auto categories = std::make_unique<CharacterEquip>();
    categories->NAME = "Categories";
    for (int k = 0; k < 21; ++k) {
        categories->CATEGORY.emplace_back();
        set(categories->CATEGORY.back());
    }
    CharacterEquip::AddTail(std::move(categories));
    int32_t group = 1;
    for (EquipDataItem* n = EquipDataItem::First(); n; n = n->pNext.get()) {
        set(n->name);
        auto entry = std::make_unique<CharacterEquip>();
        entry->NAME = n->name;
        entry->TABLEID = group++;
        CharacterEquip::AddTail(std::move(entry));
    }
    return typed;
}

class CharacterSheetParseTest : public CharacterFileTest {
protected:
    // The full two-class character with every class box and background shown.
    void SetUp() override {
        CharacterFileTest::SetUp();
        BuildTwoClassCharacter();
        current_character.pClass->MAGE = 1;
        current_character.pClass->CLERIC = 1;
        current_character.BOOK_CLASS_FLAG = {true, true, true, false};
        current_character.HEREDITARY_DEBT = -5;
        messagetotreeStep8();
    }
};

bool Shows(const ParsedSheet& sheet, const std::string& text) {
    for (const std::string& t : sheet.texts)
        if (t.find(text) != std::string::npos)
            return true;
    return false;
}

TEST_F(CharacterSheetParseTest, MarkupAndForeignLettersInTextsChangeNothingButTheTexts) {
    const std::vector<std::string> plain = MarkEveryText("plain text");
    const ParsedSheet plainSheet = Parse(CharacterHTMLText());

    const std::vector<std::string> marked =
        MarkEveryText("<b>&amp;\"Zo\xc3\xab</b> & <!-- \xc3\xbcml\xc3\xa4ut \xe2\x82\xac -->");
    const ParsedSheet markedSheet = Parse(CharacterHTMLText());

    ASSERT_FALSE(plainSheet.tree.empty());
    EXPECT_EQ(markedSheet.tree, plainSheet.tree);
    EXPECT_EQ(markedSheet.messages, plainSheet.messages);
    // The page's irregular markup draws messages, so comparing them means something.
    EXPECT_FALSE(plainSheet.messages.empty());

    // Every text the plain page shows reads back from the marked page exactly as typed.
    ASSERT_EQ(marked.size(), plain.size());
    std::vector<std::string> hidden;
    for (size_t i = 0; i < plain.size(); ++i) {
        if (Shows(plainSheet, plain[i]))
            EXPECT_TRUE(Shows(markedSheet, marked[i])) << marked[i];
        else
            hidden.push_back(marked[i]);
    }
    // All but the texts the sheet has no place for: the record's own race and sex (the race entry's
    // are shown), three birth facts, and the events past the fighter rows.
    const Character_Class& pc = current_character;
    EXPECT_EQ(hidden, (std::vector<std::string>{
                          pc.RACE, pc.SEX, pc.LEGITAMACY_OF_BIRTH, pc.CIRCUMSTANCE_OF_BIRTH,
                          pc.FAMILY_HERITAGE, pc.ACCIDENT_EVENT[2], pc.ACCIDENT_EVENT[3], pc.WAR_EVENT[3]}));
    EXPECT_TRUE(Shows(markedSheet, "Gorewright Character Generator 5.1 " + current_character.CHARACTER_NAME));
    EXPECT_TRUE(Shows(markedSheet, "Character: " + current_character.CHARACTER_NAME));
}

} // namespace
