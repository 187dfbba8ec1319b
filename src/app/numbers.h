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

// printf-style formatting into a std::string of any length.
std::string Format(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
