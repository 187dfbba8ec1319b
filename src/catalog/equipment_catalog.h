// The equipment catalogue, read from Equipment/*_Equipment.qxf, with its category table entry.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_list.h"
#include "catalog/catalog_reader.h"

// One piece of equipment, or the category table (the first entry whose NAME contains "Categories").
// Field names are the catalogue's element names.
class CharacterEquip : public CatalogList<CharacterEquip> {
public:
    std::vector<std::string> CATEGORY; // the category table's names, in order
    int32_t nCATEGORY = 0;
    std::string NAME;
    float WEIGHT = 0;
    int32_t TABLEID = 0;  // the item's category: position in the category table's list, from 1
    int32_t COST = 0;     // price of one item, in the coin COIN names
    std::string COIN;     // "Gold", "Silver" or "Copper"
    bool COMBINE = false; // a further purchase raises the quantity owned instead of adding another item

    // Appends one entry per equipment file of Equipment/ under the working directory (or `startFolder`).
    static void LoadEquip();
    static void LoadEquip(const std::filesystem::path& startFolder);
    // The folder below the start folder that holds the equipment files.
    static constexpr const char* kFolder = "Equipment";
    // Reads one equipment file into `entry`, up to its "</CHARACTER_EQUIP" line.
    static void ParseEquipXML(const std::filesystem::path& file, CharacterEquip& entry);
    static void xmlConvert(std::string_view line, CharacterEquip& entry);
    static void xmlAssign(std::string_view value, std::string_view tag, CharacterEquip& entry);
    static const std::vector<CatalogKey<CharacterEquip>>& Keys();
    // The first entry in list order whose NAME contains `text` (case-sensitive); null when none does.
    static CharacterEquip* Find(std::string_view text);
};

// The object through which the equipment loader and look-up are called; the entries hang on the
// class's list.
extern CharacterEquip CEquip;
