// Loading cost of the catalogues: generates catalogue files of all seven kinds in a temporary folder,
// loads them and reads the same bytes plainly, for 5,000 and 50,000 files. Prints how loading
// compares with the plain read (aim: at most 3 times) and how it grows with ten times the files
// (aim: at most 12 times the time).
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "catalog/catalogues.h"
#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog/talent_catalog.h"

namespace fs = std::filesystem;

namespace {

constexpr int kSmall = 5000;
constexpr int kLarge = 50000;

struct Kind {
    const char* folder;
    const char* suffix;
    const char* root;
};
const Kind kKinds[] = {
    {"Races", "_Race.qxf", "CHARACTER_RACE"},           {"Classes", "_Class.qxf", "CHARACTER_CLASS"},
    {"Skills", "_Skill.qxf", "CHARACTER_SKILL"},        {"Spells", "_Spell.qxf", "CHARACTER_SPELL"},
    {"Talents", "_Talent.qxf", "CHARACTER_TALENT"},     {"Proficiencies", "_Prof.qxf", "CHARACTER_PROF"},
    {"Equipment", "_Equipment.qxf", "CHARACTER_EQUIP"},
};

std::string Element(const std::string& tag, const std::string& value) {
    return "\t<" + tag + ">" + value + "</" + tag + ">\n";
}

// A file of the size and shape of a real entry of its kind.
std::string Body(int kindIndex, int n) {
    const std::string id = std::to_string(n);
    std::string b = Element("NAME", "Entry " + id) + Element("BOOK", std::to_string(n % 5));
    switch (kindIndex) {
    case 0:
        for (const char* a : {"STR", "DEX", "CON", "INT", "WIS", "CHA", "COM"})
            b += Element(std::string("MIN") + a, "3") + Element(std::string("MAX") + a, "18") +
                 Element(std::string(a) + "ADJ", "0");
        for (int i = 0; i < 4; ++i)
            b += Element("LANGUAGES", "Tongue " + std::to_string(i)) +
                 Element("LEVELLIMIT", "Class " + std::to_string(i) + "=12");
        b += Element("BASEAGE", "20") + Element("AGEDIE_", "6") + Element("AGEDIEROLLS", "2");
        break;
    case 1:
        for (int level = 1; level <= 20; ++level) {
            const std::string l = std::to_string(level);
            b += Element("XPTABLE_" + l, std::to_string(level * 2000)) + Element("HITDIE_" + l, "8") +
                 Element("HITDIEROLL_" + l, "1") + Element("PROFSLOTS_" + l, std::to_string(2 + level / 3));
        }
        for (const char* a : {"STR", "DEX", "CON", "INT", "WIS", "CHA", "COM"})
            b += Element(std::string("MIN") + a, "3.00") + Element(std::string("MAX") + a, "99.00");
        for (int i = 0; i < 6; ++i)
            b += Element("WEAPON", "Weapon " + std::to_string(i)) +
                 Element("ALIGNMENT", "Alignment " + std::to_string(i));
        break;
    case 2:
        b += Element("BP", "4") + Element("COURSE_COST", "400") + Element("COURSE_DIE", "6") +
             Element("NUM_OF_COURSE_DIE", "1") + Element("CATEGORY", std::to_string(1 + n % 12)) +
             Element("PAGE", "p. " + id) + Element("MASTERY_ABILITIES", "INT/WIS") +
             Element("COURSE_PREREQS", "Entry " + std::to_string(n / 2));
        break;
    case 3:
        b += Element("LEVEL", "2") + Element("TYPE", "Arcane") + Element("RANGE", "30 feet") +
             Element("COMPONENT", "V, S") + Element("DURATION", "1 turn") + Element("CASTING_TIME", "1") +
             Element("AREA_OF_EFFECT", "One target") + Element("SAVING_THROW", "None");
        break;
    case 4:
        b += Element("BP", "6") + Element("PAGE", "p. " + id) + Element("MAX", "2") +
             Element("DESCRIPTION", std::string(600, 'd'));
        break;
    case 5:
        b += Element("TYPE", "0") + Element("SPCOST", "1");
        break;
    default:
        b += Element("TABLEID", "4") + Element("WEIGHT", "2.5") + Element("COST_IN_SILVER", "12");
        break;
    }
    return b;
}

void Write(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// One generated catalogue tree and the paths of its files.
struct Tree {
    fs::path root;
    std::vector<fs::path> files;
};

Tree Generate(int count) {
    std::string pattern = (fs::temp_directory_path() / "brindlekit-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    Tree tree{pattern, {}};
    for (const Kind& k : kKinds)
        fs::create_directories(tree.root / k.folder);
    for (int n = 0; n < count; ++n) {
        const int kind = n % 7;
        const Kind& k = kKinds[kind];
        char name[64];
        std::snprintf(name, sizeof name, "%07d%s", n, k.suffix);
        const fs::path path = tree.root / k.folder / name;
        Write(path, std::string("<?xml version=\"1.0\"?>\n<") + k.root + ">\n" + Body(kind, n) + "</" +
                        k.root + ">\n");
        tree.files.push_back(path);
    }
    for (const char* folder : {"Skills", "Talents", "Proficiencies"})
        Write(tree.root / folder / "empty.qxf", "<EMPTY>\n</EMPTY>\n");
    return tree;
}

std::map<int, Tree>& Trees() {
    static std::map<int, Tree> trees;
    return trees;
}


// The trace lines go nowhere: the benchmark measures the loading, not the terminal.
class Discard : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_LoadCatalogues(benchmark::State& state) {
    const Tree& tree = Trees().at(static_cast<int>(state.range(0)));
    Discard discard;
    std::streambuf* old = std::cout.rdbuf(&discard);
    const fs::path before = fs::current_path();
    fs::current_path(tree.root);
    for (auto _ : state) {
        state.PauseTiming();
        ClearCatalogues();
        state.ResumeTiming();
        LoadCatalogues();
    }
    fs::current_path(before);
    std::cout.rdbuf(old);
    state.counters["entries"] = static_cast<double>(
        CharacterRace::Count() + CharacterClass::Count() + CharacterSkill::Count() + CharacterSpell::Count() +
        CharacterTalent::Count() + CharacterProf::Count() + CharacterEquip::Count());
    ClearCatalogues();
}

void BM_PlainRead(benchmark::State& state) {
    const Tree& tree = Trees().at(static_cast<int>(state.range(0)));
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        size_t bytes = 0;
        for (const fs::path& file : tree.files) {
            std::FILE* f = std::fopen(file.c_str(), "rb");
            if (!f)
                continue;
            size_t got;
            while ((got = std::fread(buffer.data(), 1, buffer.size(), f)) > 0)
                bytes += got;
            std::fclose(f);
        }
        benchmark::DoNotOptimize(bytes);
    }
}

BENCHMARK(BM_PlainRead)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadCatalogues)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps each run's time per iteration so the two figures can be printed at the end.
class Recorder : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds[run.benchmark_name()] = run.GetAdjustedRealTime() / 1000.0;
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::cerr << "Generating " << kSmall << " and " << kLarge << " catalogue files...\n";
    Trees().emplace(kSmall, Generate(kSmall));
    Trees().emplace(kLarge, Generate(kLarge));

    Recorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);

    auto time = [&](const std::string& name) {
        auto it = recorder.seconds.find(name);
        return it == recorder.seconds.end() ? 0.0 : it->second;
    };
    const double plain = time("BM_PlainRead/5000/real_time");
    const double load = time("BM_LoadCatalogues/5000/real_time");
    const double loadLarge = time("BM_LoadCatalogues/50000/real_time");
    if (plain > 0 && load > 0)
        std::printf("Loading %d files costs %.2f times the plain read of the same bytes (aim: at most 3).\n",
                    kSmall, load / plain);
    if (load > 0 && loadLarge > 0)
        std::printf("Loading %d files takes %.2f times as long as %d files (aim: at most 12).\n", kLarge,
                    loadLarge / load, kSmall);

    for (auto& [count, tree] : Trees()) {
        std::error_code ec;
        fs::remove_all(tree.root, ec);
    }
    benchmark::Shutdown();
    return 0;
}
