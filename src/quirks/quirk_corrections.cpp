#include "quirks/quirk_corrections.h"

#include <vector>

#include "app/character.h"
#include "app/program_data.h"
#include "catalog/race_catalog.h"
#include "quirks/quirk_flaw.h"
#include "quirks/quirk_roll_list.h"

namespace {

constexpr int kMalePatternBaldness = 15;
constexpr int kCancelsRead = 7; // entries 0 to 6; the data never use more

// A held row that removes lesser rows of the same kind, with the line it logs (none when empty).
struct FixedRule {
    int row;
    std::vector<int> drops;
    const char* line;
};

const FixedRule kFixedRules[] = {
    {36, {35}, "You have no arms! Atleast you can't lose any fingers now."},
    {37, {38}, ""},
    {39, {5, 14, 28, 29, 30, 46}, "You are blind. All of your pre-existing vission problems are now gone."},
    {40, {9, 27}, "You are deaf. All of your pre-existing hearing problems are now gone."},
};

void Drop(int row) {
    if (row < 0 || row >= kQuirkFlawRows)
        return;
    current_character.QUIRK_COUNT[row] = 0;
    program_data.QuirkBP[static_cast<size_t>(row)] = 0;
    quirkflaw[static_cast<size_t>(row)].maxTimes = 0;
}

bool IsFemale() {
    return current_character.pRace && current_character.pRace->SEX == "Female";
}

} // namespace

void QuirkCorrections(QuirkRollList& list) {
    for (int row = 0; row < kQuirkFlawRows; ++row) {
        if (current_character.QUIRK_COUNT[row] <= 0)
            continue;
        if (row == kMalePatternBaldness && IsFemale()) {
            Drop(row);
            for (char code : {'C', 'F'})
                list.tables.push_back(QuirkTableForCode(code));
            list.pending += 2;
            list.selection = 0;
            LogStepLine(
                "Females can not get male patern baldness! You lose this flaw and gain a roll on 6C and 6F");
        }
        for (const FixedRule& rule : kFixedRules) {
            if (rule.row != row)
                continue;
            for (int dropped : rule.drops)
                Drop(dropped);
            if (*rule.line)
                LogStepLine(rule.line);
        }
        const QuirkFlaw& entry = quirkflaw[static_cast<size_t>(row)];
        for (int i = 0; i < kCancelsRead; ++i) {
            if (entry.cancels[static_cast<size_t>(i)] > 0)
                Drop(entry.cancels[static_cast<size_t>(i)]);
        }
    }
}
