// Pins every row of the critical-hit table against a fixture.
//
// Apart from the few rows the game writes out, the table's texts are our own, made by a rule
// (critical_table.cpp). Game masters read them at the table as the game's outcomes, so a change to any
// row is a change to the game: it must be made on purpose and looked at, never slip in with a change to
// the rule's code. To change them deliberately, rewrite the fixture from the table and review its diff:
//   BK_WRITE_CRITICAL_ROWS=1 build/core_tests --gtest_filter='CriticalRows.*'
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "gm/critical_table.h"
#include "support/character_fixture.h"

namespace {

const std::filesystem::path kFixture = std::filesystem::path(BK_TEST_DATA_DIR) / "critical_rows.txt";

const char* const kFixtureHeader =
    "# Every row of the critical-hit table, as critical_rows_test.cpp pins it. Rewrite it only on purpose:\n"
    "#   BK_WRITE_CRITICAL_ROWS=1 build/core_tests --gtest_filter='CriticalRows.*'\n"
    "# L <location> <low> <high> <name>: a location of every group; a row's text is \"<name>: <codes>\".\n"
    "# G <type> <severity>: a group, then its locations with the same codes in runs: <first>[-<last>] "
    "<codes>.\n";

// The codes of a row, after its location's name; the whole text when the name does not lead it.
std::string CodesOf(const CriticalEntry& row, int location) {
    const std::string lead = std::string(kCriticalLocationTable[location].name) + ": ";
    EXPECT_EQ(row.text.rfind(lead, 0), 0u) << row.text;
    return row.text.rfind(lead, 0) == 0 ? row.text.substr(lead.size()) : row.text;
}

// The fixture's text for the table as built.
std::string TableAsFixture() {
    std::ostringstream out;
    out << kFixtureHeader;
    for (int location = 0; location < kCriticalLocations; ++location) {
        const CriticalLocation& where = kCriticalLocationTable[location];
        out << "L " << location << ' ' << where.low << ' ' << where.high << ' ' << where.name << '\n';
    }
    for (int type = 0; type < kCriticalTypes; ++type)
        for (int severity = 1; severity <= kCriticalSeverities; ++severity) {
            out << "G " << type << ' ' << severity << '\n';
            const size_t group = static_cast<size_t>(type * 1200 + (severity - 1) * 50);
            int first = 0;
            for (int location = 1; location <= kCriticalLocations; ++location) {
                const std::string codes = CodesOf(criticaldata[group + first], first);
                if (location < kCriticalLocations &&
                    CodesOf(criticaldata[group + location], location) == codes)
                    continue;
                out << first;
                if (location - 1 > first)
                    out << '-' << location - 1;
                out << ' ' << codes << '\n';
                first = location;
            }
        }
    return out.str();
}

// The lines of a fixture text by section: "locations", then one per group header; comments left out.
std::map<std::string, std::vector<std::string>> Sections(const std::string& text) {
    std::map<std::string, std::vector<std::string>> sections;
    std::string section = "locations";
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("G ", 0) == 0) {
            section = line;
            EXPECT_EQ(sections.count(section), 0u) << "twice: " << line;
        }
        sections[section].push_back(line);
    }
    return sections;
}

TEST(CriticalRows, EveryRowIsTheOnePinnedInTheFixture) {
    ASSERT_EQ(criticaldata.size(), kCriticalRows);
    const std::string table = TableAsFixture();
    if (std::getenv("BK_WRITE_CRITICAL_ROWS")) {
        std::ofstream(kFixture, std::ios::binary) << table;
        GTEST_SKIP() << "rewrote " << kFixture << " from the table: review its diff";
    }
    const auto pinned = Sections(ReadFileBytes(kFixture));
    const auto built = Sections(table);
    ASSERT_EQ(pinned.size(), built.size()) << "locations and 96 groups in " << kFixture;
    for (const auto& [section, lines] : built) {
        const auto it = pinned.find(section);
        ASSERT_NE(it, pinned.end()) << section << " is missing from " << kFixture;
        EXPECT_EQ(it->second, lines) << "the fixture's " << section << " (first), the table's (second)";
    }
}

} // namespace
