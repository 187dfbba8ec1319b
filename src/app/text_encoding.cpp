#include "app/text_encoding.h"

#include <vector>

wxString ToWx(const std::string& bytes) {
    if (bytes.empty())
        return wxString();
    wxString utf8 = wxString::FromUTF8(bytes.data(), bytes.size());
    if (!utf8.empty())
        return utf8;
    // Old files written on other systems hold single-byte texts; Latin-1 maps every byte.
    return wxString(bytes.data(), wxConvISO8859_1, bytes.size());
}

std::string FromWx(const wxString& text) {
    const wxScopedCharBuffer buf = text.utf8_str();
    return std::string(buf.data(), buf.length());
}

namespace {

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xc0) != 0x80;
}

} // namespace

std::string ShortenMiddle(const std::string& text, size_t limit) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i)
        if (StartsCharacter(text[i]))
            starts.push_back(i);
    if (starts.size() <= limit || limit < 3)
        return text;
    const size_t head = (limit - 1) / 2;
    const size_t tail = limit - 1 - head;
    return text.substr(0, starts[head]) + "\xe2\x80\xa6" + text.substr(starts[starts.size() - tail]);
}
