#include "steps/background_handover.h"

#include <wx/string.h>

#include "app/numbers.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "steps/background_gains.h"
#include "steps/background_rolls.h"
#include "ui/tree_pushers.h"

namespace {

const std::vector<std::string> kMinorTables = {"Hero's Almanac 6F: Quirks, Minor (Mental)",
                                               "Hero's Almanac 6H: Quirks, Minor (Personality)"};
const std::vector<std::string> kMajorTables = {"Hero's Almanac 6G: Quirks, Major (Mental)",
                                               "Hero's Almanac 6I: Quirks, Major (Personality)"};
const std::vector<std::string> kPersonalityTables = {"Hero's Almanac 6H: Quirks, Minor (Personality)"};
const std::vector<std::string> kNoTables;

void AddQualityBP(int32_t bp, const char* parent) {
    if (bp <= 0)
        return;
    program_data.BuildingPoints += static_cast<float>(bp);
    LogStepLine(Format("Adjusted BP by %i due to quality of %s", bp, parent));
}

} // namespace

const std::vector<std::string>& FreeQuirkTables(int kind) {
    switch (kind) {
    case kFreeMinorQuirk:
        return kMinorTables;
    case kFreeMajorQuirk:
        return kMajorTables;
    case kFreePersonalityQuirk:
        return kPersonalityTables;
    default:
        return kNoTables;
    }
}

void FreeQuirksandFlaws(int kind) {
    const std::vector<std::string>& tables = FreeQuirkTables(kind);
    if (tables.empty())
        return;
    const std::vector<wxString> choices(tables.begin(), tables.end());
    // The free table cannot be refused: a cancelled choice answers nothing and is asked again.
    const std::optional<std::string> chosen = AskUntilAnswered([&]() -> std::optional<std::string> {
        const int index = Prompts().Choice("", "Free Quirk or Flaw", choices);
        if (index < 0 || static_cast<size_t>(index) >= tables.size() ||
            tables[static_cast<size_t>(index)].size() < 10)
            return std::nullopt;
        return tables[static_cast<size_t>(index)];
    });
    if (!chosen)
        return;
    program_data.PendingTables.push_back(*chosen);
    program_data.QuirkRollsOwed += 1;
}

BackgroundExit HandOverBackground(const BackgroundGains& gains) {
    program_data.QuirkRollsOwed = 0;
    if (program_data.WizardState != kWizardBackgroundRolled)
        return BackgroundExit::Refused;
    // Names an earlier character queued would otherwise be offered to this one.
    program_data.PendingTables.clear();
    EffofBirth();
    AddQualityBP(gains.momQualityBP, "mother");
    AddQualityBP(gains.dadQualityBP, "father");
    const struct {
        int32_t owed;
        const char* line;
        int kind;
    } freeQuirks[] = {
        {gains.momMinorQuirks, "Acquired a new minor quirk due to quality of mother", kFreeMinorQuirk},
        {gains.dadMinorQuirks, "Acquired a new minor quirk due to quality of father", kFreeMinorQuirk},
        {gains.momMajorQuirks, "Acquired a new major quirk due to quality of mother", kFreeMajorQuirk},
        {gains.dadMajorQuirks, "Acquired a new major quirk due to quality of father", kFreeMajorQuirk},
        {gains.middleChildQuirks, "Acquired a new personality quirk due to being a middle child",
         kFreePersonalityQuirk},
    };
    for (const auto& free : freeQuirks) {
        if (free.owed <= 0)
            continue;
        LogStepLine(free.line);
        FreeQuirksandFlaws(free.kind);
    }
    program_data.QuirkBP.fill(0);
    messagePPtotree();
    program_data.WizardState = kWizardQuirks;
    return program_data.QuirkRollsOwed == 0 ? BackgroundExit::ToHandPicking : BackgroundExit::ToRandomRolls;
}
