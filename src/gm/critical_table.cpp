#include "gm/critical_table.h"

#include <algorithm>

#include "app/numbers.h"

const char* const kCriticalNegated = "Severity level below 1; Critical Hit negated";
const char* const kCriticalNoRow = "Error, incomplete data in program";

const CriticalLocation kCriticalLocationTable[kCriticalLocations] = {
    {"Foot, top", 0, 100},
    {"Heel", 101, 104},
    {"Toe(s)", 105, 136},
    {"Foot, arch", 137, 140},
    {"Ankle, inner", 141, 170},
    {"Ankle, outer", 171, 200},
    {"Ankle, upper/Achilles", 201, 220},
    {"Shin", 221, 964},
    {"Calf", 965, 1006},
    {"Knee", 1007, 1118},
    {"Knee, back", 1119, 1132},
    {"Hamstring", 1133, 1216},
    {"Thigh", 1217, 2000},
    {"Hip", 2001, 2330},
    {"Groin (Male only)", 2331, 2405},
    {"Buttock", 2406, 2435},
    {"Abdomen, lower", 2436, 2570},
    {"Side, lower", 2571, 3020},
    {"Abdomen, upper", 3021, 3110},
    {"Back, small of", 3111, 3125},
    {"Back, lower", 3126, 3155},
    {"Chest", 3156, 3425},
    {"Side, upper", 3426, 3455},
    {"Back, upper", 3456, 3485},
    {"Back, upper middle", 3486, 3500},
    {"Armpit", 3501, 3820},
    {"Arm, upper outer", 3821, 4300},
    {"Arm, upper inner", 4301, 4492},
    {"Elbow", 4493, 4588},
    {"Inner joint", 4589, 4684},
    {"Forarm, back", 4685, 5308},
    {"Forarm, inner", 5309, 5836},
    {"Wrist, back", 5837, 5908},
    {"Wrist, front", 5909, 5980},
    {"Hand, back", 5981, 6052},
    {"Palm", 6053, 6076},
    {"Finger(s)", 6077, 6220},
    {"Shoulder, side", 6221, 7180},
    {"Shoulder, top", 7181, 9100},
    {"Neck, front", 9101, 9121},
    {"Neck, back", 9122, 9142},
    {"Neck, side", 9143, 9373},
    {"Head, side", 9374, 9653},
    {"Head, back lower", 9654, 9688},
    {"Face, lower side", 9689, 9768},
    {"Face, lower center", 9769, 9788},
    {"Head, back upper", 9789, 9823},
    {"Face, upper side", 9824, 9903},
    {"Face, upper center", 9904, 9923},
    {"Head, top", 9924, 10000},
};

namespace {

enum Type { kPuncturing = 0, kHacking = 1, kCrushing = 2, kBites = 3 };
enum Region { kLeg, kGroin, kTorso, kArm, kNeck, kHead };

// Location numbers the effects single out.
enum Location {
    kToes = 2,
    kGroinLocation = 14,
    kBackSmall = 19,
    kBackLower = 20,
    kBackUpper = 23,
    kBackUpperMiddle = 24,
    kFingers = 36,
    kNeckFront = 39,
    kNeckBack = 40,
    kFaceLowerSide = 44,
    kFaceLowerCenter = 45,
    kFaceUpperSide = 47,
    kFaceUpperCenter = 48,
};

Region RegionOf(int location) {
    if (location <= 12)
        return kLeg;
    if (location == kGroinLocation)
        return kGroin;
    if (location <= 25)
        return kTorso;
    if (location <= 38)
        return kArm;
    if (location <= 41)
        return kNeck;
    return kHead;
}

bool IsSpine(int location) {
    return location == kBackSmall || location == kBackLower || location == kBackUpper ||
           location == kBackUpperMiddle || location == kNeckBack;
}
bool IsDigit(int location) {
    return location == kToes || location == kFingers;
}
bool IsJaw(int location) {
    return location == kFaceLowerSide || location == kFaceLowerCenter;
}
bool IsFace(int location) {
    return IsJaw(location) || location == kFaceUpperSide || location == kFaceUpperCenter;
}

// The rows the game's table writes out, kept as written. The rule below gives all but the
// puncturing chest row of severity 12 by itself; keeping them here pins them whatever the rule becomes.
struct FixedRow {
    int32_t type, severity, location;
    const char* codes;
};
const FixedRow kFixedRows[] = {
    {kPuncturing, 1, 0, "1"},
    {kPuncturing, 1, kGroinLocation, "1, f, h1"},
    {kPuncturing, 1, 49, "8"},
    {kPuncturing, 1, 21, "3"},
    {kPuncturing, 3, 0, "3"},
    {kPuncturing, 5, 0, "4, m1"},
    {kPuncturing, 10, 21, "x3, w, t2"},
    {kPuncturing, 12, 7, "x2, d2, f, m2"},
    {kPuncturing, 12, 21, "x3, w, ib, bf1"},
    {kPuncturing, 24, 21, "run thru (dead)"},
    {kHacking, 24, 21, "cut in twain (dead)"},
    {kHacking, 23, kNeckFront, "neck snapped (dead)"},
    {kCrushing, 24, 21, "body cavity crushed (dead)"},
    {kCrushing, 22, kNeckFront, "windpipe crushed, choking"},
    {kBites, 1, 21, "1"},
    {kBites, 10, 21, "x3, w, t2, ib"},
    {kBites, 24, 21, "x5, bm4, pb, ib, v3, u"},
    {kPuncturing, 24, 49, "brain goo"},
    {kHacking, 24, 49, "brain goo"},
    {kCrushing, 24, 49, "brain goo"},
    {kBites, 24, 49, "brain goo"},
};

// The outcome in plain words that heads the codes at severities 22 to 24, or null.
const char* PlainOutcome(int type, int severity, int location) {
    if (severity < 22)
        return nullptr;
    const Region region = RegionOf(location);
    if (region == kHead) {
        if (type == kHacking && IsJaw(location))
            return "jaw removed";
        if (severity == 24)
            return "brain goo";
        if (type == kCrushing)
            return severity == 22 ? "skull caved-in" : "skull caved in";
        return nullptr;
    }
    if (region == kNeck) {
        if (type == kHacking && severity >= 23)
            return severity == 23 ? "neck snapped (dead)" : "decapitated (dead)";
        if (type == kCrushing)
            return severity == 22 ? (location == kNeckFront ? "windpipe crushed, choking" : "choking")
                                  : "neck snapped (dead)";
        return "choking";
    }
    if (severity == 24 && (region == kTorso || region == kGroin)) {
        if (type == kPuncturing)
            return "run thru (dead)";
        if (type == kHacking)
            return "cut in twain (dead)";
        if (type == kCrushing)
            return IsSpine(location) ? "spine crushed (dead)" : "body cavity crushed (dead)";
    }
    return nullptr;
}

// The rule for every row the game's table leaves to us. Codes, in this order:
//  - damage: up to severity 8 a bare extra-damage number, about four fifths of the severity, +2 on
//    the torso, +4 on the neck, +7 on the head, -2 for bites (at least 1); from 9 on a multiplier
//    "x2" rising by one every four levels to "x5", one step higher on the torso, neck and head;
//  - the region's own effects: legs lose Dexterity ("d"), fall ("f") and slow down ("m1" to "m10");
//    arms drop what they hold ("ws", then "w"), miss ("a") and weaken ("s"); the groin falls and
//    shames ("f", "h"); the torso drops its weapon ("w"); the neck and the head fall ("f"), faces
//    cost honor ("h") and upper faces miss ("a"), crushed heads concuss ("mc", then "sc"); none of
//    these beside a plain-words outcome;
//  - the damage type's wound: puncturing "t", hacking "b", crushing "bm", bites "t" then "bm", from
//    severity 9 on the trunk and the neck and from 13 on the limbs and the head; spines risk paralysis
//    ("p"); hacking sheds blood ("pb") on limbs and severs them ("ls"), necks bleed out ("pb"), and the
//    torso bleeds inside ("ib"), bleeds out ("pb") and takes vital-organ damage ("v");
//  - unconsciousness ("u") last: from 13 on the head, 17 on the neck, 22 on the trunk; an unconscious
//    victim drops everything anyway, so "w" is left out beside it.
// At 22 to 24 a plain-words outcome (PlainOutcome) comes first.
std::string RuleCodes(int type, int severity, int location) {
    const int s = severity;
    const Region region = RegionOf(location);
    const bool trunk = region == kTorso || region == kGroin;
    std::vector<std::string> codes;
    auto add = [&codes](const std::string& code) { codes.push_back(code); };

    const char* outcome = PlainOutcome(type, s, location);
    if (outcome) {
        // Death, a pulped brain and a choking throat say all there is; a caved-in skull or a lost jaw
        // takes the damage, the wound and unconsciousness, and no lesser effects of the head.
        const std::string words = outcome;
        if (words.find("(dead)") != std::string::npos || words == "brain goo" || region == kNeck)
            return words;
        add(words);
    }

    const bool unconscious =
        (region == kHead && s >= 13) || (region == kNeck && s >= 17) || (trunk && s >= 22);
    if (s <= 8) {
        static const int bonus[] = {0, 0, 2, 0, 4, 7}; // by Region
        const int bare = (4 * s + 3) / 5 + bonus[region] - (type == kBites ? 2 : 0);
        add(Format("%i", std::max(1, bare)));
    } else {
        const int raise = trunk || region == kNeck || region == kHead ? 1 : 0;
        add(Format("x%i", std::min(5, 2 + (s - 9) / 4 + raise)));
    }

    switch (region) {
    case kLeg:
        if (s >= 12)
            add(Format("d%i", std::min(5, (s - 4) / 4)));
        if (s >= 10)
            add("f");
        if (s >= 5)
            add(Format("m%i", s < 13 ? 1 + (s - 5) / 4 : std::min(10, s - 10)));
        break;
    case kArm:
        if (s >= 5)
            add(s < 10 ? "ws" : "w");
        if (s >= 7)
            add(Format("a%i", (s - 3) / 4));
        if (s >= 13)
            add(Format("s%i", (s - 9) / 4));
        break;
    case kGroin:
        add("f");
        add(Format("h%i", 1 + (s - 1) / 8));
        break;
    case kTorso:
        if (s >= 9 && !unconscious)
            add("w");
        break;
    case kNeck:
    case kHead:
        if (outcome)
            break;
        if (s >= 9)
            add("f");
        if (region == kHead && IsFace(location) && s >= 5)
            add(Format("h%i", 1 + (s - 5) / 8));
        if (region == kHead && !IsJaw(location) && IsFace(location) && s >= 9)
            add(Format("a%i", (s - 5) / 4));
        if (region == kHead && type == kCrushing && s >= 9)
            add(s < 17 ? "mc" : "sc");
        break;
    }

    const bool limb = region == kLeg || region == kArm;
    if (s >= (limb || region == kHead ? 13 : 9)) {
        if (type == kPuncturing || (type == kBites && s < 17))
            add(Format("t%i", (s - 6) / 2));
        else if (type == kHacking)
            add(Format("b%i", (s - 6) / 2));
        else if (type == kCrushing)
            add(Format("bm%i", (s - 5) / 4));
        else
            add(Format("bm%i", (s - 8) / 4));
        if (IsSpine(location))
            add("p");
    }
    if (limb && type == kHacking) {
        if (s >= 21 || (IsDigit(location) && s >= 13))
            add("ls"); // a severed limb bleeds out by itself
        else if (s >= 17)
            add("pb");
    }
    if (region == kNeck && type != kCrushing && s >= 13)
        add("pb");
    if (trunk) {
        if (s >= 20 && (type == kHacking || type == kBites))
            add("pb");
        const int bleedsFrom[] = {12, 15, 13, 9}; // by Type
        if (s >= bleedsFrom[type])
            add("ib");
        if (s >= 19 && region == kTorso)
            add(Format("v%i", (s - 17) / 2));
    }
    if (unconscious)
        add("u");

    std::string text;
    for (const std::string& code : codes)
        text += (text.empty() ? "" : ", ") + code;
    return text;
}

std::vector<CriticalEntry> BuildCriticalData() {
    std::vector<CriticalEntry> rows;
    rows.reserve(kCriticalRows);
    for (int32_t type = 0; type < kCriticalTypes; ++type)
        for (int32_t severity = 1; severity <= kCriticalSeverities; ++severity)
            for (int32_t location = 0; location < kCriticalLocations; ++location) {
                const CriticalLocation& where = kCriticalLocationTable[location];
                std::string codes;
                const auto fixed =
                    std::find_if(std::begin(kFixedRows), std::end(kFixedRows), [&](const FixedRow& r) {
                        return r.type == type && r.severity == severity && r.location == location;
                    });
                codes = fixed != std::end(kFixedRows) ? fixed->codes : RuleCodes(type, severity, location);
                rows.push_back(
                    {where.low, where.high, type, severity, std::string(where.name) + ": " + codes});
            }
    // The one group that starts at 1: a puncture of severity 5 cannot land on a location roll of 0.
    rows[(5 - 1) * kCriticalLocations].low = 1;
    return rows;
}

} // namespace

const std::vector<CriticalEntry> criticaldata = BuildCriticalData();

void Criticalhit(int32_t roll, int32_t severity, int32_t type, std::string& out) {
    if (severity >= 25) {
        severity = 24;
    } else if (severity < 1) {
        out = kCriticalNegated;
        return;
    }
    out = kCriticalNoRow;
    for (const CriticalEntry& row : criticaldata) {
        if (row.type == type && row.severity == severity && row.low <= roll && roll <= row.high) {
            out = row.text;
            return;
        }
    }
}
