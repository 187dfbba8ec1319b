#include <gtest/gtest.h>
#include <limits>

#include "app/numbers.h"
#include "app/text_encoding.h"

namespace {

TEST(ParseLeadingIntTest, FollowsTheLeadingDigitsRuleAndSaturates) {
    struct Case {
        const char* text;
        int32_t value;
        bool fits;
    } cases[] = {
        {"25", 25, true},
        {"025", 25, true},
        {"+7", 7, true},
        {"-3", -3, true},
        {"  12abc", 12, true},
        {"7a", 7, true},
        {"", 0, true},
        {"abc", 0, true},
        {"-", 0, true},
        {"2147483647", INT32_MAX, true},
        {"-2147483648", INT32_MIN, true},
        {"2147483648", INT32_MAX, false},
        {"99999999999", INT32_MAX, false},
        {"-99999999999", INT32_MIN, false},
        {"000000000000000000001", 1, true},
    };
    for (const Case& c : cases) {
        bool fits = !c.fits;
        EXPECT_EQ(ParseLeadingInt(c.text, fits), c.value) << c.text;
        EXPECT_EQ(fits, c.fits) << c.text;
        EXPECT_EQ(ParseLeadingInt(c.text), c.value) << c.text;
    }
}

TEST(ParseLeadingRealTest, ReadsADotWhateverTheLocale) {
    EXPECT_DOUBLE_EQ(ParseLeadingReal("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(ParseLeadingReal("-0.5x"), -0.5);
    EXPECT_DOUBLE_EQ(ParseLeadingReal("x"), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingReal("5.5e"), 5.5); // atof stops before an exponent without digits
    EXPECT_DOUBLE_EQ(ParseLeadingReal("1e3m"), 1000.0);
    EXPECT_EQ(ParseLeadingReal("-1e999"), -std::numeric_limits<double>::infinity());
}

TEST(SaturatingAddTest, HoldsSumsToThe32BitRange) {
    struct Case {
        int32_t value;
        int64_t delta;
        int32_t sum;
    } cases[] = {
        {2, 3, 5},
        {-2, -3, -5},
        {INT32_MAX, 0, INT32_MAX},
        {INT32_MAX, 1, INT32_MAX},
        {INT32_MAX - 1, 1, INT32_MAX},
        {INT32_MAX, -1, INT32_MAX - 1},
        {INT32_MAX, INT32_MAX, INT32_MAX},
        {INT32_MIN, -1, INT32_MIN},
        {INT32_MIN + 1, -1, INT32_MIN},
        {INT32_MIN, 1, INT32_MIN + 1},
        {INT32_MIN, INT32_MIN, INT32_MIN},
        {INT32_MAX, INT32_MIN, -1},
        {INT32_MIN, int64_t(INT32_MAX) - INT32_MIN, INT32_MAX},
        {0, INT64_MAX, INT32_MAX},
        {0, INT64_MIN, INT32_MIN},
        {INT32_MIN, INT64_MAX, INT32_MAX},
        {INT32_MAX, INT64_MIN, INT32_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SaturatingAdd(c.value, c.delta), c.sum) << c.value << " + " << c.delta;

    EXPECT_EQ(SaturateInt32(int64_t(INT32_MAX) + 1), INT32_MAX);
    EXPECT_EQ(SaturateInt32(int64_t(INT32_MIN) - 1), INT32_MIN);
    EXPECT_EQ(SaturateInt32(-7), -7);
}

TEST(FormatTest, WritesTextsOfAnyLength) {
    const std::string big(5000, 'y');
    EXPECT_EQ(Format("BP=%-6.1f | %s", 0.0, "x"), "BP=0.0    | x");
    EXPECT_EQ(Format("%s", big.c_str()).size(), 5000u);
}

TEST(TextEncodingTest, Utf8WithLatin1Fallback) {
    EXPECT_EQ(ToWx("Caf\xc3\xa9"), wxString::FromUTF8("Caf\xc3\xa9"));
    // A lone 0xE9 is not UTF-8: it is read as Latin-1 e-acute.
    EXPECT_EQ(ToWx("Caf\xe9"), wxString(L"Caf\u00e9"));
    EXPECT_EQ(FromWx(ToWx("Caf\xe9")), "Caf\xc3\xa9");
    EXPECT_EQ(FromWx(ToWx("plain")), "plain");
    EXPECT_TRUE(ToWx("").empty());
}

TEST(TextEncodingTest, LongTextsGiveWayInTheMiddleOnCharacterBoundaries) {
    const std::string dots = "\xe2\x80\xa6";
    const std::string e = "\xc3\xa9";
    std::string accents;
    for (int i = 0; i < 100; ++i)
        accents += e;
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {std::string(80, 'a'), std::string(80, 'a')},
        {std::string(40, 'a') + std::string(41, 'b'), std::string(39, 'a') + dots + std::string(40, 'b')},
        {accents, accents.substr(0, 39 * 2) + dots + accents.substr(0, 40 * 2)},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortenMiddle(c.text), c.shown);
        EXPECT_TRUE(ToWx(ShortenMiddle(c.text)).length() <= 80);
    }
    EXPECT_EQ(ShortenMiddle("abcdefgh", 5), "ab" + dots + "gh");
}

// What a row or label shows: at most 255 characters, a longer text cut to 254 and an ellipsis, counted in
// characters of the reading ToWx gives the whole text.
TEST(TextEncodingTest, ShownTextsAreCutAfter254CharactersWithAnEllipsis) {
    const auto times = [](const std::string& piece, size_t n) {
        std::string text;
        for (size_t i = 0; i < n; ++i)
            text += piece;
        return text;
    };
    const wxString ellipsis(L"\u2026");
    const wxString eAcute(L"\u00e9");
    const struct {
        const char* what;
        std::string bytes;
        wxString shown;
    } cases[] = {
        {"empty", "", wxString()},
        {"255 ASCII characters, shown whole", times("a", 255), wxString(255, 'a')},
        {"256 ASCII characters", times("a", 256), wxString(254, 'a') + ellipsis},
        {"255 two-byte characters in 510 bytes, shown whole", times("\xc3\xa9", 255),
         wxString(255, eAcute[0])},
        {"256 two-byte characters", times("\xc3\xa9", 256), wxString(254, eAcute[0]) + ellipsis},
        {"a Latin-1 text, a character per byte", times("\xe9", 300), wxString(254, eAcute[0]) + ellipsis},
        {"255 Latin-1 bytes, shown whole", times("a", 254) + "\xe9", wxString(254, 'a') + eAcute},
        {"only continuation bytes", times("\x80", 300), wxString(254, wxUniChar(0x80)) + ellipsis},
        // One bad byte at the end makes the whole text Latin-1, its first 254 bytes included.
        {"UTF-8 spoilt at the end", times("\xc3\xa9", 200) + "\xff",
         wxString(times("\xc3\xa9", 127).data(), wxConvISO8859_1, 254) + ellipsis},
    };
    for (const auto& c : cases) {
        const wxString shown = ToWxShown(c.bytes);
        EXPECT_EQ(shown, c.shown) << c.what;
        EXPECT_LE(shown.length(), kShownTextLimit) << c.what;
    }
}

} // namespace
