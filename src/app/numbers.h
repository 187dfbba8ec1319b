// Locale-independent number reading and formatting shared by every typed field and file.
#pragma once

#include <cstdint>
#include <string>

// atoi's rule: leading blanks, an optional sign, then digits up to the first non-digit; no digits gives 0.
// Unlike atoi it never overflows: values beyond 32 bits saturate at INT32_MIN / INT32_MAX.
int32_t ParseLeadingInt(const std::string& text);

// The same leading-digits rule, but reports whether the value fits in 32 bits.
// `fits` is false when the digits run past INT32_MIN..INT32_MAX; the result is then saturated.
int32_t ParseLeadingInt(const std::string& text, bool& fits);

// atof's rule in the "C" locale (a dot is the decimal mark whatever the user's locale); no number gives 0.
double ParseLeadingReal(const std::string& text);

// `value + delta` held to INT32_MIN..INT32_MAX instead of wrapping: for sums of catalogue or typed values.
int32_t SaturatingAdd(int32_t value, int64_t delta);

// `value` held to INT32_MIN..INT32_MAX: for a sum worked out in 64 bits.
int32_t SaturateInt32(int64_t value);

// printf's "%W.Pf" with `precision` P and field `width` W (a negative width pads on the right, as printf's
// "-" flag), the decimal mark a dot whatever the locale. Every real number the program prints goes here.
std::string FormatFixed(double value, int precision, int width = 0);

// printf's "%g": six significant digits in the general form ("1500", "7.5", "1.23457e+06"), the decimal
// mark a dot whatever the locale.
std::string FormatGeneral(double value);

// printf-style formatting into a std::string of any length. Its "%f" follows the C locale of the moment:
// print real numbers with FormatFixed instead.
std::string Format(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
