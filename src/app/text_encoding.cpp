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

wxString ToWxShown(const std::string& bytes) {
    // A text holds no more characters than bytes.
    if (bytes.size() <= kShownTextLimit)
        return ToWx(bytes);
    const wxString ellipsis(wxUniChar(0x2026));
    // Whether the text is read as UTF-8 depends on all of its bytes, as in ToWx; read as Latin-1 it
    // has a character per byte, more than are shown.
    if (wxMBConvUTF8().ToWChar(nullptr, 0, bytes.data(), bytes.size()) == wxCONV_FAILED)
        return wxString(bytes.data(), wxConvISO8859_1, kShownTextLimit - 1) + ellipsis;
    // As UTF-8, a character begins at each byte that does not continue a sequence.
    size_t characters = 0, cut = 0;
    for (size_t i = 0; i < bytes.size() && characters <= kShownTextLimit; ++i) {
        if ((static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80)
            continue;
        if (characters == kShownTextLimit - 1)
            cut = i;
        ++characters;
    }
    if (characters <= kShownTextLimit)
        return wxString::FromUTF8(bytes.data(), bytes.size());
    return wxString::FromUTF8(bytes.data(), cut) + ellipsis;
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
