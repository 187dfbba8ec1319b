// Small helpers for the rule tables of the creation steps.
#pragma once

#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

// A band of a table that gives only a text: its last value and the text.
struct TextBand {
    int32_t highest;
    const char* text;
};

// The first band of `bands` whose last value (`highest`) is at or above `value`; the last band for
// anything beyond, so a table's top band is open upwards and its first band open downwards.
template <class Band, size_t N> const Band& BandOf(const std::array<Band, N>& bands, int64_t value) {
    for (const Band& band : bands)
        if (value <= band.highest)
            return band;
    return bands.back();
}

// Whole-text comparison ignoring ASCII letter case.
inline bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
