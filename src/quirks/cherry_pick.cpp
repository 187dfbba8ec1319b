#include "quirks/cherry_pick.h"

#include <optional>
#include <wx/defs.h>

#include "app/character.h"
#include "app/numbers.h"
#include "app/options_file.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "app/text_encoding.h"
#include "quirks/quirk_steps.h"

namespace {

constexpr int32_t kMinorPickBP = 2;
constexpr int32_t kMajorPickBP = 4;

const QuirkFlaw& Row(int row) {
    return quirkflaw[static_cast<size_t>(row)];
}

bool Offered(const CherryPicks& picks, int row, int32_t type) {
    const QuirkFlaw& entry = Row(row);
    return picks.picked[static_cast<size_t>(row)] == 0 && entry.type == type && !entry.name.empty() &&
           current_character.QUIRK_COUNT[row] < entry.maxTimes && BookEnabled(entry.book);
}

bool NameIn(const std::string& text, int row) {
    const std::string& name = Row(row).name;
    return !name.empty() && text.find(name) != std::string::npos;
}

const char* SourcebookTitle(int book) {
    switch (book) {
    case kBookMagister:
        return "Magister's Almanac";
    case kBookWarlord:
        return "Warlord's Almanac";
    case kBookRogue:
        return "Rogue's Almanac";
    case kBookPriest:
        return "Priest's Almanac";
    default:
        return nullptr;
    }
}

// Only the four sourcebooks bind the class, so only their rows ask; an explicit Yes consents.
bool ConsentsToSourcebook(int book) {
    const char* title = SourcebookTitle(book);
    if (!title)
        return true;
    const std::string question =
        Format("Taking this quirk or flaw will force you into creating a character with a class from the %s "
               "(single or multiclass as race permits), do you still want to take it?",
               title);
    return Prompts().Message(ToWx(question), "Quirks and Flaws", wxYES_NO | wxICON_QUESTION) == wxYES;
}

int32_t& PicksLeft(CherryPicks& picks, int32_t type) {
    return type == kQuirkMinor ? picks.minorPicksLeft : picks.majorPicksLeft;
}

int32_t PickBP(int32_t type) {
    return type == kQuirkMinor ? kMinorPickBP : kMajorPickBP;
}

bool Pick(CherryPicks& picks, const std::string& text, int32_t type) {
    if ((type != kQuirkMinor && type != kQuirkMajor) || PicksLeft(picks, type) <= 0)
        return false;
    for (int row = 1; row < kQuirkFlawRows; ++row) {
        if (!NameIn(text, row))
            continue;
        const QuirkFlaw& entry = Row(row);
        if (!ConsentsToSourcebook(entry.book))
            return false;
        const size_t i = static_cast<size_t>(row);
        // What the character holds counts against the limit too, not only this window's picks.
        if (entry.type != type ||
            static_cast<int64_t>(current_character.QUIRK_COUNT[row]) + picks.picked[i] >= entry.maxTimes)
            continue;
        picks.picked[i] += 1;
        picks.pickBP[i] += PickBP(type);
        PicksLeft(picks, type) -= 1;
        return true;
    }
    return false;
}

bool TakeBack(CherryPicks& picks, const std::string& text) {
    for (int row = 1; row < kQuirkFlawRows; ++row) {
        const size_t i = static_cast<size_t>(row);
        const int32_t type = Row(row).type;
        if (!NameIn(text, row) || picks.picked[i] <= 0 || (type != kQuirkMinor && type != kQuirkMajor))
            continue;
        picks.picked[i] -= 1;
        picks.pickBP[i] -= PickBP(type);
        PicksLeft(picks, type) += 1;
        return true;
    }
    return false;
}

} // namespace

CherryOffers CherryOffered(const CherryPicks& picks) {
    CherryOffers offers;
    for (int row = 1; row < kQuirkFlawRows; ++row) {
        if (Offered(picks, row, kQuirkMinor))
            offers.minor.push_back(Row(row).name);
        else if (Offered(picks, row, kQuirkMajor))
            offers.major.push_back(Row(row).name);
    }
    return offers;
}

std::vector<std::string> PickedQuirkLines(const CherryPicks& picks) {
    return QuirkLinesByCount([&picks](int row) { return picks.picked[static_cast<size_t>(row)]; });
}

bool CherryPick(CherryPicks& picks, const std::string& text, int delta, int32_t type) {
    if (delta == 1)
        return Pick(picks, text, type);
    if (delta == -1)
        return TakeBack(picks, text);
    return false;
}

bool CherryAddMinor(CherryPicks& picks, const std::string& text) {
    return picks.minorPicksLeft > 0 && CherryPick(picks, text, 1, kQuirkMinor);
}

bool CherryAddMajor(CherryPicks& picks, const std::string& text) {
    return picks.majorPicksLeft > 0 && CherryPick(picks, text, 1, kQuirkMajor);
}

bool CherryRemove(CherryPicks& picks, const std::string& selectedLine) {
    return CherryPick(picks, selectedLine, -1, kQuirkMinor);
}

void CherryContinue(const CherryPicks& picks) {
    program_data.WizardState = kWizardClass;
    for (int row = 0; row < kQuirkFlawRows; ++row) {
        const size_t i = static_cast<size_t>(row);
        int32_t& held = current_character.QUIRK_COUNT[row];
        held += picks.picked[i];
        program_data.BuildingPoints += static_cast<float>(picks.pickBP[i]);
        program_data.QuirkBP[i] = picks.pickBP[i];
        if (held <= 0)
            continue;
        const int flag = BookClassFlagFor(Row(row).book);
        if (flag >= 0)
            current_character.BOOK_CLASS_FLAG[static_cast<size_t>(flag)] = true;
        LogStepLine(Format("Acquired the %s Quirk/Flaw (x%i) via Cherry Picking for %i BP",
                           Row(row).name.c_str(), held, picks.pickBP[i]));
    }
    BuildQuirkList();
}

int CherryRollRandomly() {
    const std::optional<long> answer = AskNumberUntilAnswered(
        "Enter how many times you wish to roll on Table 6A", "1 - 9", "Quirks and Flaws", 1, 1, 9);
    if (!answer)
        return 0;
    const int rolls = static_cast<int>(*answer);
    program_data.WizardState = kWizardChosenQuirkRolls;
    program_data.QuirkRollsOwed = rolls;
    LogStepLine(Format("Preparing to roll %i times for Quirks and Flaws", rolls));
    return rolls;
}
