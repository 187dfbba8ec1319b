// Conversion between the bytes kept from files and the texts shown in windows.
#pragma once

#include <cstddef>
#include <string>
#include <wx/string.h>

// Bytes read from a file become a window text as UTF-8, or as Latin-1 when they are not valid UTF-8.
wxString ToWx(const std::string& bytes);

// The most characters a list row, a tree row or a label shows of one text.
constexpr size_t kShownTextLimit = 255;

// `bytes` as a list row, a tree row or a label shows them: read as ToWx reads them and, when that gives
// more than kShownTextLimit characters, cut to the first kShownTextLimit - 1 and "…". The cut is for the
// eye only (a window with a text of millions of characters takes minutes to lay out); the record, the
// files and the sheet keep the whole text. Costs one pass over the bytes at most.
wxString ToWxShown(const std::string& bytes);

// A window text becomes bytes as UTF-8.
std::string FromWx(const wxString& text);

// `text` for a message box: beyond `limit` characters (UTF-8) its middle gives way to "…", so a long path
// or name cannot make the box wider than the screen.
std::string ShortenMiddle(const std::string& text, size_t limit = 80);
