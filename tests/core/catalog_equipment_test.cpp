#include <gtest/gtest.h>

#include "catalog/equipment_catalog.h"
#include "support/catalog_files.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class EquipmentCatalogTest : public GlobalsTest {};

CharacterEquip Equip(std::initializer_list<const char*> lines) {
    CharacterEquip e;
    for (const char* line : lines)
        CharacterEquip::xmlConvert(line, e);
    return e;
}

TEST_F(EquipmentCatalogTest, TheLastCostLineSetsBothPriceAndCoin) {
    struct Case {
        std::initializer_list<const char*> lines;
        int32_t cost;
        const char* coin;
    } cases[] = {
        {{"<COST_IN_SILVER>5</COST_IN_SILVER>"}, 5, "Silver"},
        {{"<COST_IN_SILVER>5</COST_IN_SILVER>", "<COST_IN_GOLD>2</COST_IN_GOLD>"}, 2, "Gold"},
        {{"<COST_IN_GOLD>2</COST_IN_GOLD>", "<COST_IN_COPPER>30 pieces</COST_IN_COPPER>"}, 30, "Copper"},
        {{"<COST_IN_GOLD>much</COST_IN_GOLD>"}, 0, "Gold"},
        {{"<NAME>Free</NAME>"}, 0, ""},
    };
    for (const Case& c : cases) {
        const CharacterEquip e = Equip(c.lines);
        EXPECT_EQ(e.COST, c.cost) << *c.lines.begin();
        EXPECT_EQ(e.COIN, c.coin) << *c.lines.begin();
    }
}

TEST_F(EquipmentCatalogTest, StartCategoryEmptiesTheListAndCategoryLinesFillIt) {
    struct Case {
        std::initializer_list<const char*> lines;
        std::vector<std::string> categories;
    } cases[] = {
        {{"<START_CATEGORY></START_CATEGORY>", "<CATEGORY>Arms</CATEGORY>", "<CATEGORY>Armor</CATEGORY>",
          "<CATEGORY>Food</CATEGORY>"},
         {"Arms", "Armor", "Food"}},
        {{"<CATEGORY>Old</CATEGORY>", "<CATEGORY>Older</CATEGORY>",
          "<START_CATEGORY>ignored</START_CATEGORY>", "<CATEGORY>New</CATEGORY>"},
         {"New"}},
        {{"<CATEGORY>Kept</CATEGORY>"}, {"Kept"}},
    };
    for (const Case& c : cases) {
        const CharacterEquip e = Equip(c.lines);
        EXPECT_EQ(e.CATEGORY, c.categories) << *c.lines.begin();
        EXPECT_EQ(e.nCATEGORY, static_cast<int32_t>(c.categories.size()));
    }
}

TEST_F(EquipmentCatalogTest, OtherFields) {
    const CharacterEquip e = Equip({"<NAME>Rope > Twine</NAME>", "<TABLEID>4</TABLEID>",
                                    "<WEIGHT>2.5 lb</WEIGHT>", "<COMBINE>0</COMBINE>"});
    EXPECT_EQ(e.NAME, "Rope > Twine");
    EXPECT_EQ(e.TABLEID, 4);
    EXPECT_FLOAT_EQ(e.WEIGHT, 2.5f);
    EXPECT_TRUE(e.COMBINE);
    EXPECT_FALSE(Equip({"<NAME>x</NAME>"}).COMBINE);
}

TEST_F(EquipmentCatalogTest, FindReachesTheCategoryTableWhereverItWasLoaded) {
    ScopedTempDir dir;
    WriteTextFile(dir.path() / "Equipment" / "a_Equipment.qxf", "<NAME>Axe</NAME>\n");
    WriteTextFile(dir.path() / "Equipment" / "b_Equipment.qxf", "<NAME>Short Sword</NAME>\n");
    WriteTextFile(dir.path() / "Equipment" / "c_Equipment.qxf", "<NAME>Sword</NAME>\n");
    WriteTextFile(
        dir.path() / "Equipment" / "z_Equipment.qxf",
        "<NAME>Categories</NAME>\n<START_CATEGORY></START_CATEGORY>\n<CATEGORY>Weapons</CATEGORY>\n");
    testing::internal::CaptureStdout();
    CEquip.LoadEquip();
    testing::internal::GetCapturedStdout();

    struct Case {
        const char* text;
        const char* found;
    } cases[] = {
        {"Categories", "Categories"},
        {"Sword", "Short Sword"},
        {"Axe", "Axe"},
        {"sword", nullptr},
    };
    for (const Case& c : cases) {
        const CharacterEquip* e = CEquip.Find(c.text);
        if (c.found)
            EXPECT_EQ(e ? e->NAME : "", c.found) << c.text;
        else
            EXPECT_EQ(e, nullptr) << c.text;
    }
    EXPECT_EQ(CEquip.Find("Categories"), CharacterEquip::Last()); // the last entry is tested too
    EXPECT_EQ(CEquip.Find("Categories")->nCATEGORY, 1);
}

} // namespace
