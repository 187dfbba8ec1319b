// The dice log: one line per roll, choice or payment, appended to a text file and shown in the log window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

// Chooses the log-file name from a 12d12 roll ("%i.log") when `name` holds fewer than 2 characters, and
// creates that file empty. A name whose file already exists in the working directory is passed over for
// the next free number upward, so an earlier run's log is never emptied. The dice are rolled on every call,
// also when the name is kept. A file that cannot be created is reported ("Problem creating log file") and
// `name` keeps the value it got.
void Create_Filename(std::string& name);

// `prefix` + "%i.log" for the first number from `number` upward whose file does not exist in the working
// directory, so that a new log never empties an earlier one.
std::string FreeLogName(const std::string& prefix, int32_t number);

// The name of the next log after `file` ("%i.log"): the first free number above its own, so that the
// log of an earlier character is kept whole.
std::string NextLogName(const std::string& file);

// True when `file` is missing, or holds nothing but the line Log_Entry writes for `text` (or nothing at
// all); false when it holds anything else or cannot be read.
bool LogHoldsOnly(const std::string& file, const std::string& text);

// Appends `text`, a blank and a line end to `file`; a file that cannot be opened is reported ("Problem
// creating entry in log file") and nothing is written.
void Log_Entry(const std::string& file, const std::string& text);

// "BP=%-6.1f | %s" with `bp` and `text`, the decimal mark a dot whatever the locale.
std::string FormatLogLine(float bp, const std::string& text);

// Opens the tree window when it is closed, after a line with the BP prefix is logged. Defined with the
// tree window (ui/), so the dice log includes none of its headers.
void OpenTreeAfterLogLine();

// Logs `text` with the BP prefix: opens the log window when it is closed, appends the line to `file`,
// shows it in the window and opens the tree window when it is closed. `text` becomes the line as shown,
// prefix and trailing newline included.
void Format_Entry(float bp, std::string& text, const std::string& file);

// The same without the prefix and without the tree window, for the game-master helpers.
void Format_Entry(std::string& text, const std::string& file);

// The whole content of the log file `file` (empty when it cannot be read), as the window shows it.
std::string ReadLogFile(const std::string& file);

// The window side of the dice log. The window layer installs its own at start-up; without one the log
// goes to the file only.
class DiceLogView {
public:
    virtual ~DiceLogView() = default;
    // Opens the log window when none is open, showing the current content of `file`. `fullWidth` is the
    // window of the text-only form, as wide as the screen.
    virtual void Open(const std::string& file, bool fullWidth) = 0;
    // Appends `text` (it ends with its newline) to the open window.
    virtual void Append(const std::string& text) = 0;
};

// Installs `view` (null: none) and returns the one it replaces.
std::unique_ptr<DiceLogView> SetDiceLogView(std::unique_ptr<DiceLogView> view);
