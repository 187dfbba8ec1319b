#include "app/numbers.h"

#include <cstdarg>
#include <cstdio>
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
