#include "app/dice_log.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <wx/defs.h>

#include "app/dice.h"
#include "app/numbers.h"
#include "app/prompts.h"

namespace {

// What ends every line of the log file, after its text.
const char* LogLineEnd() {
    return " \n";
}

std::unique_ptr<DiceLogView>& View() {
    static std::unique_ptr<DiceLogView> view;
    return view;
}

// Steps shared by both forms: window, file, the caller's text, window text.
void LogLine(std::string& text, const std::string& file, bool fullWidth) {
    if (DiceLogView* view = View().get())
        view->Open(file, fullWidth);
    Log_Entry(file, text);
    text += '\n';
    if (DiceLogView* view = View().get())
        view->Append(text);
}

} // namespace

std::string FreeLogName(const std::string& prefix, int32_t number) {
    std::error_code error;
    while (number < INT32_MAX && std::filesystem::exists(prefix + Format("%i.log", number), error))
        ++number;
    return prefix + Format("%i.log", number);
}

void Create_Filename(std::string& name) {
    const int32_t roll = DiceRoll(12, 12);
    // Rolls cluster between 60 and 90, so a later run would often empty an earlier character's log: the
    // one record of its rolls. The first free number from the roll upward is taken instead.
    if (name.size() < 2)
        name = FreeLogName("", roll);
    // Text mode and truncation: the file is created, or emptied for the next character.
    std::ofstream out(name, std::ios::out | std::ios::trunc);
    if (!out.is_open())
        Prompts().Message("Problem creating log file", "Create_Filename", wxOK | wxICON_INFORMATION);
}

std::string NextLogName(const std::string& file) {
    const int32_t number = ParseLeadingInt(file);
    return FreeLogName("", number < INT32_MAX ? number + 1 : number);
}

bool LogHoldsOnly(const std::string& file, const std::string& text) {
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return !error;
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open())
        return false;
    const std::string line = text + LogLineEnd();
    // One byte more than the line tells a longer file apart without reading all of it.
    std::string start(line.size() + 1, '\0');
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    if (in.bad())
        return false;
    start.resize(static_cast<size_t>(in.gcount()));
    return start.empty() || start == line;
}

void Log_Entry(const std::string& file, const std::string& text) {
    // Text mode, so "\n" becomes the platform's line end.
    std::ofstream out(file, std::ios::out | std::ios::app);
    if (!out.is_open()) {
        Prompts().Message("Problem creating entry in log file", "Log_Entry", wxOK | wxICON_INFORMATION);
        return;
    }
    out << text << LogLineEnd();
    out.close();
    if (out.fail())
        Prompts().Message("Problem creating entry in log file", "Log_Entry", wxOK | wxICON_INFORMATION);
}

std::string FormatLogLine(float bp, const std::string& text) {
    return "BP=" + FormatFixed(static_cast<double>(bp), 1, -6) + " | " + text;
}

void Format_Entry(float bp, std::string& text, const std::string& file) {
    text = FormatLogLine(bp, text);
    LogLine(text, file, false);
    OpenTreeAfterLogLine();
}

void Format_Entry(std::string& text, const std::string& file) {
    LogLine(text, file, true);
}

std::string ReadLogFile(const std::string& file) {
    std::ifstream in(file);
    if (!in.is_open())
        return std::string();
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::unique_ptr<DiceLogView> SetDiceLogView(std::unique_ptr<DiceLogView> view) {
    std::swap(View(), view);
    return view;
}
