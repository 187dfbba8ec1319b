// Reading the character's class items back in tests.
#pragma once

#include <string>
#include <vector>

// The CLASS_NAME of each item on the character's class list, in list order.
std::vector<std::string> ClassItemNames();
