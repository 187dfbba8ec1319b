#include "app/text_encoding.h"

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
