// Whether a character file is whole, before anything of the character in hand is given up for it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <limits>

#include "catalog/catalog_reader.h"

// Lines of a character file may be of any length: a long typed text is read whole.
constexpr size_t kCharacterFileLineLimit = std::numeric_limits<size_t>::max() - 1;

// The first line (counted from 1) at which `lines` stop having the shape of a character file the program
// writes; 0 when they are whole. Whole: the XML declaration, the root's opening tag, then only lines the
// writer writes (an element with any value text, unescaped values of older files included; the opening
// or closing tag of a block; a block's value line between its two tags), and the root's closing tag with
// nothing but empty lines after it. A trailing CR on any line is allowed. A file that ends early is
// damaged at the line after its last.
size_t FirstDamagedLine(CatalogLineReader& lines);

// The same for a file; 0 also when the file cannot be opened, which its reader reports on its own.
size_t FirstDamagedLine(const std::filesystem::path& file);
