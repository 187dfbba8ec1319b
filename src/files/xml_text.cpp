#include "files/xml_text.h"

#include "app/text_encoding.h"

namespace {

// Appends one character of a value: the markup characters as entities (the double quote only when
// `quote`), control characters as numeric references, and, when `asciiOnly`, every character past
// ASCII as one too. Anything else is appended as the byte it is.
void AppendEscaped(std::string& out, uint32_t cp, bool quote, bool asciiOnly) {
    switch (cp) {
    case '&':
        out += "&amp;";
        return;
    case '<':
        out += "&lt;";
        return;
    case '>':
        out += "&gt;";
        return;
    case '"':
        if (quote) {
            out += "&quot;";
            return;
        }
        break;
    default:
        break;
    }
    if (cp < 0x20 || (asciiOnly && cp >= 0x7f))
        out += "&#" + std::to_string(cp) + ';';
    else
        out += static_cast<char>(cp);
}

} // namespace

std::string xmlSafe(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value)
        AppendEscaped(out, static_cast<unsigned char>(c), false, false);
    return out;
}

std::string xmlSafe(const char* value) {
    return xmlSafe(std::string(value));
}

std::string xmlSafe(const wxString& value) {
    return xmlSafe(FromWx(value));
}

std::string xmlSafe(int32_t value) {
    return std::to_string(value);
}

std::string htmlSafe(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (const wxUniChar c : ToWx(value))
        AppendEscaped(out, static_cast<uint32_t>(c.GetValue()), true, true);
    return out;
}

namespace {

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code point of a numeric reference's body ("#10", "#x1F"), or -1 when it is not one.
long NumericReference(std::string_view body) {
    if (body.size() < 2 || body[0] != '#')
        return -1;
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const size_t start = hex ? 2 : 1;
    if (start >= body.size() || body.size() - start > 8)
        return -1;
    long cp = 0;
    for (size_t i = start; i < body.size(); ++i) {
        const char c = body[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return -1;
        cp = cp * (hex ? 16 : 10) + digit;
    }
    // Surrogates and values past Unicode name no character.
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    return cp;
}

} // namespace

std::string xmlDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const size_t amp = text.find('&', i);
        if (amp == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, amp - i));
        // No reference is longer than "&#x10FFFF;" or so: look no further, so a stray "&" costs little.
        const size_t semi = text.substr(amp, 12).find(';');
        if (semi == std::string_view::npos) {
            out += '&';
            i = amp + 1;
            continue;
        }
        const std::string_view body = text.substr(amp + 1, semi - 1);
        const char* named = body == "amp"    ? "&"
                            : body == "lt"   ? "<"
                            : body == "gt"   ? ">"
                            : body == "quot" ? "\""
                            : body == "apos" ? "'"
                                             : nullptr;
        const long cp = named ? -1 : NumericReference(body);
        if (named)
            out += named;
        else if (cp >= 0)
            AppendUtf8(out, static_cast<uint32_t>(cp));
        else {
            out += '&';
            i = amp + 1;
            continue;
        }
        i = amp + semi + 1;
    }
    return out;
}
