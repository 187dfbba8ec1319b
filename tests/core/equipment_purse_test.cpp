// The equipment shop's purse, prices, look-ups, purchases and sales.
#include <gtest/gtest.h>
#include <memory>

#include "app/character.h"
#include "app/program_data.h"
#include "catalog/equipment_catalog.h"
#include "steps/equipment_purse.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class EquipmentPurseTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        program_data.LogFileName = "5.log";
    }

    static CharacterEquip& Item(const std::string& name, int32_t cost, const std::string& coin,
                                bool combine = false, int32_t table = 1) {
        auto e = std::make_unique<CharacterEquip>();
        e->NAME = name;
        e->COST = cost;
        e->COIN = coin;
        e->COMBINE = combine;
        e->TABLEID = table;
        CharacterEquip& added = *e;
        CharacterEquip::AddTail(std::move(e));
        return added;
    }
    static void Purse(int32_t gold, int32_t silver, int32_t copper) {
        current_character.GOLDCOINS = gold;
        current_character.SILVERCOINS = silver;
        current_character.COPPERCOINS = copper;
    }
    static std::vector<int32_t> Coins() {
        return {current_character.GOLDCOINS, current_character.SILVERCOINS, current_character.COPPERCOINS};
    }
    static std::vector<std::pair<std::string, int32_t>> Owned() {
        std::vector<std::pair<std::string, int32_t>> items;
        for (const EquipDataItem* n = EquipDataItem::First(); n; n = n->pNext.get())
            items.emplace_back(n->name, n->value);
        return items;
    }
    static void Own(const std::string& name, int32_t quantity) {
        auto node = std::make_unique<EquipDataItem>();
        node->name = name;
        node->value = quantity;
        current_character.EQUIPMENT_SECTION.AddTail(std::move(node));
    }

    ScopedTempDir dir_;
};

TEST_F(EquipmentPurseTest, APurchaseLeavesThePurseInTheFewestCoins) {
    Item("Candle", 3, "Copper");
    Purse(0, 25, 0);
    ASSERT_TRUE(BuyEquipment("Candle"));
    EXPECT_EQ(Coins(), (std::vector<int32_t>{2, 4, 7}));
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"BP=0.0    | Purchasing Candle for 3 Copper"}));
    ASSERT_TRUE(SellEquipment("Candle"));
    EXPECT_EQ(Coins(), (std::vector<int32_t>{2, 5, 0}));
    EXPECT_EQ(LogLines().back(), "BP=0.0    | Selling Candle for 3 Copper");
}

TEST_F(EquipmentPurseTest, ExactMoneyBuysAndOneCopperShortDoesNot) {
    Item("Helm", 2, "Gold");
    Item("Rope", 15, "Silver");
    struct Case {
        const char* item;
        std::vector<int32_t> purse;
        bool bought;
    } cases[] = {{"Helm", {1, 9, 10}, true}, {"Helm", {1, 9, 9}, false},    {"Rope", {1, 4, 10}, true},
                 {"Rope", {1, 4, 9}, false}, {"Nothing", {9, 9, 9}, false}, {"", {9, 9, 9}, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.item) + " " + std::to_string(c.purse[2]));
        Purse(c.purse[0], c.purse[1], c.purse[2]);
        EXPECT_EQ(BuyEquipment(c.item), c.bought);
        EXPECT_EQ(Coins(), (c.bought ? std::vector<int32_t>{0, 0, 0} : c.purse));
    }
    EXPECT_EQ(EquipDataItem::Count(), 2u);
}

TEST_F(EquipmentPurseTest, PricesFollowTheCoinWordAndAnUnknownCoinCostsNothing) {
    const CharacterEquip& charm = Item("Charm", 5, "Beads");
    EXPECT_EQ(PriceInCopper(Item("A", 7, "Gold")), 700);
    EXPECT_EQ(PriceInCopper(Item("B", 7, "Silver")), 70);
    EXPECT_EQ(PriceInCopper(Item("C", 7, "Copper")), 7);
    EXPECT_EQ(PriceInCopper(Item("D", 7, "Gold or Copper")), 7) << "the later word wins";
    EXPECT_EQ(PriceInCopper(Item("E", INT32_MAX, "Gold")), int64_t{INT32_MAX} * 100);
    EXPECT_EQ(PriceInCopper(charm), 0);
    Purse(0, 0, 0);
    ASSERT_TRUE(BuyEquipment("Charm"));
    ASSERT_TRUE(SellEquipment("Charm"));
    EXPECT_EQ(Coins(), (std::vector<int32_t>{0, 0, 0}));
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"BP=0.0    | Purchasing Charm for 5 Beads",
                                                    "BP=0.0    | Selling Charm for 5 Beads"}));
}

TEST_F(EquipmentPurseTest, TheWorthIsReexpressedAndANegativeOneHeldInCopper) {
    struct Case {
        int64_t copper;
        std::vector<int32_t> coins;
    } cases[] = {{0, {0, 0, 0}},
                 {1234, {12, 3, 4}},
                 {-123, {0, 0, -123}},
                 {int64_t{INT32_MAX} * 1000, {INT32_MAX, 0, 0}},
                 {-int64_t{INT32_MAX} * 1000, {0, 0, INT32_MIN}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.copper);
        StorePurse(current_character, c.copper);
        EXPECT_EQ(Coins(), c.coins);
    }
    Purse(INT32_MAX, INT32_MAX, INT32_MAX);
    EXPECT_EQ(PurseInCopper(current_character), int64_t{INT32_MAX} * 111);

    // A sale from a purse that was already negative stays in copper.
    Item("Torch", 1, "Silver");
    Own("Torch", 1);
    Purse(0, 0, -25);
    ASSERT_TRUE(SellEquipment("Torch"));
    EXPECT_EQ(Coins(), (std::vector<int32_t>{0, 0, -15}));
}

TEST_F(EquipmentPurseTest, StackingItemsCountUpAndOthersAddRows) {
    Item("Arrows", 6, "Silver", true);
    Item("Dagger", 25, "Silver", false);
    Purse(10, 0, 0);
    for (const char* item : {"Arrows", "Arrows", "Dagger", "Dagger"})
        ASSERT_TRUE(BuyEquipment(item));
    EXPECT_EQ(Owned(),
              (std::vector<std::pair<std::string, int32_t>>{{"Arrows", 2}, {"Dagger", 1}, {"Dagger", 1}}));
    EXPECT_EQ(Coins(), (std::vector<int32_t>{3, 8, 0}));

    ASSERT_TRUE(SellEquipment("Arrows"));
    ASSERT_TRUE(SellEquipment("Arrows"));
    EXPECT_FALSE(SellEquipment("Arrows"));
    EXPECT_EQ(Owned(), (std::vector<std::pair<std::string, int32_t>>{{"Dagger", 1}, {"Dagger", 1}}));
    EXPECT_EQ(Coins(), (std::vector<int32_t>{5, 0, 0}));
}

TEST_F(EquipmentPurseTest, ARowIsItsOwnEntryAndAnInheritedItemSellsAtItsEntrysPrice) {
    Item("Rope", 1, "Silver", true);
    Item("Silk Rope", 10, "Silver", true);
    Item("", 0, "Gold"); // a nameless entry matches nothing
    Purse(5, 0, 0);
    ASSERT_TRUE(BuyEquipment("Silk Rope"));
    EXPECT_EQ(Coins(), (std::vector<int32_t>{4, 0, 0}));
    ASSERT_TRUE(BuyEquipment("Rope")); // never counts up the "Silk Rope" row
    EXPECT_EQ(Owned(), (std::vector<std::pair<std::string, int32_t>>{{"Silk Rope", 1}, {"Rope", 1}}));

    // Both names occur in the inherited row's name: the longer one is the row's item.
    Own("Silk Rope (inherited)", 1);
    Own("Starting Clothes", 1);
    ASSERT_TRUE(SellEquipment("Silk Rope (inherited)"));
    EXPECT_EQ(Coins(), (std::vector<int32_t>{4, 9, 0}));
    const size_t logged = LogLines().size();
    ASSERT_TRUE(SellEquipment("Starting Clothes")); // not in the catalogue: dropped for nothing
    EXPECT_EQ(Coins(), (std::vector<int32_t>{4, 9, 0}));
    EXPECT_EQ(LogLines().size(), logged);
    EXPECT_EQ(LogLines().back(), "BP=0.0    | Selling Silk Rope (inherited) for 10 Silver");

    // No row selected, and the purse rows, sell nothing.
    for (const char* row : {"", "Gold pieces", "Copper pieces"})
        EXPECT_FALSE(SellEquipment(row)) << row;
    EXPECT_EQ(Owned(), (std::vector<std::pair<std::string, int32_t>>{{"Silk Rope", 1}, {"Rope", 1}}));
    EXPECT_EQ(EquipEntryForRow("Gold pieces"), nullptr);
}

TEST_F(EquipmentPurseTest, CategoriesComeFromTheirEntryAndListTheirTableInOrder) {
    EXPECT_TRUE(EquipmentCategories().empty());
    Item("Dagger", 2, "Silver", false, 1);
    Item("Cloak", 5, "Silver", false, 3);
    Item("Lost", 5, "Silver", false, 0);
    Item("Boots", 1, "Gold", false, 3);
    Item("Far", 1, "Gold", false, 9);
    CharacterEquip& table = Item("Categories", 0, "", false, 0);
    table.CATEGORY = {"Weapons", "Armor", "Clothing"};
    table.nCATEGORY = 3;
    EXPECT_EQ(EquipmentCategories(), table.CATEGORY);
    std::vector<std::string> clothing;
    for (const CharacterEquip* e : EquipmentOfCategory(2))
        clothing.push_back(e->NAME);
    EXPECT_EQ(clothing, (std::vector<std::string>{"Cloak", "Boots"}));
    ASSERT_EQ(EquipmentOfCategory(0).size(), 1u);
    EXPECT_EQ(EquipmentOfCategory(0)[0]->NAME, "Dagger");
    // Entries outside the categories (TABLEID 0 or past the last) are never listed.
    size_t listed = 0;
    for (int index = 0; index < 3; ++index)
        listed += EquipmentOfCategory(index).size();
    EXPECT_EQ(listed, 3u);
}

TEST_F(EquipmentPurseTest, ThePurchasedRowsShowThePurseThenTheItems) {
    Purse(3, 12, 0);
    Own("Starting Clothes", 1);
    Own("Arrows", 4);
    EXPECT_EQ(PurchasedRows(), (std::vector<std::pair<std::string, std::string>>{{"Gold pieces", "3"},
                                                                                 {"Silver pieces", "12"},
                                                                                 {"Copper pieces", "0"},
                                                                                 {"Starting Clothes", "x1"},
                                                                                 {"Arrows", "x4"}}));
}

} // namespace
