// The compiled-in critical-hit table and its look-up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One row: the location rolls `low` to `high` (inclusive) of one damage type and severity level.
struct CriticalEntry {
    int32_t low;
    int32_t high;
    int32_t type;     // 0 Puncturing, 1 Hacking, 2 Crushing, 3 Monster Bites
    int32_t severity; // 1 to 24
    std::string text; // "<location>: <codes>", at most kCriticalTextMax characters
};

constexpr int32_t kCriticalTypes = 4;
constexpr int32_t kCriticalSeverities = 24;
constexpr int32_t kCriticalLocations = 50;
constexpr size_t kCriticalRows = kCriticalTypes * kCriticalSeverities * kCriticalLocations; // 4,800
constexpr size_t kCriticalTextMax = 54;

// The body locations from the foot up, as named in every row and with their d10,000 ranges.
struct CriticalLocation {
    const char* name;
    int32_t low;
    int32_t high;
};
extern const CriticalLocation kCriticalLocationTable[kCriticalLocations];

// The whole table: row type * 1,200 + (severity - 1) * 50 + location. Built once at start-up, read only.
extern const std::vector<CriticalEntry> criticaldata;

extern const char* const kCriticalNegated; // "Severity level below 1; Critical Hit negated"
extern const char* const kCriticalNoRow;   // "Error, incomplete data in program"

// Writes the effect of a critical hit into `out`: severities of 25 and more count as 24, a severity below
// 1 gives kCriticalNegated, and a type, severity and roll that no row holds give kCriticalNoRow.
void Criticalhit(int32_t roll, int32_t severity, int32_t type, std::string& out);
