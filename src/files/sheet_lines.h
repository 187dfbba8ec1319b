// The line writer the character sheet's two halves share.
#pragma once

#include <cstdint>
#include <string>

#include "files/xml_text.h"

// Markup that is not written as a literal where the line is made (a table's cell openings, a notice kept
// escaped): the explicit way to put it on the page as it is.
struct Markup {
    explicit Markup(const char* markup) : text(markup) {}
    const char* text;
};

// Writes the sheet line by line, each line from pieces: a string literal is markup and goes in as it
// is, any other text (a `std::string` or a `const char*`) is escaped, a whole number is written in
// decimal, and a `Markup` goes in as it is. So a text reaches the page escaped unless a piece says it
// is markup.
class SheetLines {
public:
    template <class... Pieces> void Line(const Pieces&... pieces) {
        (Put(pieces), ...);
        out_ += '\n';
    }
    // The three lines that open a section's bordered box.
    void BoxOpen() {
        Line("<TABLE BORDER=1 WIDTH=100%>");
        Line("<TR>");
        Line("<TD>");
    }
    // The four lines that close it, after the inner table's own close.
    void BoxClose() {
        Line("</TD>");
        Line("</TR>");
        Line("</TABLE>");
        Line("<BR>");
    }
    // A list section's box with its heading line, which also opens the inner table.
    void ListOpen(const char* title) {
        BoxOpen();
        Line("<TABLE WIDTH=100% ALIGN=CENTER><TR><TD><BIG><B><CENTER>", title, "</CENTER></BIG></B><BR>");
    }
    void ListClose() {
        Line("</TD>");
        Line("</TR>");
        Line("</TABLE>");
        BoxClose();
    }
    std::string& Text() { return out_; }

private:
    template <size_t N> void Put(const char (&literal)[N]) { out_ += literal; }
    void Put(Markup markup) { out_ += markup.text; }
    void Put(const std::string& text) { out_ += htmlSafe(text); }
    void Put(int32_t value) { out_ += std::to_string(value); }

    std::string out_;
};

// The sections after Racial Abilities, up to and including "</HTML>".
void WriteSheetDetails(SheetLines& sheet);
