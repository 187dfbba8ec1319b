#include "gm/honor_party.h"

#include <wx/defs.h>

#include "app/dice_log.h"
#include "app/numbers.h"
#include "app/prompts.h"
#include "app/text_encoding.h"
#include "files/saved_characters.h"
#include "gm/honor_table.h"

std::array<PartyMember, kPartySlots> pcs;

const std::array<const char*, kPartyColumns> kPartyColumnNames = {
    "Name", "Class", "Level", "Race", "Sex", "Honor", "Alignment", "Temporal Honor",
};

namespace {

const char* const kPickerCaption = "Add Character";

struct AdjustmentTexts {
    const char* adjusted;
    const char* points;
};

AdjustmentTexts TextsOf(HonorAdjustment which) {
    if (which == HonorAdjustment::Honor)
        return {" has had Honor adjusted: ", " for %i points of Honor"};
    return {" has had Temporal Honor adjusted: ", " for %i points of Temporal Honor"};
}

} // namespace

PartyMember* FindPartyMember(long slot) {
    if (slot < 0 || static_cast<size_t>(slot) >= kPartySlots)
        return nullptr;
    PartyMember& member = pcs[static_cast<size_t>(slot)];
    return member.name.empty() ? nullptr : &member;
}

long PartySlotOfRow(long slot, const std::string& shownName) {
    const PartyMember* member = FindPartyMember(slot);
    return member && FromWx(ToWxShown(member->name)) == shownName ? slot : -1;
}

std::optional<size_t> FirstFreeSlot() {
    for (size_t slot = 0; slot < kPartySlots; ++slot)
        if (pcs[slot].name.empty())
            return slot;
    return std::nullopt;
}

std::vector<PartyRow> PartyRows() {
    std::vector<PartyRow> rows;
    for (const PartyMember& m : pcs) {
        if (m.name.empty())
            break;
        rows.push_back({m.name, m.className, m.level, m.race, m.sex, Format("%i", m.honor), m.alignment,
                        Format("%i", m.temporalHonor)});
    }
    return rows;
}

bool RemovePartyMember(long slot) {
    if (!FindPartyMember(slot))
        return false;
    size_t j = static_cast<size_t>(slot);
    for (; j + 1 < kPartySlots && !pcs[j + 1].name.empty(); ++j)
        pcs[j] = pcs[j + 1];
    pcs[j] = PartyMember();
    return true;
}

bool AwardPartyMember(long slot, const std::string& reward, const std::string& logFile) {
    const std::optional<size_t> row = HonorRowOfText(reward);
    PartyMember* member = FindPartyMember(slot);
    if (!row || !member)
        return false;
    std::string line = member->name + " has been awarded: " + reward;
    if (const std::optional<int32_t> points = HonorPoints(*row, member->alignment)) {
        member->temporalHonor = SaturatingAdd(member->temporalHonor, *points);
        line += Format(" for %i points of Temporal Honor", *points);
    }
    Format_Entry(line, logFile);
    return true;
}

bool AdjustPartyMember(long slot, HonorAdjustment which, const std::string& logFile) {
    PartyMember* member = FindPartyMember(slot);
    if (!member)
        return false;
    const AdjustmentTexts texts = TextsOf(which);
    const std::optional<wxString> reason = Prompts().Text("Reason for Honor Adjustment", "Enter Reason", "");
    // The amount starts at the least it may be; a cancelled amount leaves the member as it was.
    const std::optional<long> amount =
        Prompts().Number("Enter amount of Honor Adjustment", "Enter number", "Honor Adjustment", 1, 1, 20);
    if (!amount)
        return false;
    int32_t& field = which == HonorAdjustment::Honor ? member->honor : member->temporalHonor;
    field = SaturatingAdd(field, *amount);
    std::string line = member->name + texts.adjusted + (reason ? FromWx(*reason) : std::string()) +
                       Format(texts.points, static_cast<int>(*amount));
    Format_Entry(line, logFile);
    return true;
}

std::optional<PartyAddition> AddSavedCharacter(const std::string& fileName) {
    const std::optional<size_t> slot = FirstFreeSlot();
    if (!slot) {
        Prompts().Message("The party is full: remove a member before adding another.", kPickerCaption,
                          wxOK | wxICON_INFORMATION);
        return std::nullopt;
    }
    // The folder is read again at the moment of choosing: the file may have changed since the list was shown.
    VOLDFileClass::Clear();
    VOLDFileClass::LoadCharacter();
    const VOLDFileClass* entry = VOLDFileClass::First();
    while (entry && (entry->FILE_NAME != fileName || entry->CHARACTER_NAME.empty()))
        entry = entry->pNext.get();
    if (!entry) {
        Prompts().Message(ToWx("The character file \"" + ShortenMiddle(fileName) +
                               "\" could not be found. It may have been moved or deleted since the list "
                               "was filled."),
                          kPickerCaption, wxOK | wxICON_ERROR);
        return std::nullopt;
    }
    PartyMember& member = pcs[*slot];
    member = PartyMember();
    member.name = entry->CHARACTER_NAME;
    member.className = entry->CLASS_LONG_NAME;
    member.level = entry->LEVEL;
    member.race = entry->RACE;
    member.sex = entry->SEX;
    member.alignment = entry->ALIGNMENT;
    member.honor = ParseLeadingInt(entry->HONOR_BASE);
    return PartyAddition{*slot,
                         {entry->CHARACTER_NAME, entry->CLASS_LONG_NAME, entry->LEVEL, entry->RACE,
                          entry->SEX, entry->HONOR_BASE, entry->ALIGNMENT, "0"}};
}
