#include "gm/critical_roll.h"

#include <algorithm>

#include "app/dice.h"

namespace {

int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

} // namespace

int32_t CriticalHitDiceRoll(int32_t sides, int32_t count, int32_t base) {
    int32_t last = DiceRoll(sides, count);
    int32_t total = Saturate(int64_t{base} + last);
    if (sides < 2)
        return total;
    while (last == 1 || last == 8) {
        const int32_t next = DiceRoll(sides, count);
        const int64_t step = int64_t{next} + base - 1;
        total = Saturate(last == 1 ? total - step : total + step);
        last = next;
    }
    return total;
}
