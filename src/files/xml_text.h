// Escaping values for the character file and sheet, and decoding them again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <wx/string.h>

// A value as one element's text: "&", "<" and ">" become "&amp;", "&lt;" and "&gt;", and a control
// character (a pasted line break) a numeric reference such as "&#10;", so one element stays one line.
std::string xmlSafe(const std::string& value);
std::string xmlSafe(const char* value);
std::string xmlSafe(const wxString& value);
std::string xmlSafe(int32_t value);

// A value as text of the HTML character sheet: "&", "<", ">" and the double quote become "&amp;",
// "&lt;", "&gt;" and "&quot;", and every other character outside printable ASCII a numeric reference
// ("&#233;", "&#10;"). The bytes are read as the windows read them (UTF-8, or Latin-1 when they are not
// valid UTF-8), so a browser shows them right whatever character set it assumes for the page.
std::string htmlSafe(const std::string& value);

// The inverse, in one pass: "&amp;", "&lt;", "&gt;", "&quot;", "&apos;" and decimal or hexadecimal
// numeric references become their characters (a reference to a code point above 127 as UTF-8).
// Anything else, an unknown or unfinished reference included, stays as written, so files written
// before values were escaped read as they always did.
std::string xmlDecode(std::string_view text);
