// Shows a roll the dice seam recorded as "3d6" when a test's comparison of rolls fails.
#pragma once

#include <ostream>

#include "app/dice.h"

namespace dice {
inline void PrintTo(const Roll& roll, std::ostream* out) {
    *out << roll.count << 'd' << roll.sides;
}
} // namespace dice
