#include "files/character_file_check.h"

#include <string>
#include <string_view>

namespace {

const std::string_view kRoot = "GOREWRIGHT_CHARACTER";

bool NameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool NameChar(char c) {
    return NameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':';
}

// The length of the element name at the start of `text`; 0 when there is none.
size_t NameLength(std::string_view text) {
    if (text.empty() || !NameStart(text[0]))
        return 0;
    size_t n = 1;
    while (n < text.size() && NameChar(text[n]))
        ++n;
    return n;
}

// What one line is, by its shape alone.
struct LineShape {
    enum Kind { Value, Open, Close, Element } kind = Value;
    std::string_view name; // of the tag, for all but Value
};

// "<NAME>" or "<NAME attributes>" starting `line`, as far as its ">"; the ">" position, or npos.
size_t OpeningTagEnd(std::string_view line, std::string_view& name) {
    if (line.size() < 3 || line[0] != '<')
        return std::string_view::npos;
    const size_t length = NameLength(line.substr(1));
    if (length == 0)
        return std::string_view::npos;
    name = line.substr(1, length);
    const size_t after = 1 + length;
    if (after < line.size() && line[after] == '>')
        return after;
    if (after >= line.size() || line[after] != ' ')
        return std::string_view::npos;
    // Attributes: anything up to the first ">", without a "<".
    const size_t gt = line.find_first_of("<>", after);
    return gt != std::string_view::npos && line[gt] == '>' ? gt : std::string_view::npos;
}

LineShape ShapeOf(std::string_view line) {
    LineShape shape;
    if (line.size() >= 4 && line[0] == '<' && line[1] == '/' && line.back() == '>') {
        const std::string_view name = line.substr(2, line.size() - 3);
        if (NameLength(name) == name.size()) {
            shape.kind = LineShape::Close;
            shape.name = name;
            return shape;
        }
    }
    std::string_view name;
    const size_t gt = OpeningTagEnd(line, name);
    if (gt == std::string_view::npos)
        return shape;
    if (gt + 1 == line.size()) {
        shape.kind = LineShape::Open;
        shape.name = name;
        return shape;
    }
    // An element: its value may hold anything, but the line ends with its own closing tag.
    const std::string_view rest = line.substr(gt + 1);
    if (rest.size() >= name.size() + 3 && rest.back() == '>' &&
        rest.substr(rest.size() - name.size() - 3, 2) == "</" &&
        rest.substr(rest.size() - name.size() - 1, name.size()) == name) {
        shape.kind = LineShape::Element;
        shape.name = name;
    }
    return shape;
}

void DropCarriageReturn(std::string& line) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
}

} // namespace

size_t FirstDamagedLine(CatalogLineReader& lines) {
    std::string line;
    size_t number = 1;
    if (!lines.Next(line))
        return number;
    DropCarriageReturn(line);
    if (line.compare(0, 5, "<?xml") != 0 || line.size() < 7 || line.compare(line.size() - 2, 2, "?>") != 0)
        return number;
    ++number;
    if (!lines.Next(line))
        return number;
    DropCarriageReturn(line);
    const LineShape root = ShapeOf(line);
    if (root.kind != LineShape::Open || root.name != kRoot)
        return number;

    // A value line stands alone between a block's opening and closing tags, so it is judged by the line
    // after it.
    bool afterOpening = false; // the root holds no value line
    bool pendingValue = false;
    std::string openName;
    while (lines.Next(line)) {
        ++number;
        DropCarriageReturn(line);
        const LineShape shape = ShapeOf(line);
        if (pendingValue) {
            if (shape.kind != LineShape::Close || shape.name != openName)
                return number - 1;
            pendingValue = false;
        } else if (shape.kind == LineShape::Value) {
            if (!afterOpening)
                return number;
            pendingValue = true;
            continue;
        }
        if (shape.kind == LineShape::Close && shape.name == kRoot) {
            while (lines.Next(line)) {
                ++number;
                DropCarriageReturn(line);
                if (!line.empty())
                    return number;
            }
            return 0;
        }
        afterOpening = shape.kind == LineShape::Open;
        if (afterOpening)
            openName.assign(shape.name);
    }
    return number + 1;
}

size_t FirstDamagedLine(const std::filesystem::path& file) {
    PlainFileLines in(file, kCharacterFileLineLimit);
    if (!in.IsOpen())
        return 0;
    return FirstDamagedLine(in.Lines());
}
