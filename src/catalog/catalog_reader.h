// Reading catalogue files: folder listing, the line reader, splitting a line into tag and value, the
// ordered key tables and the value conversions every catalogue kind shares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Longest line of a catalogue file, and of a talent file (whose descriptions are long).
constexpr size_t kCatalogLineLimit = 255;
constexpr size_t kTalentLineLimit = 1023;

// True when `name` matches `pattern`, where "*" stands for any run of characters and "?" for one;
// letter case counts.
bool MatchesFilePattern(std::string_view name, std::string_view pattern);

// The names (no folder part) of the regular files in `folder` that match `pattern`, in byte-wise
// ascending order. A folder that is missing or cannot be read gives no names.
std::vector<std::string> ListCatalogFiles(const std::filesystem::path& folder, std::string_view pattern);

// Splits a byte stream into the lines of a catalogue file.
class CatalogLineReader {
public:
    // Fills `buffer` with up to `size` bytes and returns how many; 0 at the end of the input.
    using Source = std::function<size_t(char* buffer, size_t size)>;

    // `inputSize`, when known, is how many bytes the source holds: a line that outgrows the buffer then
    // gets room for the rest of the input at once instead of being copied again at each doubling.
    CatalogLineReader(Source source, size_t lineLimit, size_t inputSize = 0);

    // The next line without its line end ("\n" or "\r\n"); false at the end of the input. A line
    // longer than the limit comes back as its first `lineLimit` characters, and the input then
    // counts as ended.
    bool Next(std::string& line);

private:
    bool Fill();

    Source source_;
    size_t limit_;
    size_t inputSize_;
    size_t taken_ = 0; // bytes the source has given so far
    std::vector<char> buffer_;
    size_t pos_ = 0;
    size_t end_ = 0;
    bool ended_ = false;
};

// Hands each line of `reader` to `handle` until a line contains `endTag` (that line is not handed
// on) or the input ends.
void ReadCatalogLines(CatalogLineReader& reader, std::string_view endTag,
                      const std::function<void(std::string_view line)>& handle);

// A plain file opened for reading line by line. A file that is missing, unreadable or no plain file (a
// pipe or a device, which could block or never end) is not open and gives no lines.
class PlainFileLines {
public:
    PlainFileLines(const std::filesystem::path& file, size_t lineLimit);
    ~PlainFileLines();
    PlainFileLines(const PlainFileLines&) = delete;
    PlainFileLines& operator=(const PlainFileLines&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    CatalogLineReader& Lines() { return lines_; }

private:
    int fd_;
    CatalogLineReader lines_;
};

// Writes "opening <name>" and reads `file` as above; a file that cannot be opened gives no lines.
void ReadCatalogFile(const std::filesystem::path& file, std::string_view endTag, size_t lineLimit,
                     const std::function<void(std::string_view line)>& handle);

// Splits a line into the tag text (everything before the first ">" that precedes the first "</") and
// the value (between that ">" and the "</"). False when the line carries no element.
bool SplitCatalogLine(std::string_view line, std::string_view& tag, std::string_view& value);

// One row of a kind's key table: the key ("<" and the element name or its leading part) and what a
// line whose tag text contains the key stores into the entry.
template <class Entry> struct CatalogKey {
    std::string_view key;
    void (*store)(Entry& entry, std::string_view tag, std::string_view value);
};

// Tells whether keys occur anywhere in one tag text (case-sensitive), for one tag and many keys.
class TagMatcher {
public:
    explicit TagMatcher(std::string_view tag);
    bool Contains(std::string_view key) const {
        // Every key begins with "<"; when the tag holds one "<", a key can only stand there.
        if (oneOpen_ && key.size() > 1 && key[0] == '<')
            return tag_.size() - firstOpen_ >= key.size() && tag_[firstOpen_ + 1] == key[1] &&
                   tag_.compare(firstOpen_, key.size(), key) == 0;
        return ContainsAnywhere(key);
    }

private:
    bool ContainsAnywhere(std::string_view key) const;

    std::string_view tag_;
    size_t firstOpen_;
    bool oneOpen_;
};

// True when `key` occurs anywhere in `tag` (case-sensitive).
inline bool TagContainsKey(std::string_view tag, std::string_view key) {
    return TagMatcher(tag).Contains(key);
}

// Tries the keys in table order; the first one contained in `tag` stores `value`. A tag that
// contains no key is ignored.
template <class Entry>
void AssignByKey(const std::vector<CatalogKey<Entry>>& keys, std::string_view tag, std::string_view value,
                 Entry& entry) {
    const TagMatcher matcher(tag);
    for (const CatalogKey<Entry>& k : keys) {
        if (matcher.Contains(k.key)) {
            k.store(entry, tag, value);
            return;
        }
    }
}

// The body of every kind's xmlConvert: a line that carries an element goes to the kind's xmlAssign.
template <class Entry> void ConvertCatalogLine(std::string_view line, Entry& entry) {
    std::string_view tag, value;
    if (SplitCatalogLine(line, tag, value))
        Entry::xmlAssign(value, tag, entry);
}

// The body of every kind's file parser: the lines of `file` up to `endTag`, each through the kind's
// xmlConvert.
template <class Entry>
void ParseCatalogEntry(const std::filesystem::path& file, std::string_view endTag, Entry& entry,
                       size_t lineLimit = kCatalogLineLimit) {
    ReadCatalogFile(file, endTag, lineLimit,
                    [&entry](std::string_view line) { Entry::xmlConvert(line, entry); });
}

// The conversions. A whole number follows atoi's leading-digits rule but saturates at the 32-bit
// limits; a real number follows atof's rule in the "C" locale and saturates at the float limits.
int32_t CatalogWhole(std::string_view value);
float CatalogReal(std::string_view value);
// The level a per-level tag names: the number after the tag's last "_" (the whole tag when it has
// none); -1 when that number lies outside 0..99.
int CatalogLevelIndex(std::string_view tag);

namespace catalog_detail {
template <class T> struct FieldOf;
template <class C, class T> struct FieldOf<T C::*> { using Entry = C; };
template <auto Field> using EntryOf = typename FieldOf<decltype(Field)>::Entry;
} // namespace catalog_detail

// A whole number; the last line wins.
template <auto Field>
void StoreWhole(catalog_detail::EntryOf<Field>& e, std::string_view, std::string_view v) {
    e.*Field = CatalogWhole(v);
}
// A real number; the last line wins.
template <auto Field>
void StoreReal(catalog_detail::EntryOf<Field>& e, std::string_view, std::string_view v) {
    e.*Field = CatalogReal(v);
}
// Text that each further line extends, with no separator.
template <auto Field>
void StoreAppendedText(catalog_detail::EntryOf<Field>& e, std::string_view, std::string_view v) {
    (e.*Field).append(v);
}
// Text that each further line replaces.
template <auto Field>
void StoreReplacedText(catalog_detail::EntryOf<Field>& e, std::string_view, std::string_view v) {
    (e.*Field).assign(v);
}
// One more item at the end of a text list.
template <auto List>
void StoreListItem(catalog_detail::EntryOf<List>& e, std::string_view, std::string_view v) {
    (e.*List).emplace_back(v);
}
// One more item at the end of a text list whose count field follows its size.
template <auto List, auto Count>
void StoreCountedItem(catalog_detail::EntryOf<List>& e, std::string_view, std::string_view v) {
    (e.*List).emplace_back(v);
    const size_t n = (e.*List).size();
    e.*Count = n > INT32_MAX ? INT32_MAX : static_cast<int32_t>(n);
}
// Any matching line sets the flag, whatever its value.
template <auto Field> void StoreFlag(catalog_detail::EntryOf<Field>& e, std::string_view, std::string_view) {
    e.*Field = true;
}
// One entry of a per-level table, at the level the tag names; a level outside 0..99 stores nothing.
template <auto Table>
void StoreLevelValue(catalog_detail::EntryOf<Table>& e, std::string_view tag, std::string_view v) {
    const int level = CatalogLevelIndex(tag);
    if (level >= 0)
        (e.*Table)[static_cast<size_t>(level)] = CatalogWhole(v);
}

// How one kind is found on disk and read.
template <class Entry> struct CatalogKind {
    const char* folder;  // below the start folder
    const char* pattern; // file names that hold entries
    bool blankEntry;     // ends with the entry read from "empty.qxf"
    void (*parse)(const std::filesystem::path& file, Entry& entry);
    // Whether a file is read at all; every file is when null.
    bool (*offered)(const std::filesystem::path& file) = nullptr;
};

// Loads every matching file of the kind's folder below `startFolder`, in listing order, appending one
// entry per file (and the blank entry last where the kind has one), with the trace lines on standard
// output. A missing folder gives no entries but the blank one. The working directory is not changed.
template <class Entry>
void LoadCatalogFolder(const std::filesystem::path& startFolder, const CatalogKind<Entry>& kind) {
    const std::filesystem::path folder = startFolder / kind.folder;
    for (const std::string& name : ListCatalogFiles(folder, kind.pattern)) {
        if (kind.offered && !kind.offered(folder / name))
            continue;
        std::cout << "Loading " << name << '\n';
        auto entry = std::make_unique<Entry>();
        kind.parse(folder / name, *entry);
        std::cout << "Loaded " << name << '\n';
        Entry::AddTail(std::move(entry));
    }
    if (kind.blankEntry) {
        auto blank = std::make_unique<Entry>();
        kind.parse(folder / "empty.qxf", *blank);
        Entry::AddTail(std::move(blank));
    }
}

// The working directory, where the catalogue folders lie.
std::filesystem::path CatalogStartFolder();
