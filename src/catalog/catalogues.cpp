#include "catalog/catalogues.h"

#include <system_error>
#include <wx/defs.h>

#include "app/prompts.h"
#include "app/text_encoding.h"
#include "catalog/catalog_reader.h"
#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog/talent_catalog.h"

void LoadCatalogues() {
    CRace.LoadRace();
    CClass.LoadClass();
    CSkill.LoadSkill();
    CSpell.LoadSpell();
    CTalent.LoadTalent();
    CProfs.LoadProfs();
    CEquip.LoadEquip();
}

void ClearCatalogues() {
    CharacterRace::Clear();
    CharacterClass::Clear();
    CharacterSkill::Clear();
    CharacterSpell::Clear();
    CharacterTalent::Clear();
    CharacterProf::Clear();
    CharacterEquip::Clear();
}

std::vector<std::string> MissingCatalogueFolders(const std::filesystem::path& startFolder) {
    std::vector<std::string> missing;
    for (const char* folder :
         {CharacterRace::kFolder, CharacterClass::kFolder, CharacterSkill::kFolder, CharacterSpell::kFolder,
          CharacterTalent::kFolder, CharacterProf::kFolder, CharacterEquip::kFolder}) {
        std::error_code ec;
        if (!std::filesystem::is_directory(startFolder / folder, ec))
            missing.emplace_back(folder);
    }
    return missing;
}

void ReportMissingCatalogueFolders() {
    const std::filesystem::path start = CatalogStartFolder();
    const std::vector<std::string> missing = MissingCatalogueFolders(start);
    if (missing.empty())
        return;
    std::string list;
    for (const std::string& folder : missing)
        list += (list.empty() ? "" : ", ") + folder;
    Prompts().Message(ToWx("Brindlekit reads its catalogues from the folder it is started in, \"" +
                           ShortenMiddle(start.string()) +
                           "\". These catalogue folders are missing there: " + list +
                           ". Their catalogues are empty; start Brindlekit in a folder that holds them."),
                      "Catalogues", wxOK | wxICON_WARNING);
}
