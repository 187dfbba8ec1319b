#include "quirks/quirk_steps.h"

#include <gtest/gtest.h>

#include <climits>

#include "app/options_file.h"

namespace {

// The class flags run Magister's, Warlord's, Priest's, Rogue's, while the option indexes put the Rogue's
// before the Priest's: the two orders differ exactly there.
TEST(QuirkSteps, EachSourcebookSetsItsOwnClassFlagAndNoOtherBookSetsAny) {
    const struct {
        int book;
        int flag;
    } sourcebooks[] = {
        {kBookMagister, 0},
        {kBookWarlord, 1},
        {kBookPriest, 2},
        {kBookRogue, 3},
    };
    EXPECT_EQ(kBookRogue, 3);
    EXPECT_EQ(kBookPriest, 4);
    for (const auto& s : sourcebooks)
        EXPECT_EQ(BookClassFlagFor(s.book), s.flag) << "book " << s.book;
    for (int book = -1; book <= 100; ++book) {
        if (book >= kBookMagister && book <= kBookPriest)
            continue;
        EXPECT_EQ(BookClassFlagFor(book), -1) << "book " << book; // the core book, 10 to 12 and no book
    }
    EXPECT_EQ(BookClassFlagFor(INT_MIN), -1);
    EXPECT_EQ(BookClassFlagFor(INT_MAX), -1);
}

} // namespace
