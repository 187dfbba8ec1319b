// Reading the dice log back in tests.
#pragma once

#include <string>
#include <vector>

// The lines of the current dice-log file, each without the blank every logged line ends with.
std::vector<std::string> LogLines();
// The same for the log file `file`, such as a honor tracker's.
std::vector<std::string> LogLines(const std::string& file);
