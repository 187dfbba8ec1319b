#include "support/test_names.h"

#include <cctype>
#include <cstdio>

std::string TestNameFromSentence(const std::string& sentence) {
    std::string name;
    bool wordStart = true;
    for (const char ch : sentence) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (std::isalnum(c)) {
            name += wordStart ? static_cast<char>(std::toupper(c)) : ch;
            wordStart = false;
        } else if (ch == ' ') {
            wordStart = true;
        }
    }
    return name;
}

std::string TestNameFromText(const std::string& text) {
    if (text.empty())
        return "Empty";
    std::string name;
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (std::isalnum(c) || ch == '_') {
            name += ch;
        } else if (ch == '-') {
            name += "Minus";
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "_x%02X", static_cast<unsigned>(c));
            name += hex;
        }
    }
    return name;
}
