#include "quirks/quirk_steps.h"

#include <memory>

#include "app/character.h"
#include "app/options_file.h"
#include "quirks/quirk_flaw.h"
#include "ui/tree_pushers.h"

std::vector<std::string> QuirkLinesByCount(const std::function<int32_t(int)>& count) {
    std::vector<std::string> lines;
    for (int row = 1; row < kQuirkFlawRows; ++row) {
        for (int32_t n = count(row); n > 0; --n)
            lines.push_back(quirkflaw[static_cast<size_t>(row)].name);
    }
    return lines;
}

std::vector<std::string> HeldQuirkLines() {
    return QuirkLinesByCount([](int row) { return current_character.QUIRK_COUNT[row]; });
}

int BookClassFlagFor(int book) {
    // The flags follow the order the class filter reads them in, not the option flags' order.
    switch (book) {
    case kBookMagister:
        return 0;
    case kBookWarlord:
        return 1;
    case kBookPriest:
        return 2;
    case kBookRogue:
        return 3;
    default:
        return -1;
    }
}

void BuildQuirkList() {
    for (int row = 0; row < kQuirkFlawRows; ++row) {
        const int32_t held = current_character.QUIRK_COUNT[row];
        if (held <= 0)
            continue;
        auto node = std::make_unique<QuirkDataItem>();
        node->name = quirkflaw[static_cast<size_t>(row)].name;
        node->value = held;
        current_character.QUIRKANDFLAW_SECTION.AddTail(std::move(node));
    }
    sendquirkflawtotree();
}
