// The open-ended severity roll of the critical-hit roller.
#pragma once

#include <cstdint>

// base + a throw of `count` dice of `sides`; while a throw shows 1 or 8 another follows, and
// (throw + base - 1) is taken off the total after a 1 and added after an 8. The total saturates at the
// 32-bit limits; dice of fewer than two faces are thrown once, since they could never stop.
int32_t CriticalHitDiceRoll(int32_t sides, int32_t count, int32_t base);
