// Cost of saving and opening characters of 1, 10 and 100 times the entries of a complete character.
// For each size it prints the open (read and linked into a reset record, the tree push left out) against
// libxml2's parse of the same bytes in memory (aim: at most 1 time), the save (the character file and the
// sheet, each made and safely replaced) against a plain write of the same bytes, and how both grow from
// 1 to 100 times the entries (aim: at most 120 times).
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <libxml/parser.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/character.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/equipment_catalog.h"
#include "catalog/race_catalog.h"
#include "files/character_file_check.h"
#include "files/character_sheet.h"
#include "files/character_xml_reader.h"
#include "files/character_xml_writer.h"

namespace fs = std::filesystem;

namespace {

const char* const kName = "Benchmark Hero";
const int kSizes[] = {1, 10, 100};

template <class Node> void Add(const std::string& name, int32_t value) {
    auto node = std::make_unique<Node>();
    node->name = name;
    node->value = value;
    Node().AddTail(std::move(node));
}

// The catalogue entries a character links to and its sheet looks its items up in: its race, its class
// and an equipment catalogue of 100 items over 21 groups.
void BuildCatalogues() {
    CharacterRace::Clear();
    CharacterClass::Clear();
    CharacterEquip::Clear();
    auto race = std::make_unique<CharacterRace>();
    race->NAME = "Elf";
    race->SEX = "Female";
    race->MOVE = 12;
    race->RTEXT = {"+1 Dexterity", "Infravision 60 ft.", "Resists sleep 90%"};
    race->nRTEXT = 3;
    CharacterRace::AddTail(std::move(race));
    auto cls = std::make_unique<CharacterClass>();
    cls->NAME = "Fighter/Mage";
    cls->FIGHTER = 1;
    cls->MAGE = 1;
    cls->SAVEAS = 2;
    CharacterClass::AddTail(std::move(cls));
    auto categories = std::make_unique<CharacterEquip>();
    categories->NAME = "Categories";
    for (int k = 1; k <= 21; ++k)
        categories->CATEGORY.push_back("Group " + std::to_string(k));
    categories->nCATEGORY = 21;
    CharacterEquip::AddTail(std::move(categories));
    for (int i = 0; i < 100; ++i) {
        auto entry = std::make_unique<CharacterEquip>();
        entry->NAME = "Item " + std::to_string(i);
        entry->TABLEID = 1 + i % 21;
        CharacterEquip::AddTail(std::move(entry));
    }
}

// A complete character: every text filled, two classes of level 12, and `times` times the lists of a
// long-played one (160 items).
void BuildCharacter(int times) {
    ClearItemLists();
    current_character = Character_Class();
    program_data.ProgramVersion = "5.1";
    BuildCatalogues();
    Character_Class& pc = current_character;
    pc.pRace = CharacterRace::First();
    pc.pClass = CharacterClass::First();
    int n = 0;
    for (std::string* text : pc.TextFields())
        *text = "A typical text of a background fact, number " + std::to_string(++n);
    pc.CHARACTER_NAME = kName;
    pc.RACE = "Elf";
    pc.SEX = "Female";
    pc.LEVEL = 12;
    pc.ABILITY_BASE = {17, 15, 14, 16, 10, 13, 12};
    pc.ABILITY_PERC = {45, 10, 0, 99, 50, 1, 30};
    pc.HONOR_BASE = 40;
    pc.GOLDCOINS = 120;
    pc.SILVERCOINS = 33;
    pc.BOOK_CLASS_FLAG = {true, true, false, false};
    pc.ACCIDENT_EVENT = {"Broke an arm", "Lost a boot"};
    pc.WAR_EVENT = {"Held the bridge", "Ambushed", "Decorated"};
    pc.NONCOMBAT_EVENT = {"Guard duty", "Escort", "Garrison", "Training recruits"};
    pc.SIBLINGS = 4;
    for (int s = 0; s < 9; ++s)
        pc.SIBLING_TEXT[static_cast<size_t>(s)] = "Sibling " + std::to_string(s + 1) + ", a farmer";
    for (const char* name : {"Fighter", "Mage"}) {
        auto record = std::make_unique<ClassDataItem>();
        record->CLASS_NAME = name;
        record->CLASS_LEVEL = 12;
        record->CLASS_EXP = 250000.5f;
        for (size_t i = 0; i <= 12; ++i)
            record->CLASS_HITPOINTS[i] = static_cast<int32_t>(4 + i);
        ClassDataItem().AddTail(std::move(record));
    }
    for (int i = 0; i < 40 * times; ++i) {
        Add<SkillDataItem>("Skill " + std::to_string(i), 30 + i % 70);
        Add<EquipDataItem>("Item " + std::to_string(i), 1 + i % 3);
    }
    for (int i = 0; i < 20 * times; ++i) {
        Add<SpellDataItem>("Spell " + std::to_string(i), 2);
        Add<QuirkDataItem>("Quirk " + std::to_string(i), 1);
        Add<ProfDataItem>("Weapon " + std::to_string(i), 1 + i % 2);
        Add<TalentDataItem>("Talent " + std::to_string(i), 1);
    }
}

// The trace lines and the dice log go nowhere: the benchmark measures the files, not the terminal.
class Discard : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

fs::path& Folder() {
    static fs::path folder;
    return folder;
}

// One size's file name (the same in CharacterXML and CharacterHTML) and the bytes of its two files.
struct Sample {
    std::string file;
    std::string xml;
    std::string html;
};

std::map<int, Sample>& Samples() {
    static std::map<int, Sample> samples;
    return samples;
}

// The size the record holds now; 0 once an open has replaced it.
int& Built() {
    static int built = 0;
    return built;
}

void Prepare(int times) {
    if (Built() != times)
        BuildCharacter(times);
    Built() = times;
}

const Sample& SampleOf(const benchmark::State& state) {
    return Samples().at(static_cast<int>(state.range(0)));
}

void WritePlain(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void BM_PlainWrite(benchmark::State& state) {
    const Sample& sample = SampleOf(state);
    for (auto _ : state) {
        WritePlain(Folder() / "plain.xml", sample.xml);
        WritePlain(Folder() / "plain.html", sample.html);
    }
}

// What the main window's save does: the character file, then the sheet.
void BM_Save(benchmark::State& state) {
    const Sample& sample = SampleOf(state);
    Prepare(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!CreateXMLSheet(sample.file) || !CreateHTMLSheet(sample.file)) {
            state.SkipWithError("the save failed");
            break;
        }
    }
}

// The save less the files: making the two texts alone.
void BM_MakeTexts(benchmark::State& state) {
    Prepare(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CharacterXMLText());
        benchmark::DoNotOptimize(CharacterHTMLText());
    }
}

void BM_LibXml2Parse(benchmark::State& state) {
    const Sample& sample = SampleOf(state);
    for (auto _ : state) {
        xmlDocPtr doc = xmlReadMemory(sample.xml.data(), static_cast<int>(sample.xml.size()), "character.xml",
                                      nullptr, XML_PARSE_NONET);
        if (!doc) {
            state.SkipWithError("libxml2 refused the character file");
            break;
        }
        xmlFreeDoc(doc);
    }
}

void BM_Open(benchmark::State& state) {
    const Sample& sample = SampleOf(state);
    Built() = 0;
    for (auto _ : state) {
        if (!ReadCharacterFile(sample.file + ".xml")) {
            state.SkipWithError("the open failed");
            break;
        }
    }
}

// The reader alone, from memory into an emptied record: the open less the reset and the file.
void BM_ReadFromMemory(benchmark::State& state) {
    const std::string& bytes = SampleOf(state).xml;
    Built() = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ClearItemLists();
        current_character = Character_Class();
        state.ResumeTiming();
        size_t pos = 0;
        CatalogLineReader lines(
            [&pos, &bytes](char* buffer, size_t room) {
                const size_t n = std::min(room, bytes.size() - pos);
                std::memcpy(buffer, bytes.data() + pos, n);
                pos += n;
                return n;
            },
            kCharacterFileLineLimit);
        XMLRead().ReadXMLSheet(lines);
    }
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int times : kSizes)
        b->Arg(times);
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_PlainWrite)->Apply(Sizes);
BENCHMARK(BM_Save)->Apply(Sizes);
BENCHMARK(BM_MakeTexts)->Apply(Sizes);
BENCHMARK(BM_LibXml2Parse)->Apply(Sizes);
BENCHMARK(BM_Open)->Apply(Sizes);
BENCHMARK(BM_ReadFromMemory)->Apply(Sizes);

// Keeps each run's time per iteration so the comparisons can be printed at the end.
class Recorder : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                milliseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> milliseconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::string pattern = (fs::temp_directory_path() / "brindlekit-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    Folder() = pattern;
    const fs::path before = fs::current_path();
    fs::current_path(Folder());
    Discard discard;
    std::streambuf* old = std::cout.rdbuf(&discard);
    xmlInitParser();

    for (int times : kSizes) {
        Prepare(times);
        Sample& sample = Samples()[times];
        sample.file = std::string(kName) + " " + std::to_string(times) + "x";
        sample.xml = CharacterXMLText();
        sample.html = CharacterHTMLText();
        CreateXMLSheet(sample.file);
        std::cerr << times << "x: a character file of " << sample.xml.size() << " bytes and a sheet of "
                  << sample.html.size() << " bytes.\n";
    }

    Recorder recorder;
    std::ostream console(old);
    recorder.SetOutputStream(&console);
    benchmark::RunSpecifiedBenchmarks(&recorder);
    std::cout.rdbuf(old);

    auto time = [&](const char* name, int times) {
        auto it = recorder.milliseconds.find(std::string(name) + "/" + std::to_string(times) + "/real_time");
        return it == recorder.milliseconds.end() ? 0.0 : it->second;
    };
    for (int times : kSizes) {
        const double open = time("BM_Open", times), parse = time("BM_LibXml2Parse", times);
        const double save = time("BM_Save", times), write = time("BM_PlainWrite", times);
        if (open > 0 && parse > 0)
            std::printf("%3dx: open %8.3f ms, %.2f times libxml2's parse of the same bytes (%.3f ms; aim: at "
                        "most 1).\n",
                        times, open, open / parse, parse);
        if (save > 0 && write > 0)
            std::printf("%3dx: save %8.3f ms, %.2f times the plain write of the same bytes (%.3f ms).\n",
                        times, save, save / write, write);
    }
    const int least = kSizes[0], most = std::end(kSizes)[-1];
    const struct {
        const char* benchmark;
        const char* what;
    } growths[] = {{"BM_Open", "Open"}, {"BM_Save", "Save"}};
    for (const auto& g : growths) {
        const double small = time(g.benchmark, least), large = time(g.benchmark, most);
        if (small > 0 && large > 0)
            std::printf("%s: %dx the entries take %.1f times as long as %dx (aim: at most 120).\n", g.what,
                        most, large / small, least);
    }

    xmlCleanupParser();
    fs::current_path(before);
    std::error_code ec;
    fs::remove_all(Folder(), ec);
    benchmark::Shutdown();
    return 0;
}
