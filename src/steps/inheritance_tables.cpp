#include "steps/inheritance_tables.h"

#include <array>

#include "app/dice.h"
#include "app/numbers.h"

namespace {

// clang-format off
const char* const kKinds[] = {"Weapon", "Armor", "Shield", "Mount"};

// Modifiers by social class 1 to 12, in the kind order above.
const int32_t kClassModifiers[12][4] = {
    {-1000, -500, -200, -500}, // 1
    {-1000, -500, -200, -500}, // 2
    {-1000, -500, -200, -500}, // 3
    {-500,  -200, -100, -200}, // 4
    {-200,  -100, -100, -100}, // 5
    {-100,  -50,  -10,  -50},  // 6
    {-50,   -25,  -5,   -25},  // 7
    {0,     0,    0,    0},    // 8
    {50,    25,   5,    25},   // 9
    {100,   50,   10,   50},   // 10
    {200,   100,  20,   100},  // 11
    {500,   200,  100,  200},  // 12
};

const ItemTable kWeapons{10000, "Weapon", {
    {1, 2000, "Hand Axe"}, {2001, 2450, "Short Sword"}, {2451, 2850, "Voulge"},
    {2851, 3250, "Military Fork"}, {3251, 3625, "Footman's Mace"}, {3626, 3965, "Sling"},
    {3966, 4300, "Broad sword"}, {4301, 4635, "Halberd"}, {4636, 4955, "Long sword"},
    {4956, 5275, "Knife"}, {5276, 5575, "Bastard sword"}, {5576, 5850, "Spear"},
    {5851, 6100, "Warhammer"}, {6101, 6267, "Sickle"}, {6268, 6417, "Dagger"},
    {6418, 6567, "Battle axe"}, {6568, 6717, "Bardiche"}, {6718, 6867, "Khopesh"},
    {6868, 7007, "Morning star"}, {7008, 7132, "Scimitar"}, {7133, 7257, "Guisarme"},
    {7258, 7382, "Glaive"}, {7383, 7507, "Footman's flail"}, {7508, 7632, "Fauchard"},
    {7633, 7752, "Staff sling"}, {7753, 7872, "Spear, Great"}, {7873, 7992, "Scourge"},
    {7993, 8112, "Quarter staff"}, {8113, 8232, "Javelin"}, {8233, 8352, "Dart"},
    {8353, 8472, "Club"}, {8473, 8572, "Short bow"}, {8573, 8672, "Long bow"},
    {8673, 8772, "Whip"}, {8773, 8847, "Spetum"}, {8848, 8922, "Ranseur"},
    {8923, 8992, "Light crossbow"}, {8993, 9062, "Heavy crossbow"}, {9063, 9120, "Stilleto, Bloodthorn"},
    {9121, 9177, "Trident"}, {9178, 9233, "Rapier, Petite"}, {9234, 9283, "Hand crossbow"},
    {9284, 9333, "Partisan"}, {9334, 9383, "Lucern hammer"}, {9384, 9433, "Light lance"},
    {9434, 9483, "Footman's pick"}, {9484, 9530, "Horseman's mace"}, {9531, 9577, "Awl Pike"},
    {9578, 9622, "Horseman's pick"}, {9623, 9667, "Bill-guisarme"}, {9668, 9710, "Horseman's flail"},
    {9711, 9753, "Guisarme-voulge"}, {9754, 9796, "Fauchard fork"}, {9797, 9839, "Bec de corbin"},
    {9840, 9879, "Two-handed sword"}, {9880, 9919, "Hook fauchard"}, {9920, 9939, "Mancatcher"},
    {9940, 9959, "Blowgun"}, {9960, 9969, "Medium lance"}, {9970, 9979, "Glaive-guisarme"},
    {9980, 9986, "Heavy lance"}, {9987, 9991, "Jousting lance"}, {9992, 9996, "Harpoon"},
    {9997, 9997, "Composite short bow"}, {9998, 9998, "Peashooter crossbow"},
    {9999, 9999, "Great long bow"}, {10000, 10000, "Composite long bow"},
}};

const ItemTable kArmor{4000, "Armor", {
    {1, 1500, "Padded"}, {1501, 3000, "Leather"}, {3001, 3400, "Studded Leather"},
    {3401, 3565, "Ring mail"}, {3566, 3715, "Hide"}, {3716, 3835, "Scale mail"},
    {3836, 3910, "Brigandine"}, {3911, 3960, "Chain mail", "Elf", "Elven chain mail"},
    {3961, 3975, "Splint mail"}, {3976, 3985, "Banded mail"}, {3986, 3993, "Bronze plate mail"},
    {3994, 3997, "Plate mail"}, {3998, 3999, "Field plate"}, {4000, 4000, "Full plate"},
}};

const ItemTable kShieldHelmet{400, "Shield", {
    {1, 210, "Helmet, Leather"}, {211, 265, "Shield, Small"}, {266, 308, "Helmet, chainmail"},
    {309, 338, "Shield, Buckler"}, {339, 363, "Helmet, Basinet"}, {364, 377, "Shield, Buckler, Spiked"},
    {378, 390, "Helmet, Great"}, {391, 399, "Shield, Medium"}, {400, 400, "Shield, Body"},
}};

const ItemTable kMounts{6000, "Mount", {
    {1, 1000, "Mule"}, {1001, 2000, "Donkey"}, {2001, 3000, "Horse, riding"},
    {3001, 3800, "Goat, Pack (trained)"}, {3801, 4333, "Ox"}, {4334, 4733, "Bull"},
    {4734, 5000, "Pony", "Elf", "Elven pony"}, {5001, 5160, "Camel"}, {5161, 5308, "Horse, light war"},
    {5309, 5448, "Horse, draft"}, {5449, 5584, "Horse, medium war"},
    {5585, 5704, "Horse, heavy war", "Dwarf", "Horse, dwarven war"}, {5705, 5784, "Llama"},
    {5785, 5864, "Ape, Pack (untrained)"}, {5865, 5904, "Camel, Carrion"}, {5905, 5944, "Elephant, Labor"},
    {5945, 5960, "Elephant, War"}, {5961, 5965, "Lizard, Red Bellied Armored"},
    {5966, 5970, "Ape, Pack (trained)"}, {5971, 5976, "Elephant, Sabre-toothed"},
    {5977, 5981, "Eagle, Giant"}, {5982, 5985, "Dolphin, mount"}, {5986, 5989, "Griffin"},
    {5990, 5993, "Hippogriff"}, {5994, 5996, "Horse, Shirkmare"}, {5997, 5998, "Killer Whale, mount"},
    {5999, 5999, "Centisteed"}, {6000, 6000, "Eagle, Gargantuan"},
}};

const ItemTable kDeeds{100, "", {
    {1, 5, "Parcel of land in wilderness - harsh climate"},
    {6, 10, "Parcel of land in wilderness inhabited by monsters"},
    {11, 15, "Parcel of land in wilderness inhabited by humanoids or savages"},
    {16, 20, "Parcel of land in territory of country - farming"},
    {21, 25, "Parcel of land in territory of country - rugged terrain"},
    {26, 30, "Parcel of land in territory of country - forest"},
    {31, 35, "Parcel of land in territory of country - hamlet"},
    {36, 40, "Parcel of land in territory of country - village"},
    {41, 45, "Parcel of land in territory of country - village, home"},
    {46, 50, "Parcel of land in territory of country - village, business"},
    {51, 55, "Parcel in country borders - farm"},
    {56, 60, "Parcel in country borders - forest"},
    {61, 65, "Parcel in country borders - hamlet, home"},
    {66, 70, "Parcel in country borders - hamlet, business"},
    {71, 75, "Parcel in country borders - village, home"},
    {76, 80, "Parcel in country borders - village, business"},
    {81, 85, "Parcel in country borders - town, home"},
    {86, 90, "Parcel in country borders - town, business"},
    {91, 95, "Parcel in country borders - city, home"},
    {96, 100, "Parcel in country borders - city, business"},
}};
// clang-format on

// Rolls `table` with the modifier of its kind until the total is in range, counting the misses.
std::string RollWithCount(const ItemTable& table, int32_t socialClass, const std::string& race,
                          const char* countSuffix) {
    const int32_t modifier = Table3K(socialClass, table.kind);
    int32_t count = 0;
    for (;;) {
        const int32_t total = DiceRoll(table.die, 1) + modifier;
        if (total <= 0) {
            --count;
        } else if (total > table.die) {
            ++count;
        } else {
            const std::string item = BandItem(table, total, race);
            if (count == 0)
                return item;
            return Format("%s%c%i%s", item.c_str(), count > 0 ? '+' : '-', count > 0 ? count : -count,
                          countSuffix);
        }
    }
}

} // namespace

const ItemTable& WeaponTable() {
    return kWeapons;
}
const ItemTable& ArmorTable() {
    return kArmor;
}
const ItemTable& ShieldHelmetTable() {
    return kShieldHelmet;
}
const ItemTable& MountTable() {
    return kMounts;
}
const ItemTable& DeedTable() {
    return kDeeds;
}

int32_t Table3K(int32_t socialClass, const std::string& kind) {
    if (socialClass < 1 || socialClass > 12)
        return 0;
    for (size_t k = 0; k < std::size(kKinds); ++k) {
        if (kind == kKinds[k])
            return kClassModifiers[socialClass - 1][k];
    }
    return 0;
}

std::string BandItem(const ItemTable& table, int32_t total, const std::string& race) {
    for (const ItemBand& band : table.bands) {
        if (total < band.low || total > band.high)
            continue;
        if (band.raceWord && race.find(band.raceWord) != std::string::npos)
            return band.raceText;
        return band.text;
    }
    return std::string();
}

std::string Table3L(int32_t socialClass) {
    return RollWithCount(kWeapons, socialClass, std::string(), "");
}

std::string Table3M(int32_t socialClass, const std::string& race) {
    return RollWithCount(kArmor, socialClass, race, "");
}

std::string Table3N(int32_t socialClass) {
    return RollWithCount(kShieldHelmet, socialClass, std::string(), "");
}

std::string Table3O(int32_t socialClass, const std::string& race) {
    return RollWithCount(kMounts, socialClass, race, " hp per hit die");
}

std::string Table3P() {
    return BandItem(kDeeds, DiceRoll(kDeeds.die, 1), std::string());
}
