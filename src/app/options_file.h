// The book and rule options and their file "options.qxb".
#pragma once

#include <array>
#include <cstdint>

// 100 option flags; a flag is on only when it equals 1. Global because every step that offers
// catalogue entries or quirk rows tests them.
extern std::array<int32_t, 100> BooksToUse;

// Fixed option indexes tested by the steps.
enum OptionIndex {
    kBookCore = 0,
    kBookMagister = 1,
    kBookWarlord = 2,
    kBookRogue = 3,
    kBookPriest = 4,
    kOptionRollYourOwnDice = 6,
    kOptionSocialClassRestrictions = 8,
};

// True when `book` is a valid option index whose flag is 1; any other value is a book not enabled.
bool BookEnabled(int64_t book);

// Reads "options.qxb" from the working directory into BooksToUse, creating the file when missing.
// Entries a short file does not hold keep their values. Reports nothing.
void LoadOptions();

// Writes BooksToUse to "options.qxb" (404 bytes). The old file is replaced only by a complete new
// one. Reports nothing.
void SaveOptions();
