#include "app/numbers.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

int32_t ParseLeadingInt(const std::string& text, bool& fits) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const int64_t limit = negative ? -int64_t(std::numeric_limits<int32_t>::min())
                                   : int64_t(std::numeric_limits<int32_t>::max());
    int64_t value = 0;
    fits = true;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            value = limit;
            fits = false;
        }
    }
    return static_cast<int32_t>(negative ? -value : value);
}

int32_t ParseLeadingInt(const std::string& text) {
    bool fits = true;
    return ParseLeadingInt(text, fits);
}

double ParseLeadingReal(const std::string& text) {
    // Take only the part atof would read: a stream also swallows an "e" with no exponent digits after
    // it ("5.5e", "2E+") and then fails, where atof keeps the number before the "e".
    const auto digit = [&text](size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool anyDigit = false;
    for (; digit(i); ++i)
        anyDigit = true;
    if (i < text.size() && text[i] == '.')
        for (++i; digit(i); ++i)
            anyDigit = true;
    if (!anyDigit)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (digit(e)) {
            while (digit(e))
                ++e;
            i = e;
        }
    }
    std::istringstream in(text.substr(start, i - start));
    in.imbue(std::locale::classic());
    double value = 0.0;
    if (!(in >> value)) {
        // The text is a well-formed number, so only a value beyond the double range fails; the stream
        // leaves the largest double in `value`. atof gives an infinity of that sign there.
        if (value == std::numeric_limits<double>::max())
            return std::numeric_limits<double>::infinity();
        if (value == -std::numeric_limits<double>::max())
            return -std::numeric_limits<double>::infinity();
        return 0.0;
    }
    return value;
}

int32_t SaturateInt32(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

int32_t SaturatingAdd(int32_t value, int64_t delta) {
    // Any delta past 33 bits settles the sign of the result; below that the 64-bit sum cannot overflow.
    constexpr int64_t kBeyond = int64_t(1) << 33;
    if (delta >= kBeyond)
        return std::numeric_limits<int32_t>::max();
    if (delta <= -kBeyond)
        return std::numeric_limits<int32_t>::min();
    return SaturateInt32(static_cast<int64_t>(value) + delta);
}

std::string FormatFixed(double value, int precision, int width) {
    // printf's "%f" follows the C locale of the moment; the stream is pinned to the classic one instead.
    std::ostringstream out;
    out.imbue(std::locale::classic());
    // Field widths are small constants; the lowest int has no positive counterpart, so it pads nothing.
    const int field = width == std::numeric_limits<int>::min() ? 0 : std::abs(width);
    out << (width < 0 ? std::left : std::right) << std::setw(field) << std::fixed
        << std::setprecision(precision < 0 ? 0 : precision) << value;
    return out.str();
}

std::string FormatGeneral(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value; // a stream's default settings are printf's "%g"
    return out.str();
}

std::string Format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string out;
    if (needed > 0) {
        out.resize(static_cast<size_t>(needed) + 1);
        std::vsnprintf(out.data(), out.size(), fmt, args);
        out.resize(static_cast<size_t>(needed));
    }
    va_end(args);
    return out;
}
