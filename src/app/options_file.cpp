#include "app/options_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/safe_file.h"

std::array<int32_t, 100> BooksToUse{};

namespace {

const char* const kOptionsFile = "options.qxb";

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

void LoadOptions() {
    std::ifstream in(kOptionsFile, std::ios::binary);
    if (!in) {
        WriteFileReplacing(kOptionsFile, Encode());
        return;
    }
    std::vector<unsigned char> bytes(400);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const size_t got = static_cast<size_t>(in.gcount());
    // Only whole entries are taken; a short file leaves the rest as they were.
    for (size_t i = 0; i < BooksToUse.size() && (i + 1) * 4 <= got; ++i) {
        const unsigned char* b = &bytes[i * 4];
        BooksToUse[i] = static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                             uint32_t(b[3]) << 24);
    }
}

void SaveOptions() {
    WriteFileReplacing(kOptionsFile, Encode());
}
