#include "steps/background_siblings.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "app/character.h"
#include "app/numbers.h"
#include "steps/roll_protocol.h"
#include "steps/table_lookup.h"

namespace {

struct CountBand {
    int32_t highest;
    int32_t count; // -1: illegitimate siblings, counted on a d4
};
const std::array<CountBand, 11> kCountBands = {{
    {15, 0},
    {35, 1},
    {50, 2},
    {60, 3},
    {68, 4},
    {75, 5},
    {81, 6},
    {85, 7},
    {90, 8},
    {95, 9},
    {100, -1},
}};

const std::array<TextBand, 2> kSexBands = {{{10, "male"}, {20, "female"}}};
const std::array<TextBand, 2> kAliveBands = {{{79, ", alive"}, {100, ", dead"}}};
const std::array<TextBand, 3> kRivalryBands = {{
    {24, ", a bitter rival"},
    {84, ", a normal relationship"},
    {100, ", a devoted friend"},
}};
const std::array<TextBand, 3> kTwinBands = {{
    {94, ", and not a twin"},
    {98, ", and is a twin"},
    {100, ", and is an identical twin"},
}};
struct NatureBand {
    int32_t highest; // on the roll less 10
    const char* text;
    int32_t code;
};
const std::array<NatureBand, 4> kNatureBands = {{
    {15, ". Sibling was abandoned at birth", 1},
    {40, ". Birth was the result of a rape, father unknown", 1},
    {70, ". Mother was a prostitute, father unknown", 1},
    {100, ". Birth was the result of an adultrous affair", 2},
}};
const std::array<TextBand, 2> kFatherBands = {{{75, ", known"}, {100, ", unknown"}}};

// A detail roll's decline costs its BP without the re-roll line.
AcceptOptions DetailAccept() {
    AcceptOptions options;
    options.logDecline = false;
    return options;
}

SiblingText* Entry(int i) {
    auto& entries = current_character.SIBLING_TEXT;
    return i >= 0 && static_cast<size_t>(i) < entries.size() ? &entries[static_cast<size_t>(i)] : nullptr;
}

// One detail roll: `sides`-sided die (plus `modifier`), logged as "<method> for <phrase> (d<sides>):
// rolled <value>, sibling is <text>", the text appended once the roll stands.
template <size_t N>
bool DetailRoll(int i, int32_t sides, int32_t modifier, const char* message, const std::string& phrase,
                const std::array<TextBand, N>& bands) {
    const RolledDice dice = RollOrEnter(sides, 1, message);
    const int32_t value = SaturatingAdd(dice.roll, modifier);
    const char* text = BandOf(bands, value).text;
    if (!LogAndAccept(Format("%s for %s (d%i): rolled %i, sibling is %s", dice.method.c_str(), phrase.c_str(),
                             sides, value, text),
                      DetailAccept()))
        return false;
    if (SiblingText* entry = Entry(i))
        *entry += text;
    return true;
}

} // namespace

std::optional<int32_t> SiblingCount() {
    const RolledDice dice = RollOrEnter(100, 1, "Rolling for quantity of siblings");
    const int32_t count = BandOf(kCountBands, dice.roll).count;
    const std::string line =
        count < 0 ? Format("%s for quantity of siblings (d100): rolled %i = 1d4 illigitimate siblings",
                           dice.method.c_str(), dice.roll)
                  : Format("%s for quantity of siblings (d100): rolled %i = %i siblings", dice.method.c_str(),
                           dice.roll, count);
    if (!LogAndAccept(line))
        return std::nullopt;
    if (count < 0)
        return RollUntilAccepted(IllSiblingCount);
    return count;
}

std::optional<int32_t> IllSiblingCount() {
    const RolledDice dice = RollOrEnter(4, 1, "Rolling for quantity of illigitimate siblings");
    if (!LogAndAccept(Format("%s for quantity of illigitimate siblings (d4): rolled %i", dice.method.c_str(),
                             dice.roll)))
        return std::nullopt;
    return -dice.roll;
}

bool SiblingSex(int i) {
    if (SiblingText* entry = Entry(i))
        *entry = "This sibling is ";
    return DetailRoll(i, 20, 0, "Rolling for sex of sibling", Format("sex of sibling %i", i + 1), kSexBands);
}

bool SiblingDeadorAlive(int i) {
    return DetailRoll(i, 100, 0, "Rolling for dead or alive status of sibling",
                      Format("dead or alive status of sibling %i", i + 1), kAliveBands);
}

bool SiblingRivalry(int i) {
    return DetailRoll(i, 100, current_character.ABILITY_BASE[5],
                      "Rolling for nature of relationship with of sibling",
                      Format("nature of relationship with sibling %i", i + 1), kRivalryBands);
}

bool SiblingTwin(int i) {
    return DetailRoll(i, 100, 0, "Rolling for twin possibility sibling",
                      Format("twin possibility with sibling %i", i + 1), kTwinBands);
}

std::optional<int32_t> SiblingIllNature(int i) {
    const RolledDice dice = RollOrEnter(100, 1, "Rolling for nature of illigitimate siblings birth");
    const int32_t value = dice.roll - 10;
    const NatureBand& band = BandOf(kNatureBands, value);
    if (!LogAndAccept(
            Format("%s for nature of illigitimate siblings birth sibling %i (d100): rolled %i, sibling "
                   "is %s",
                   dice.method.c_str(), i + 1, value, band.text),
            DetailAccept()))
        return std::nullopt;
    if (SiblingText* entry = Entry(i))
        *entry += band.text;
    return band.code;
}

bool SiblingKnownUnknownFather(int i) {
    return DetailRoll(i, 100, 0, "Rolling for known or unknown status of siblings father",
                      Format("known or unknown status of sibling %i father", i + 1), kFatherBands);
}

void SiblingSetup() {
    const int64_t count = std::abs(static_cast<int64_t>(current_character.SIBLINGS));
    // A count changed in the tree beyond the ten entries describes only those.
    const int last = static_cast<int>(
        std::min<int64_t>(count, static_cast<int64_t>(current_character.SIBLING_TEXT.size())));
    for (int i = 0; i < last; ++i) {
        RollUntilAccepted([i] { return SiblingSex(i); });
        RollUntilAccepted([i] { return SiblingDeadorAlive(i); });
        RollUntilAccepted([i] { return SiblingRivalry(i); });
        RollUntilAccepted([i] { return SiblingTwin(i); });
        if (current_character.SIBLINGS < 0 && RollUntilAccepted([i] { return SiblingIllNature(i); }) == 2) {
            if (SiblingText* entry = Entry(i))
                *entry += " father";
            RollUntilAccepted([i] { return SiblingKnownUnknownFather(i); });
        }
    }
}
