// The line writer the character sheet's two halves share.
#pragma once

#include <cstdint>
#include <string>

#include "files/xml_text.h"

class SheetLines {
public:
    // One line of fixed markup and values, already escaped where they are texts.
    void Line(const std::string& text) {
        out_ += text;
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
    void ListOpen(const std::string& title) {
        BoxOpen();
        Line("<TABLE WIDTH=100% ALIGN=CENTER><TR><TD><BIG><B><CENTER>" + title + "</CENTER></BIG></B><BR>");
    }
    void ListClose() {
        Line("</TD>");
        Line("</TR>");
        Line("</TABLE>");
        BoxClose();
    }
    std::string& Text() { return out_; }

private:
    std::string out_;
};

// A data text as the sheet shows it.
inline std::string Esc(const std::string& text) {
    return htmlSafe(text);
}
inline std::string Num(int32_t value) {
    return std::to_string(value);
}

// The sections after Racial Abilities, up to and including "</HTML>".
void WriteSheetDetails(SheetLines& sheet);
