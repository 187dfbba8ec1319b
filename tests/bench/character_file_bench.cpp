// Cost of saving and opening a complete character: the save (file made and safely replaced) against a
// plain write of the same bytes, and the open (read and linked into a reset record, the tree push left
// out) against a plain read of the same bytes. Prints each ratio (aim: at most 3).
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/character.h"
#include "app/program_data.h"
#include "catalog/class_catalog.h"
#include "catalog/race_catalog.h"
#include "files/character_xml_reader.h"
#include "files/character_xml_writer.h"

namespace fs = std::filesystem;

namespace {

const char* const kName = "Benchmark Hero";

template <class Node> void Add(const std::string& name, int32_t value) {
    auto node = std::make_unique<Node>();
    node->name = name;
    node->value = value;
    Node().AddTail(std::move(node));
}

// A complete character: every text filled, two classes of level 12, and lists of a long-played one.
void BuildCharacter() {
    program_data.ProgramVersion = "5.1";
    auto race = std::make_unique<CharacterRace>();
    race->NAME = "Elf";
    race->SEX = "Female";
    race->MOVE = 12;
    race->RTEXT = {"+1 Dexterity", "Infravision 60 ft.", "Resists sleep 90%"};
    race->nRTEXT = 3;
    current_character.pRace = race.get();
    CharacterRace::AddTail(std::move(race));
    auto cls = std::make_unique<CharacterClass>();
    cls->NAME = "Fighter/Mage";
    cls->FIGHTER = 1;
    cls->MAGE = 1;
    cls->SAVEAS = 2;
    current_character.pClass = cls.get();
    CharacterClass::AddTail(std::move(cls));

    Character_Class& pc = current_character;
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
    for (int i = 0; i < 40; ++i) {
        Add<SkillDataItem>("Skill " + std::to_string(i), 30 + i);
        Add<EquipDataItem>("Item " + std::to_string(i), 1 + i % 3);
    }
    for (int i = 0; i < 20; ++i) {
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

std::string& Bytes() {
    static std::string bytes;
    return bytes;
}

void BM_PlainWrite(benchmark::State& state) {
    const fs::path path = Folder() / "plain.xml";
    for (auto _ : state) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(Bytes().data(), static_cast<std::streamsize>(Bytes().size()));
    }
}

void BM_Save(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CreateXMLSheet(kName));
}

// The save less the file: making the text alone.
void BM_MakeText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CharacterXMLText());
}

void BM_PlainRead(benchmark::State& state) {
    const fs::path path = Folder() / "CharacterXML" / (std::string(kName) + ".xml");
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        size_t bytes = 0, got;
        while (f && (got = std::fread(buffer.data(), 1, buffer.size(), f)) > 0)
            bytes += got;
        if (f)
            std::fclose(f);
        benchmark::DoNotOptimize(bytes);
    }
}

void BM_Open(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadCharacterFile(std::string(kName) + ".xml"));
}

// The reader alone, from memory into an emptied record: the open less the reset and the file.
void BM_ReadFromMemory(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ClearItemLists();
        current_character = Character_Class();
        state.ResumeTiming();
        size_t pos = 0;
        CatalogLineReader lines(
            [&pos](char* buffer, size_t room) {
                const size_t n = std::min(room, Bytes().size() - pos);
                std::memcpy(buffer, Bytes().data() + pos, n);
                pos += n;
                return n;
            },
            kCharacterFileLineLimit);
        XMLRead().ReadXMLSheet(lines);
    }
}

BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_MakeText)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_Open)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ReadFromMemory)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Keeps each run's time per iteration so the ratios can be printed at the end.
class Recorder : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
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

    BuildCharacter();
    Bytes() = CharacterXMLText();
    CreateXMLSheet(kName);
    std::cerr << "A complete character file of " << Bytes().size() << " bytes.\n";

    Recorder recorder;
    std::ostream console(old);
    recorder.SetOutputStream(&console);
    benchmark::RunSpecifiedBenchmarks(&recorder);
    std::cout.rdbuf(old);

    auto time = [&](const std::string& name) {
        auto it = recorder.seconds.find(name + "/real_time");
        return it == recorder.seconds.end() ? 0.0 : it->second;
    };
    const double plainWrite = time("BM_PlainWrite"), save = time("BM_Save");
    const double plainRead = time("BM_PlainRead"), open = time("BM_Open");
    if (plainWrite > 0 && save > 0)
        std::printf("Save: %.1f us, %.2f times the plain write of the same bytes (aim: at most 3).\n", save,
                    save / plainWrite);
    if (plainRead > 0 && open > 0)
        std::printf("Open: %.1f us, %.2f times the plain read of the same bytes (aim: at most 3).\n", open,
                    open / plainRead);

    fs::current_path(before);
    std::error_code ec;
    fs::remove_all(Folder(), ec);
    benchmark::Shutdown();
    return 0;
}
