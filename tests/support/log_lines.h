// Reading the dice log back in tests.
#pragma once

#include <string>
#include <vector>

// The lines of the current dice-log file, each without the blank every logged line ends with.
std::vector<std::string> LogLines();
