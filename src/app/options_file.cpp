#include "app/options_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <wx/defs.h>

#include "app/prompts.h"
#include "app/safe_file.h"
#include "app/text_encoding.h"

std::array<int32_t, 100> BooksToUse{};

const char* const kOptionsFile = "options.qxb";

namespace {

// The file is little-endian whatever the host, so bytes are assembled by hand.
std::string Encode() {
    std::string bytes;
    bytes.reserve(404);
    auto put = [&bytes](uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<char>((v >> shift) & 0xff));
    };
    for (int32_t flag : BooksToUse)
        put(static_cast<uint32_t>(flag));
    put(0);
    return bytes;
}

} // namespace

bool BookEnabled(int64_t book) {
    return book >= 0 && book < static_cast<int64_t>(BooksToUse.size()) &&
           BooksToUse[static_cast<size_t>(book)] == 1;
}

OptionsFileState LoadOptionsFile() {
    std::ifstream in(kOptionsFile, std::ios::binary);
    if (!in) {
        // Defaults replace only a missing file: an unreadable one still holds the user's choices.
        std::error_code error;
        const auto status = std::filesystem::status(kOptionsFile, error);
        if (status.type() != std::filesystem::file_type::not_found)
            return OptionsFileState::Unreadable;
        return WriteFileReplacing(kOptionsFile, Encode()) ? OptionsFileState::Created
                                                          : OptionsFileState::NotCreated;
    }
    std::vector<unsigned char> bytes(400);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return OptionsFileState::Unreadable;
    const size_t got = static_cast<size_t>(in.gcount());
    // Only whole entries are taken; a short file leaves the rest as they were.
    for (size_t i = 0; i < BooksToUse.size() && (i + 1) * 4 <= got; ++i) {
        const unsigned char* b = &bytes[i * 4];
        BooksToUse[i] = static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                             uint32_t(b[3]) << 24);
    }
    if (got == bytes.size())
        return OptionsFileState::Read;
    // A folder under the name opens but gives no bytes.
    return got == 0 ? OptionsFileState::Unreadable : OptionsFileState::Short;
}

bool LoadOptions() {
    const OptionsFileState state = LoadOptionsFile();
    return state == OptionsFileState::Read || state == OptionsFileState::Short ||
           state == OptionsFileState::Created;
}

void LoadOptionsAtStartUp() {
    const OptionsFileState state = LoadOptionsFile();
    if (state != OptionsFileState::Unreadable && state != OptionsFileState::Short)
        return;
    std::error_code error;
    const std::filesystem::path where = std::filesystem::absolute(kOptionsFile, error);
    const std::string file = "\"" + ShortenMiddle(error ? kOptionsFile : where.string()) + "\"";
    const std::string text =
        state == OptionsFileState::Short
            ? "The options file " + file +
                  " holds fewer than its 100 flags. The default options apply to the flags it lacks "
                  "until the options are saved."
            : "The options file " + file +
                  " could not be read. The default options apply until the options are saved.";
    Prompts().Message(ToWx(text), "Options", wxOK | wxICON_WARNING);
}

bool SaveOptions() {
    if (WriteFileReplacing(kOptionsFile, Encode()))
        return true;
    std::error_code error;
    const std::filesystem::path where = std::filesystem::absolute(kOptionsFile, error);
    Prompts().Message(ToWx("The options could not be saved to " +
                           ShortenMiddle(error ? kOptionsFile : where.string()) +
                           ". They apply until the program ends."),
                      "Options", wxOK | wxICON_ERROR);
    return false;
}
