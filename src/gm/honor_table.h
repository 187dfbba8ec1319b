// The compiled-in honor-award catalogue of the honor tracker, its notes and its four look-ups.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr size_t kHonorAlignments = 9;

// One award row: its text as listed and logged, its award table (1 to 7), its note (index into
// NoteBuffer, 0 for none) and the points it is worth to each alignment in kHonorAlignmentNames order.
struct HonorAwardEntry {
    const char* text;
    int32_t table;
    int32_t note;
    std::array<int32_t, kHonorAlignments> points;
    int32_t classGroup; // kept as the catalogue gives it; nothing reads it
    int32_t group;      // kept as the catalogue gives it; nothing reads it
};

constexpr size_t kHonorRows = 122;
constexpr int32_t kHonorTables = 7;
constexpr size_t kHonorNotes = 27;

// The rows ordered by table, each table's rows in the order the reward list shows them.
extern const std::array<HonorAwardEntry, kHonorRows> HonorData;
// The note texts; entry 0, "Notes", is the note line's caption for a row without a note.
extern const std::array<const char*, kHonorNotes> NoteBuffer;
// The filter list: position 0 is "Unfiltered - Honor Point Awards", position t the label of table t.
extern const std::array<const char*, kHonorTables + 1> kHonorFilterLabels;
// The alignments in the order of `points`: good, neutral, evil, each lawful, neutral, chaotic.
extern const std::array<const char*, kHonorAlignments> kHonorAlignmentNames;
// The same nine as the shipped class catalogues write them ("Lawful Good", ..., "True Neutral"), in the
// same order: a character whose alignment was chosen from them earns the same points.
extern const std::array<const char*, kHonorAlignments> kCatalogueAlignmentNames;

// The row numbers of filter position `table`: all rows for 0, the rows of that table for 1 to 7, none else.
std::vector<size_t> HonorRowsOfFilter(int32_t table);
// The first row whose text occurs in `shown` (case-sensitive); none when no row's does.
std::optional<size_t> HonorRowOfText(const std::string& shown);
// The note text of row `row` ("Notes" for a row without a note).
const char* HonorNote(size_t row);
// The points of row `row` for `alignment`, which must be one of kHonorAlignmentNames or
// kCatalogueAlignmentNames exactly (whole and case-sensitive); none else.
std::optional<int32_t> HonorPoints(size_t row, const std::string& alignment);
