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

// The options file's name, in the working directory.
extern const char* const kOptionsFile;

// Reads "options.qxb" from the working directory into BooksToUse. Entries a short file does not hold
// keep their values. Only a file that is absent is created (from the current flags): one that exists but
// cannot be read is left as it is. Returns whether the flags were read or the file created; reports
// nothing.
bool LoadOptions();

// What LoadOptions found: the 400 bytes read, fewer bytes read (whole entries taken), the file created
// because it was missing, a missing file that could not be created, a file that could not be read.
enum class OptionsFileState { Read, Short, Created, NotCreated, Unreadable };

// LoadOptions, telling what it found.
OptionsFileState LoadOptionsFile();

// LoadOptions for the start of the program: a file that exists but whose 400 bytes cannot be read is
// said once, in one message naming it (the file is left as it is).
void LoadOptionsAtStartUp();

// Writes BooksToUse to "options.qxb" (404 bytes). The old file is replaced only by a complete new
// one. A file that cannot be written is reported in one message naming it; returns whether it was written.
bool SaveOptions();
