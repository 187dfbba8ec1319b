// The honor tracker's party: twenty slots shared by every tracker window, and the actions on its members.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One party slot: a copy of a saved character's header texts and its honor; a free slot has an empty name.
struct PartyMember {
    std::string name;
    std::string className;
    std::string level;
    std::string race;
    std::string sex;
    std::string alignment;
    int32_t honor = 0;
    int32_t temporalHonor = 0;
};

constexpr size_t kPartySlots = 20;
constexpr size_t kPartyColumns = 8;
using PartyRow = std::array<std::string, kPartyColumns>;

// Global because every tracker window and every party picker of the run works on the one party. Members are
// packed from slot 0, in the order the party list shows them.
extern std::array<PartyMember, kPartySlots> pcs;

// The party list's column headings, left to right.
extern const std::array<const char*, kPartyColumns> kPartyColumnNames;

// The member in `slot`; null when `slot` lies outside 0 to 19 or is free.
PartyMember* FindPartyMember(long slot);
// The slot a party list row stands for: `slot` while it still holds a member whose name the row shows as
// `shownName` (see ToWxShown), else -1.
// Every tracker lists the one party, so a row listed before another tracker removed a member may name
// someone else's slot now.
long PartySlotOfRow(long slot, const std::string& shownName);
// The lowest free slot; none when all twenty are filled.
std::optional<size_t> FirstFreeSlot();
// The party list's rows: one per member in slot order, its honor and temporal honor written as numbers.
std::vector<PartyRow> PartyRows();

// Removes the member in `slot` and moves every later member down one slot; false when no member is there.
// Writes no log line.
bool RemovePartyMember(long slot);

// Awards the first award row whose text occurs in `reward` to the member in `slot`: that row's points for
// the member's alignment go to its temporal honor (none for an alignment that HonorPoints does not know) and
// the line "<name> has been awarded: <reward>[ for <n> points of Temporal Honor]" goes to the honor log
// `logFile`. False, with nothing changed or logged, when there is no member or no award row.
bool AwardPartyMember(long slot, const std::string& reward, const std::string& logFile);

enum class HonorAdjustment { Honor, TemporalHonor };

// Asks a reason (a cancel gives an empty one) and an amount from 1 to 20, adds the amount to the member's
// honor or temporal honor and logs "<name> has had [Temporal ]Honor adjusted: <reason> for <n> points of
// [Temporal ]Honor" to `logFile`. False, with nothing changed or logged, when there is no member in `slot`
// (then nothing is asked) or the amount is cancelled.
bool AdjustPartyMember(long slot, HonorAdjustment which, const std::string& logFile);

// A member added from a saved character: its slot and the cells of its new list row (the honor as read
// from the file, the temporal honor "0").
struct PartyAddition {
    size_t slot;
    PartyRow row;
};

// Re-reads the saved-character folder and copies the character of the file `fileName` into the first free
// slot. A full party, or a file no longer there, is told in one message and adds nobody.
std::optional<PartyAddition> AddSavedCharacter(const std::string& fileName);
